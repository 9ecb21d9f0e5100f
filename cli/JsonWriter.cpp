#include "JsonWriter.h"

#include <cstdio>

#include "platform/WideText.h"

std::string JsonString(std::wstring_view text) {
    const std::string utf8 = ToUtf8(text);
    std::string quoted = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

void JsonWriter::Key(std::string_view name) {
    if (!empty_.empty()) {
        text_ += empty_.back() ? "\n" : ",\n";
        empty_.back() = false;
    }
    text_.append(2 * inArray_.size(), ' ');
    if (!inArray_.empty() && !inArray_.back()) {
        text_ += JsonString(FromUtf8(name));
        text_ += ": ";
    }
}

void JsonWriter::Open(std::string_view name, char bracket) {
    Key(name);
    text_ += bracket;
    inArray_.push_back(bracket == '[');
    empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
    const bool wasEmpty = empty_.back();
    inArray_.pop_back();
    empty_.pop_back();
    if (!wasEmpty) {
        text_ += "\n";
        text_.append(2 * inArray_.size(), ' ');
    }
    text_ += bracket;
}

void JsonWriter::BeginObject(std::string_view name) {
    Open(name, '{');
}
void JsonWriter::EndObject() {
    Close('}');
}
void JsonWriter::BeginArray(std::string_view name) {
    Open(name, '[');
}
void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Text(std::string_view name, std::wstring_view value) {
    Key(name);
    text_ += JsonString(value);
}

void JsonWriter::Bool(std::string_view name, bool value) {
    Key(name);
    text_ += value ? "true" : "false";
}

void JsonWriter::Integer(std::string_view name, long long value) {
    Key(name);
    text_ += std::to_string(value);
}

void JsonWriter::Number(std::string_view name, const std::optional<std::wstring>& decimal) {
    Key(name);
    text_ += decimal ? ToUtf8(*decimal) : "null";
}

void JsonWriter::Null(std::string_view name) {
    Key(name);
    text_ += "null";
}
