#pragma once

#include <windows.h>

#include <msxml2.h>
#include <oleauto.h>

#include <string_view>

#include "win/ComPtr.h"

// MSXML 6 as the report uses it. mingw's msxml2.h stops at IXMLDOMDocument2, so the document
// interface of MSXML 6 and the class id of its DOM document are declared here.

// IXMLDOMDocument2 with two more methods, in this order.
struct IXMLDOMDocument3 : public IXMLDOMDocument2 {
    virtual HRESULT WINAPI validateNode(IXMLDOMNode* node, IXMLDOMParseError** errorObj) = 0;
    virtual HRESULT WINAPI importNode(IXMLDOMNode* node, VARIANT_BOOL deep, IXMLDOMNode** clone) = 0;
};

// {2933BF96-7B36-11D2-B20E-00C04F983E60}
constexpr IID kIidXmlDomDocument3 = {
    0x2933bf96, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
// DOMDocument60, {88D96A05-F192-11D4-A65F-0040963251E5}
constexpr CLSID kClsidDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};

// A new DOMDocument60 (created for all server contexts and run); empty when COM cannot make one.
// Its async property is left as created.
ComPtr<IXMLDOMDocument3> CreateDomDocument60();

// Raises XMLError for a failure code, with the description the failing object left, if any.
void CheckResult(HRESULT result);

// A BSTR owned until its owner goes; copying is not allowed.
class Bstr {
public:
    // Raises XMLError::kOutOfMemory when the string cannot be allocated.
    explicit Bstr(std::wstring_view text);
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return text_; }
    // A text variant that borrows the string; it must not be cleared.
    VARIANT AsVariant() const;

private:
    BSTR text_;
};
