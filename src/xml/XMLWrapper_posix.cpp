#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "platform/WideText.h"
#include "xml/XMLError.h"
#include "xml/XMLTextWriter.h"
#include "xml/XMLWrapper.h"

namespace {

const char kEmptyDocument[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document />";

struct DocumentFreer {
    void operator()(xmlDoc* document) const noexcept { xmlFreeDoc(document); }
};
using DocumentOwner = std::unique_ptr<xmlDoc, DocumentFreer>;

const xmlChar* AsXmlText(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

std::wstring FromXmlText(const xmlChar* text) {
    return text != nullptr ? FromUtf8(reinterpret_cast<const char*>(text)) : std::wstring();
}

// The text of an element that holds no elements: its text children, joined.
std::wstring TextOf(const xmlNode* element) {
    std::wstring text;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            text += FromXmlText(child->content);
        }
    }
    return text;
}

bool HoldsElements(const xmlNode* element) {
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) return true;
    }
    return false;
}

void WriteElement(const xmlNode* element, XMLTextWriter& writer) {
    const std::wstring name = FromXmlText(element->name);
    if (!HoldsElements(element)) {
        writer.Leaf(name, TextOf(element));
        return;
    }
    writer.Open(name);
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) WriteElement(child, writer);
    }
    writer.Close(name);
}

}  // namespace

// libxml2 keeps no data type marks; the element names, their order and their texts are the document.
struct XMLWrapper::Impl {
    DocumentOwner document;
    xmlNode* root = nullptr;  // owned by the document
};

XMLElement::~XMLElement() = default;

XMLElement::XMLElement(XMLElement&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

XMLElement& XMLElement::operator=(XMLElement&& other) noexcept {
    handle_ = std::exchange(other.handle_, nullptr);
    return *this;
}

XMLWrapper::XMLWrapper() : impl_(std::make_unique<Impl>()) {
    xmlInitParser();
    impl_->document.reset(xmlNewDoc(AsXmlText("1.0")));
}

XMLWrapper::~XMLWrapper() = default;

bool XMLWrapper::CreateDocument() {
    return LoadDocument(kEmptyDocument);
}

bool XMLWrapper::LoadDocument(const std::string& utf8) {
    if (!impl_->document) throw XMLError(XMLError::kPointer, "no XML document");
    if (utf8.size() > static_cast<size_t>(INT_MAX)) return false;
    DocumentOwner loaded(
        xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", XML_PARSE_NONET));
    if (!loaded) return false;
    impl_->document = std::move(loaded);
    impl_->root = xmlDocGetRootElement(impl_->document.get());
    return impl_->root != nullptr;
}

XMLElement XMLWrapper::AddElement(const XMLElement& parent, const std::wstring& name) {
    xmlNode* into = parent ? parent.Handle() : impl_->root;
    if (!impl_->document) throw XMLError(XMLError::kPointer, "no XML document");
    const std::string utf8 = ToUtf8(name);
    // MSXML refuses a name that is not an XML name; so does this back end.
    if (xmlValidateName(AsXmlText(utf8), 0) != 0) {
        throw XMLError(XMLError::kFailed, "not an XML element name: " + utf8);
    }
    xmlNode* element = xmlNewDocNode(impl_->document.get(), nullptr, AsXmlText(utf8), nullptr);
    if (element == nullptr) return XMLElement();
    if (into == nullptr) {
        xmlFreeNode(element);
        throw XMLError(XMLError::kPointer, "no parent element for " + utf8);
    }
    if (xmlAddChild(into, element) == nullptr) {
        xmlFreeNode(element);
        throw XMLError(XMLError::kFailed, "cannot append element " + utf8);
    }
    return XMLElement(element);
}

XMLElement XMLWrapper::AddTextElement(const XMLElement& parent, const std::wstring& name,
                                      const std::wstring& value) {
    XMLElement element = AddElement(parent, name);
    if (element && !value.empty()) {
        const std::string utf8 = ToUtf8(XmlCarriableText(value));
        // Added as text, not parsed: "&" and "<" stay characters.
        xmlNodeAddContentLen(element.Handle(), AsXmlText(utf8), static_cast<int>(utf8.size()));
    }
    return element;
}

XMLElement XMLWrapper::AddIntElement(const XMLElement& parent, const std::wstring& name, int32_t value) {
    return AddTextElement(parent, name, std::to_wstring(value));
}

XMLDocumentHandle XMLWrapper::Document() const {
    return impl_->document.get();
}

std::string XMLWrapper::ToText() const {
    if (impl_->root == nullptr) return std::string();
    XMLTextWriter writer;
    WriteElement(impl_->root, writer);
    return writer.Text();
}
