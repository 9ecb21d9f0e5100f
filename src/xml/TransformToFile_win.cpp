#include <string>

#include "platform/WideText.h"
#include "win/ComApartment.h"
#include "xml/Msxml6_win.h"
#include "xml/TransformToFile.h"
#include "xml/XMLError.h"
#include "xml/XMLWrapper.h"

namespace {

bool Fail(std::wstring* error, const std::wstring& reason) {
    if (error != nullptr) *error = reason;
    return false;
}

// Why a document did not load, as MSXML puts it.
std::wstring ParseErrorReason(IXMLDOMDocument3* document) {
    ComPtr<IXMLDOMParseError> parseError;
    if (FAILED(document->get_parseError(parseError.Put())) || !parseError) return std::wstring();
    BSTR reason = nullptr;
    if (FAILED(parseError->get_reason(&reason)) || reason == nullptr) return std::wstring();
    std::wstring text(reason, SysStringLen(reason));
    SysFreeString(reason);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    return text;
}

// The steps between creating the two documents and saving the result; COM failures are raised.
bool Transform(IXMLDOMDocument3* document, const std::wstring& stylesheetPath, const std::wstring& outputPath,
               std::wstring* error) {
    const ComPtr<IXMLDOMDocument3> output = CreateDomDocument60();
    const ComPtr<IXMLDOMDocument3> stylesheet = CreateDomDocument60();
    if (!output || !stylesheet) return Fail(error, L"MSXML 6 cannot create a DOM document");
    CheckResult(stylesheet->put_async(VARIANT_FALSE));
    const Bstr path(stylesheetPath);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckResult(stylesheet->load(path.AsVariant(), &loaded));
    if (loaded != VARIANT_TRUE) {
        return Fail(error,
                    stylesheetPath + L": the stylesheet did not load: " + ParseErrorReason(stylesheet.Get()));
    }
    CheckResult(output->put_async(VARIANT_FALSE));
    const ComPtr<IDispatch> dispatch = output.As<IDispatch>(IID_IDispatch);
    if (!dispatch) CheckResult(E_NOINTERFACE);
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_DISPATCH;
    target.pdispVal = dispatch.Get();
    CheckResult(document->transformNodeToObject(stylesheet.Get(), target));
    const Bstr saveTo(outputPath);
    CheckResult(output->save(saveTo.AsVariant()));
    return true;
}

}  // namespace

bool TransformToFile(const XMLWrapper& document, const std::wstring& stylesheetPath,
                     const std::wstring& outputPath, std::wstring* error) {
    // Declared before the apartment: the report document is released after COM is left, as its
    // wrapper keeps COM entered on this thread.
    const ComPtr<IXMLDOMDocument3> held = ComPtr<IXMLDOMDocument3>::Share(document.Document());
    const ComApartment apartment;
    if (!apartment.Entered()) return Fail(error, L"COM cannot be initialised on this thread");
    if (!held) return Fail(error, L"no report document");
    try {
        return Transform(held.Get(), stylesheetPath, outputPath, error);
    } catch (const XMLError& failure) {
        return Fail(error, FromUtf8(failure.what()));
    }
}
