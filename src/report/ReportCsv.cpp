#include "report/ReportCsv.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "calc/MethodScope.h"
#include "calc/ResultColumns.h"
#include "calc/TotalOxygen.h"
#include "messages/Catalogue.h"
#include "messages/Languages.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"

namespace {

// A text that a spreadsheet would take for a formula ("=HYPERLINK(…)", "+1", "-2", "@x") or that starts
// with a tab or CR gets a leading "'": it stays text. Numbers are written by Number(), not here.
std::wstring Text(const std::wstring& text) {
    const bool formula =
        !text.empty() && std::wstring_view(L"=+-@\t\r").find(text[0]) != std::wstring_view::npos;
    return formula ? L"'" + text : text;
}

// The conventions of a spreadsheet in the report's language: a Russian one reads "0,0050" as a number
// and separates fields with ";", an English one reads "0.0050" and separates them with ",".
struct CsvConventions {
    wchar_t separator;
    wchar_t decimalMark;
};

CsvConventions ConventionsOf(Language language) {
    const LanguageEntry& entry = LanguageEntryOf(language);
    return {entry.csvSeparator, entry.decimalMark};
}

std::wstring Field(const std::wstring& text, wchar_t separator) {
    if (text.find_first_of(std::wstring{separator, L'"', L'\r', L'\n'}) == std::wstring::npos) return text;
    std::wstring quoted = L"\"";
    for (const wchar_t c : text) quoted += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
    return quoted + L"\"";
}

std::wstring Line(const std::vector<std::wstring>& fields, const CsvConventions& conventions) {
    std::wstring line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? std::wstring() : std::wstring(1, conventions.separator)) +
                Field(fields[i], conventions.separator);
    return line + L"\r\n";
}

// A number with the report's digits and the language's decimal mark. A value that is no finite number
// (a host's infinite concentration) is left empty, not "inf".
std::wstring Number(double value, int decimals, const CsvConventions& conventions) {
    if (!std::isfinite(value)) return std::wstring();
    std::wstring text = FormatFixed(value, decimals);
    for (wchar_t& c : text) {
        if (c == L'.') c = conventions.decimalMark;
    }
    return text;
}

// The first four fields, the six columns, the note.
template <typename Value>
std::vector<std::wstring> Fields(std::vector<std::wstring> first, Value value, std::wstring note,
                                 const CsvConventions& conventions) {
    for (const ResultColumn& column : kResultColumns)
        first.push_back(Number(value(column), column.decimals, conventions));
    first.push_back(std::move(note));
    return first;
}

}  // namespace

std::string ResultsCsv(const CalculationData& data, Language language) {
    const auto say = [language](MessageCode code) { return Render(code, language); };
    const CsvConventions conventions = ConventionsOf(language);
    std::vector<std::wstring> header;
    for (const MessageCode caption : {MessageCode::ColumnNumber, MessageCode::ColumnComponent,
                                      MessageCode::ColumnPeak, MessageCode::ColumnOxygenAtoms})
        header.push_back(say(caption));
    for (const ResultColumn& column : kResultColumns) header.push_back(say(column.caption));
    header.push_back(say(MessageCode::ColumnNote));
    std::wstring text = Line(header, conventions);
    int number = 0;
    for (const ComponentResult& r : data.results) {
        text += Line(
            Fields(
                {std::to_wstring(++number), Text(r.name), Text(r.peakName), std::to_wstring(r.oxygenAtoms)},
                [&r](const ResultColumn& column) { return r.*column.value; },
                ScopeNoteText(r.scope, language), conventions),
            conventions);
    }
    text +=
        Line(Fields(
                 {L"", say(MessageCode::Total), L"", L""},
                 [&data](const ResultColumn& column) { return data.Sums().*column.sum; }, L"", conventions),
             conventions);
    // The total stands in the oxygen column, the last of the six.
    std::vector<std::wstring> total(4 + kResultColumns.size() - 1);
    total[1] = say(MessageCode::TotalOxygenCaption);
    if (data.TotalOxygenDetermined()) {
        total.push_back(Number(data.totalOxygen, 4, conventions));
        total.push_back(ScopeNoteText(data.totalOxygenScope, language));
    } else {
        total.push_back(TotalOxygenText(data, language));
        total.push_back(TotalOxygenNote(data, language));
    }
    text += Line(total, conventions);
    return "\xEF\xBB\xBF" + ToUtf8(text);
}
