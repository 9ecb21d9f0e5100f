#include "ResultTable.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/ResultColumns.h"
#include "calc/TotalOxygen.h"
#include "messages/Catalogue.h"
#include "platform/NumberText.h"

namespace {

constexpr size_t kColumns = kResultTableColumns;
using Row = std::array<std::wstring, kColumns>;

Row Captions(Language language) {
    Row row;
    for (size_t i = 0; i < kLeadingColumns.size(); ++i) row[i] = Render(kLeadingColumns[i], language);
    for (size_t i = 0; i < kResultColumns.size(); ++i)
        row[i + kLeadingColumns.size()] = Render(kResultColumns[i].caption, language);
    return row;
}

template <typename Value>
Row Numbers(std::wstring first, std::wstring second, Value value) {
    Row row{std::move(first), std::move(second)};
    for (size_t i = 0; i < kResultColumns.size(); ++i)
        row[i + 2] = FormatFixed(value(kResultColumns[i]), kResultColumns[i].decimals);
    return row;
}

std::vector<Row> Rows(const CalculationData& data, Language language) {
    std::vector<Row> rows{Captions(language)};
    size_t number = 0;
    for (const ComponentResult& r : data.results) {
        rows.push_back(Numbers(std::to_wstring(++number), r.name,
                               [&r](const ResultColumn& column) { return r.*column.value; }));
    }
    rows.push_back(Numbers(L"", Render(MessageCode::Total, language),
                           [&data](const ResultColumn& column) { return data.Sums().*column.sum; }));
    return rows;
}

// Text columns are padded on the right, number columns on the left.
std::wstring Cell(const std::wstring& text, size_t width, size_t column) {
    const std::wstring padding(width - std::min(width, text.size()), L' ');
    return column == 1 ? text + padding : padding + text;
}

}  // namespace

std::wstring ResultTableText(const CalculationData& data, Language language) {
    const std::vector<Row> rows = Rows(data, language);
    std::array<size_t, kColumns> widths{};
    for (const Row& row : rows) {
        for (size_t c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::wstring text;
    for (size_t r = 0; r < rows.size(); ++r) {
        // The totals row stands apart from the components, as in the grid.
        if (r + 1 == rows.size() && r > 0) text += L"\n";
        for (size_t c = 0; c < kColumns; ++c) text += (c > 0 ? L"  " : L"") + Cell(rows[r][c], widths[c], c);
        while (!text.empty() && text.back() == L' ') text.pop_back();
        text += L"\n";
    }
    const Message total = data.TotalOxygenDetermined()
                              ? Message(MessageCode::CliTotalOxygenLine, {TotalOxygenText(data, language)})
                              : Message(MessageCode::CliTotalOxygenNoResult,
                                        {TotalOxygenText(data, language), TotalOxygenNote(data, language)});
    return text + L"\n" + Render(total, language) + L"\n";
}

std::wstring VerdictTableText(const std::vector<LimitVerdict>& verdicts, const Message& ruleNotice,
                              Language language) {
    std::wstring text = L"\n" + Render(MessageCode::CliLimitsHeading, language) + L"\n";
    if (!ruleNotice.Empty()) text += L"  " + Render(ruleNotice, language) + L"\n";
    for (const LimitVerdict& verdict : verdicts) {
        text += L"  " + Render(Message(MessageCode::CliVerdictLine,
                                       {verdict.limit.name, Decimal(verdict.measured, 4),
                                        QuantityText(verdict.limit.quantity, language),
                                        verdict.limit.maximumText, Nested(verdict.OutcomeMessage())}),
                               language);
        if (!verdict.doubt.Empty()) text += L" (" + Render(verdict.doubt, language) + L")";
        if (verdict.guardBand)
            text += L" " + Render(Message(MessageCode::CliGuardBand, {Decimal(*verdict.reproducibility, 4),
                                                                      Decimal(*verdict.guardBand, 4),
                                                                      Decimal(*verdict.acceptanceLimit, 4)}),
                                  language);
        text += L"\n";
    }
    return text;
}
