#include "xml/Msxml6_win.h"

#include <cstdio>
#include <string>

#include "platform/WideText.h"
#include "xml/XMLError.h"

namespace {

// The description the failing object left for this thread, if any.
std::string ErrorDescription() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return std::string();
    BSTR description = nullptr;
    if (FAILED(info->GetDescription(&description)) || description == nullptr) return std::string();
    const std::string text = ToUtf8(std::wstring_view(description, SysStringLen(description)));
    SysFreeString(description);
    return text;
}

}  // namespace

ComPtr<IXMLDOMDocument3> CreateDomDocument60() {
    ComPtr<IUnknown> object;
    if (FAILED(CoCreateInstance(kClsidDomDocument60, nullptr, CLSCTX_ALL, IID_IUnknown,
                                reinterpret_cast<void**>(object.Put())))) {
        return ComPtr<IXMLDOMDocument3>();
    }
    if (FAILED(OleRun(object.Get()))) return ComPtr<IXMLDOMDocument3>();
    return object.As<IXMLDOMDocument3>(kIidXmlDomDocument3);
}

void CheckResult(HRESULT result) {
    if (SUCCEEDED(result)) return;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    const std::string description = ErrorDescription();
    throw XMLError(static_cast<int32_t>(result),
                   std::string("MSXML error ") + code + (description.empty() ? "" : ": " + description));
}

Bstr::Bstr(std::wstring_view text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (text_ == nullptr) throw XMLError(XMLError::kOutOfMemory, "out of memory for a BSTR");
}

VARIANT Bstr::AsVariant() const {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = text_;
    return variant;
}
