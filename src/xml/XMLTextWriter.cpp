#include "xml/XMLTextWriter.h"

#include "platform/WideText.h"

XMLTextWriter::XMLTextWriter() : text_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") {}

void XMLTextWriter::Open(std::wstring_view name) {
    Indent();
    text_ += '<' + ToUtf8(name) + ">\n";
    ++depth_;
}

void XMLTextWriter::Close(std::wstring_view name) {
    --depth_;
    Indent();
    text_ += "</" + ToUtf8(name) + ">\n";
}

void XMLTextWriter::Leaf(std::wstring_view name, std::wstring_view text) {
    Indent();
    const std::string tag = ToUtf8(name);
    if (text.empty()) {
        text_ += '<' + tag + "/>\n";
        return;
    }
    text_ += '<' + tag + '>';
    AppendEscaped(text);
    text_ += "</" + tag + ">\n";
}

void XMLTextWriter::Indent() {
    text_.append(static_cast<size_t>(depth_) * 2, ' ');
}

void XMLTextWriter::AppendEscaped(std::wstring_view text) {
    std::wstring plain;
    auto flush = [this, &plain] {
        text_ += ToUtf8(plain);
        plain.clear();
    };
    for (const wchar_t c : text) {
        const char* entity = c == L'&'    ? "&amp;"
                             : c == L'<'  ? "&lt;"
                             : c == L'>'  ? "&gt;"
                             : c == L'\r' ? "&#13;"
                                          : nullptr;
        if (entity != nullptr) {
            flush();
            text_ += entity;
        } else {
            // A character XML cannot carry would make the file unreadable; it is shown as U+FFFD.
            plain += IsXmlCharacter(c) ? c : L'\uFFFD';
        }
    }
    flush();
}
