#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Builds a JSON text (UTF-8, two-blank indentation) member by member: objects and arrays are opened
// and closed in order, as the document is written.
class JsonWriter {
public:
    // Members of the object being written; `name` is ignored inside an array.
    void BeginObject(std::string_view name = {});
    void EndObject();
    void BeginArray(std::string_view name = {});
    void EndArray();
    void Text(std::string_view name, std::wstring_view value);
    void Bool(std::string_view name, bool value);
    void Integer(std::string_view name, long long value);
    // A number in its finished decimal form ("3.5343"), or null when there is none.
    void Number(std::string_view name, const std::optional<std::wstring>& decimal);
    void Null(std::string_view name);

    // The whole text, with a line end after the last brace.
    std::string Finish() const { return text_ + "\n"; }

private:
    void Key(std::string_view name);
    void Open(std::string_view name, char bracket);
    void Close(char bracket);

    std::string text_;
    std::vector<bool> inArray_;  // per open level: an array (true) or an object
    std::vector<bool> empty_;    // per open level: nothing written inside yet
};

// A JSON string literal of a text, quotes included.
std::string JsonString(std::wstring_view text);
