#include "calc/QcFile.h"

#include <algorithm>

#include "calc/CsvTable.h"
#include "calc/NameCompare.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"

namespace {

enum Field : size_t { kSample, kPeakName, kQuantity, kAccepted, kTolerance };

std::wstring WithPoint(std::wstring text) {
    std::replace(text.begin(), text.end(), L',', L'.');
    return text;
}

bool HasDigit(const std::wstring& text) {
    return text.find_first_of(L"0123456789") != std::wstring::npos;
}

// A header names its columns: no quantity (every quantity has its "%") and no number.
bool LooksLikeHeader(const CsvTable::Row& row) {
    return TrimmedField(row, kQuantity).find(L'%') == std::wstring::npos &&
           !HasDigit(TrimmedField(row, kAccepted)) && !HasDigit(TrimmedField(row, kTolerance));
}

// The line's QC line, or why it is none.
std::optional<QcLine> LineOf(const CsvTable::Row& row, std::wstring& error) {
    QcLine line;
    line.sample = TrimmedField(row, kSample);
    line.peakName = TrimmedField(row, kPeakName);
    const std::optional<LimitQuantity> quantity = ReadQuantity(TrimmedField(row, kQuantity));
    line.acceptedText = WithPoint(TrimmedField(row, kAccepted));
    line.toleranceText = WithPoint(TrimmedField(row, kTolerance));
    if (!line.acceptedText.empty()) line.accepted = ReadWholeNumber(line.acceptedText);
    if (!line.toleranceText.empty()) line.tolerance = ReadWholeNumber(line.toleranceText);
    if (line.sample.empty())
        error = L"нет названия контрольной пробы";
    else if (line.peakName.find(L',') != std::wstring::npos)
        error = L"на карте один компонент, а не «" + line.peakName + L"»";
    else if (!quantity)
        error = L"величина «" + TrimmedField(row, kQuantity) + L"» — не «% масс.» и не «% об.»";
    else if (line.peakName.empty() && *quantity != LimitQuantity::MassPercent)
        error = L"общее содержание кислорода задаётся в «% масс.»";
    else if (!line.acceptedText.empty() && !line.accepted)
        error = L"принятое значение «" + line.acceptedText + L"» — не число";
    else if (!line.toleranceText.empty() && (!line.tolerance || *line.tolerance <= 0))
        error = L"допуск «" + line.toleranceText + L"» — не положительное число";
    else if (line.tolerance && !line.accepted)
        error = L"допуск задаётся вместе с принятым значением";
    if (!error.empty()) return std::nullopt;
    line.quantity = *quantity;
    return line;
}

bool SameChart(const QcLine& a, const QcLine& b) {
    return EqualNoCase(a.sample, b.sample) && EqualNoCase(a.peakName, b.peakName) && a.quantity == b.quantity;
}

}  // namespace

std::wstring QcLine::Measure() const {
    return (peakName.empty() ? std::wstring(L"кислород") : peakName) + L", " + QuantityText(quantity);
}

std::wstring QcLine::Title() const {
    return sample + L" — " + Measure();
}

std::optional<QcFile> ReadQcFile(const std::wstring& path) {
    if (!FileExists(path)) return std::nullopt;
    QcFile file;
    file.path = path;
    CsvTable table;
    if (!table.ReadShared(path)) {
        file.errors.push_back(L"файл контроля качества не открывается");
        return file;
    }
    bool firstSeen = false;
    std::vector<size_t> lineRows;  // the file's row of each line taken
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const CsvTable::Row& fields = table.rows[row];
        if (IsBlankOrComment(fields)) continue;
        const bool header = !firstSeen && LooksLikeHeader(fields);
        firstSeen = true;
        if (header) continue;
        const std::wstring where = L"строка " + std::to_wstring(row + 1) + L": ";
        std::wstring error;
        std::optional<QcLine> line = LineOf(fields, error);
        if (!line) {
            file.errors.push_back(where + error);
            continue;
        }
        // Two lines of one chart would draw it twice, each with half a story.
        const auto same = std::find_if(file.lines.begin(), file.lines.end(),
                                       [&line](const QcLine& other) { return SameChart(other, *line); });
        if (same != file.lines.end()) {
            const size_t earlier = lineRows[static_cast<size_t>(same - file.lines.begin())];
            file.errors.push_back(where + L"та же карта, что в строке " + std::to_wstring(earlier + 1));
            continue;
        }
        file.lines.push_back(std::move(*line));
        lineRows.push_back(row);
    }
    if (file.lines.empty() && file.errors.empty())
        file.errors.push_back(L"в файле нет ни одной строки контроля");
    return file;
}
