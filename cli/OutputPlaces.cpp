#include "OutputPlaces.h"

#include <algorithm>
#include <optional>
#include <string>

#include <pugixml.hpp>

#include "messages/Catalogue.h"
#include "messages/Languages.h"
#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// What is looked at of a file: its start tells what made it.
constexpr long long kStartBytes = 4096;

std::string_view WithoutMark(std::string_view text) {
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) text.remove_prefix(kUtf8Mark.size());
    return text;
}

std::string_view AfterBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

bool IsReportJson(std::string_view start) {
    start = AfterBlanks(WithoutMark(start));
    if (start.empty() || start[0] != '{') return false;
    start = AfterBlanks(start.substr(1));
    return start.rfind("\"format\": \"oxycalc-report\"", 0) == 0;
}

bool IsReportDocument(const std::string& whole) {
    pugi::xml_document document;
    if (!document.load_buffer(whole.data(), whole.size(), pugi::parse_default, pugi::encoding_utf8))
        return false;
    const pugi::xml_node root = document.document_element();
    return std::wstring(root.name()) == L"Document" && root.child(L"format_version");
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    return std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
        return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b + 32) : b);
    });
}

// A page: its root element is <html>, after what a transformation puts before it (a declaration, a
// document type, comments). A stylesheet that makes pages has another root.
bool IsPage(std::string_view start) {
    start = AfterBlanks(WithoutMark(start));
    while (StartsWithNoCase(start, "<!--") || StartsWithNoCase(start, "<?") ||
           StartsWithNoCase(start, "<!doctype")) {
        const std::string_view end = StartsWithNoCase(start, "<!--") ? "-->" : ">";
        const size_t at = start.find(end);
        if (at == std::string_view::npos) return false;
        start = AfterBlanks(start.substr(at + end.size()));
    }
    return StartsWithNoCase(start, "<html");
}

// The results CSV: a byte-order mark, then the first column's caption in any language.
bool IsResultsCsv(std::string_view start) {
    if (start.substr(0, kUtf8Mark.size()) != kUtf8Mark) return false;
    start.remove_prefix(kUtf8Mark.size());
    for (const LanguageEntry& language : Languages()) {
        const std::string caption = ToUtf8(Render(MessageCode::ColumnNumber, language.language));
        if (start.rfind(caption + ToUtf8(std::wstring(1, language.csvSeparator)), 0) == 0) return true;
    }
    return false;
}

// A report issued under a number (its JSON, document or page), or a notice of withdrawal: nothing the
// program does writes over one. Each kind is told by what the program writes at its head.
bool IsIssued(const std::string& whole) {
    const std::string_view start = std::string_view(whole).substr(0, static_cast<size_t>(kStartBytes));
    if (IsReportJson(start) || start.find("\"format\": \"oxycalc-withdrawal\"") != std::string_view::npos)
        return start.find("\"report_number\": \"") != std::string_view::npos;
    if (IsPage(start))
        return whole.find("<p class=\"register\"><span class=\"number\">") != std::string::npos;
    if (start.find("<Document>\n  <notice>") != std::string_view::npos) return true;
    const size_t registration = whole.find("\n  <registration>\n");
    return registration != std::string::npos &&
           whole.find("\n    <number>", registration) < whole.find("\n  </registration>", registration);
}

enum class Kind { Document, Page, Json, Csv };

MessageCode KindName(Kind kind) {
    switch (kind) {
        case Kind::Document:
            return MessageCode::KindReportDocument;
        case Kind::Page:
            return MessageCode::KindReportPage;
        case Kind::Json:
            return MessageCode::KindReportJson;
        case Kind::Csv:
            break;
    }
    return MessageCode::KindReportCsv;
}

// Whether the file at the path may be replaced by an output of the kind: none there, an empty one, or one
// that reads as such an output.
bool Replaceable(const std::wstring& path, Kind kind) {
    if (!FileExists(path)) return true;
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes || bytes->empty()) return bytes.has_value();
    const std::string_view start = std::string_view(*bytes).substr(0, static_cast<size_t>(kStartBytes));
    switch (kind) {
        case Kind::Document:
            return IsReportDocument(*bytes);
        case Kind::Page:
            return IsPage(start);
        case Kind::Json:
            return IsReportJson(start);
        case Kind::Csv:
            break;
    }
    return IsResultsCsv(start);
}

}  // namespace

bool OutputsReplaceable(const ReportOutputs& outputs, UserMessages& messages) {
    const std::pair<const std::optional<std::wstring>*, Kind> places[] = {{&outputs.xml, Kind::Document},
                                                                          {&outputs.html, Kind::Page},
                                                                          {&outputs.json, Kind::Json},
                                                                          {&outputs.csv, Kind::Csv}};
    for (const auto& [path, kind] : places) {
        if (*path && FileExists(**path) && IsIssued(ReadFileBytes(**path).value_or(""))) {
            messages.ShowError(Message(MessageCode::RegisterIssuedNotReplaced, {**path}));
            return false;
        }
        if (!*path || Replaceable(**path, kind)) continue;
        messages.ShowError(Message(MessageCode::CliNotReplaceable, {**path, Nested(KindName(kind))}));
        return false;
    }
    return true;
}
