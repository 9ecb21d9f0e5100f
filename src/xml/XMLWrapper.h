#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The platform DOM's own types, declared rather than included so that this header stays portable:
// MSXML 6 on Windows, libxml2 elsewhere.
#ifdef _WIN32
struct IXMLDOMDocument3;
struct IXMLDOMElement;
using XMLDocumentHandle = IXMLDOMDocument3*;
using XMLElementHandle = IXMLDOMElement*;
#else
struct _xmlDoc;
struct _xmlNode;
using XMLDocumentHandle = _xmlDoc*;
using XMLElementHandle = _xmlNode*;
#endif

// A reference to one element of a report document, owned by whoever received it; empty when no
// element was made. It holds a COM reference on Windows, so it can be moved but not copied.
class XMLElement {
public:
    XMLElement() = default;
    ~XMLElement();
    XMLElement(XMLElement&& other) noexcept;
    XMLElement& operator=(XMLElement&& other) noexcept;
    XMLElement(const XMLElement&) = delete;
    XMLElement& operator=(const XMLElement&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    // The platform's element, still owned by this reference.
    XMLElementHandle Handle() const { return handle_; }

private:
    friend class XMLWrapper;
    explicit XMLElement(XMLElementHandle adopted) : handle_(adopted) {}

    XMLElementHandle handle_ = nullptr;
};

// One report document in the platform DOM, built by adding elements; it reads nothing back. Failures
// of the DOM are raised as XMLError. Used for one report, then destroyed.
class XMLWrapper {
public:
    // Creates the DOM document. A failed creation raises nothing: the operations that need the
    // document raise XMLError::kPointer instead.
    XMLWrapper();
    virtual ~XMLWrapper();
    XMLWrapper(const XMLWrapper&) = delete;
    XMLWrapper& operator=(const XMLWrapper&) = delete;

    // Replaces the content by an empty root element <Document/>; true when the root is there.
    bool CreateDocument();
    // Replaces the content by a document written earlier (ToText), to add to it; true when it reads and has
    // a root. Neither a network nor a document type is looked at.
    bool LoadDocument(const std::string& utf8);

    // Appends an element as the last child of `parent`, or of the root when `parent` is empty.
    // Returns it; empty when the DOM made none.
    XMLElement AddElement(const XMLElement& parent, const std::wstring& name);
    // As AddElement, with `value` as the element's text (data type "string"); "" gives no text.
    XMLElement AddTextElement(const XMLElement& parent, const std::wstring& name, const std::wstring& value);
    // As AddElement, with the decimal number as the element's text (data type "i4").
    XMLElement AddIntElement(const XMLElement& parent, const std::wstring& name, int32_t value);

    // The DOM document, for the transformation; null when it could not be created.
    XMLDocumentHandle Document() const;

    // The document as UTF-8 XML: a declaration, then one element per line, indented by two blanks
    // per level, an element holding only text on one line. Attributes the platform DOM adds for its
    // data types are left out, so both platforms give the same text. Empty without a root.
    std::string ToText() const;

private:
    struct Impl;  // the back end's document and root element
    std::unique_ptr<Impl> impl_;
};
