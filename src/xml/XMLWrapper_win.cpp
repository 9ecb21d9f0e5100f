#include <string_view>
#include <utility>

#include "platform/WideText.h"
#include "win/ComApartment.h"
#include "xml/Msxml6_win.h"
#include "xml/XMLError.h"
#include "xml/XMLTextWriter.h"
#include "xml/XMLWrapper.h"

namespace {

const char kEmptyDocument[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document />";

std::wstring NameOf(IXMLDOMNode* node) {
    BSTR name = nullptr;
    if (FAILED(node->get_nodeName(&name)) || name == nullptr) return std::wstring();
    std::wstring text(name, SysStringLen(name));
    SysFreeString(name);
    return text;
}

// The exact text of a text node; the DOM's text property would trim its blanks.
std::wstring ValueOf(IXMLDOMNode* node) {
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(node->get_nodeValue(&value)) && value.vt == VT_BSTR && value.bstrVal != nullptr) {
        text.assign(value.bstrVal, SysStringLen(value.bstrVal));
    }
    VariantClear(&value);
    return text;
}

DOMNodeType TypeOf(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    node->get_nodeType(&type);
    return type;
}

// Calls visit(child) for every child node, in order.
template <typename Visit>
void ForEachChild(IXMLDOMNode* node, Visit visit) {
    ComPtr<IXMLDOMNode> child;
    node->get_firstChild(child.Put());
    while (child) {
        visit(child.Get());
        ComPtr<IXMLDOMNode> next;
        child->get_nextSibling(next.Put());
        child = std::move(next);
    }
}

void WriteElement(IXMLDOMNode* element, XMLTextWriter& writer) {
    bool holdsElements = false;
    std::wstring text;
    ForEachChild(element, [&](IXMLDOMNode* child) {
        const DOMNodeType type = TypeOf(child);
        if (type == NODE_ELEMENT) holdsElements = true;
        if (type == NODE_TEXT || type == NODE_CDATA_SECTION) text += ValueOf(child);
    });
    const std::wstring name = NameOf(element);
    if (!holdsElements) {
        writer.Leaf(name, text);
        return;
    }
    writer.Open(name);
    ForEachChild(element, [&](IXMLDOMNode* child) {
        if (TypeOf(child) == NODE_ELEMENT) WriteElement(child, writer);
    });
    writer.Close(name);
}

// The element's typed value. Wine's MSXML has no put_nodeTypedValue, so the text is set as well;
// on Windows that writes the same text again. Failures leave the element without text.
void SetTypedValue(IXMLDOMElement* element, const wchar_t* dataType, VARIANT value,
                   const std::wstring& text) {
    const Bstr type(dataType);
    element->put_dataType(type.Get());
    element->put_nodeTypedValue(value);
    const Bstr plain(text);
    element->put_text(plain.Get());
}

}  // namespace

// The apartment comes first, so that the document and the root are released before COM is left.
struct XMLWrapper::Impl {
    ComApartment apartment;
    ComPtr<IXMLDOMDocument3> document;
    ComPtr<IXMLDOMElement> root;
};

XMLElement::~XMLElement() {
    if (handle_ != nullptr) handle_->Release();
}

XMLElement::XMLElement(XMLElement&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

XMLElement& XMLElement::operator=(XMLElement&& other) noexcept {
    if (this != &other) {
        if (handle_ != nullptr) handle_->Release();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

XMLWrapper::XMLWrapper() : impl_(std::make_unique<Impl>()) {
    impl_->document = CreateDomDocument60();
    if (impl_->document) CheckResult(impl_->document->put_async(VARIANT_FALSE));
}

XMLWrapper::~XMLWrapper() = default;

bool XMLWrapper::CreateDocument() {
    return LoadDocument(kEmptyDocument);
}

bool XMLWrapper::LoadDocument(const std::string& utf8) {
    // A string handed to MSXML is already decoded: its declaration's encoding would contradict it.
    std::string_view text = utf8;
    if (text.rfind("<?xml", 0) == 0) {
        const size_t end = text.find("?>");
        if (end == std::string_view::npos) return false;
        text.remove_prefix(end + 2);
    }
    if (!impl_->document) throw XMLError(XMLError::kPointer, "no XML document");
    const Bstr xml(FromUtf8(text));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckResult(impl_->document->loadXML(xml.Get(), &loaded));
    if (loaded != VARIANT_TRUE) return false;
    impl_->document->get_documentElement(impl_->root.Put());
    return static_cast<bool>(impl_->root);
}

XMLElement XMLWrapper::AddElement(const XMLElement& parent, const std::wstring& name) {
    IXMLDOMElement* into = parent ? parent.Handle() : impl_->root.Get();
    if (!impl_->document) throw XMLError(XMLError::kPointer, "no XML document");
    // The parent is held for the time of the call; the caller's reference is left alone.
    const ComPtr<IXMLDOMElement> held = ComPtr<IXMLDOMElement>::Share(into);
    const Bstr tag(name);
    ComPtr<IXMLDOMElement> element;
    CheckResult(impl_->document->createElement(tag.Get(), element.Put()));
    if (!element) return XMLElement();
    if (!held) throw XMLError(XMLError::kPointer, "no parent element");
    ComPtr<IXMLDOMNode> appended;
    CheckResult(held->appendChild(element.Get(), appended.Put()));
    return XMLElement(element.Detach());
}

XMLElement XMLWrapper::AddTextElement(const XMLElement& parent, const std::wstring& name,
                                      const std::wstring& value) {
    XMLElement element = AddElement(parent, name);
    if (!element) return element;
    const std::wstring carried = XmlCarriableText(value);
    const Bstr text(carried);
    SetTypedValue(element.Handle(), L"string", text.AsVariant(), carried);
    return element;
}

XMLElement XMLWrapper::AddIntElement(const XMLElement& parent, const std::wstring& name, int32_t value) {
    XMLElement element = AddElement(parent, name);
    if (!element) return element;
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = value;
    SetTypedValue(element.Handle(), L"i4", number, std::to_wstring(value));
    return element;
}

XMLDocumentHandle XMLWrapper::Document() const {
    return impl_->document.Get();
}

std::string XMLWrapper::ToText() const {
    if (!impl_->root) return std::string();
    XMLTextWriter writer;
    WriteElement(impl_->root.Get(), writer);
    return writer.Text();
}
