#pragma once

#include <string>
#include <string_view>

// Writes elements and their texts as indented UTF-8 XML text, the same on every platform: the
// declaration, one element per line, two blanks per level of nesting.
class XMLTextWriter {
public:
    XMLTextWriter();

    // The start tag of an element that holds elements; Close writes its end tag.
    void Open(std::wstring_view name);
    void Close(std::wstring_view name);
    // An element that holds only text, on one line; <name/> when the text is empty.
    void Leaf(std::wstring_view name, std::wstring_view text);

    const std::string& Text() const { return text_; }

private:
    void Indent();
    void AppendEscaped(std::wstring_view text);

    std::string text_;
    int depth_ = 0;
};
