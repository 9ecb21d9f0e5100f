#include "tables/QcFile.h"

#include "messages/Catalogue.h"

#include <algorithm>

#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "tables/CsvTable.h"
#include "tables/NameCompare.h"

namespace {

enum Field : size_t {
    kSample,
    kPeakName,
    kQuantity,
    kAccepted,
    kTolerance,
    kCentre,
    kMovingRangeMean,
    kCount,
    kBaselineFrom,
    kBaselineTo,
    kEstablishedAt,
    kReason,
    kFieldCount
};

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

std::optional<int64_t> Moment(const CsvTable::Row& row, Field field, MessageCode what, Message& error) {
    const std::optional<int64_t> moment = ParseUtcIsoText(TrimmedField(row, field));
    if (!moment && error.Empty())
        error = {MessageCode::QcBadMoment, {Nested(what), TrimmedField(row, field)}};
    return moment;
}

// The established limits of a line: nothing when their fields are empty; all of them when one is not.
std::optional<EstablishedLimits> EstablishedOf(const CsvTable::Row& row, Message& error) {
    bool any = false;
    for (size_t field = kCentre; field < kFieldCount; ++field) any = any || !TrimmedField(row, field).empty();
    if (!any) return std::nullopt;
    EstablishedLimits limits;
    const std::optional<double> centre = ReadWholeNumber(TrimmedField(row, kCentre));
    const std::optional<double> movingRange = ReadWholeNumber(TrimmedField(row, kMovingRangeMean));
    const std::optional<double> count = ReadWholeNumber(TrimmedField(row, kCount));
    if (!centre)
        error = {MessageCode::QcBadCentre, {TrimmedField(row, kCentre)}};
    else if (!movingRange || *movingRange <= 0)
        error = {MessageCode::QcBadMovingRange, {TrimmedField(row, kMovingRangeMean)}};
    else if (!count || *count < 2 || *count > 1e9 ||
             *count != static_cast<double>(static_cast<size_t>(*count)))
        error = {MessageCode::QcBadCount, {TrimmedField(row, kCount)}};
    const std::optional<int64_t> from = Moment(row, kBaselineFrom, MessageCode::QcBaselineStart, error);
    const std::optional<int64_t> to = Moment(row, kBaselineTo, MessageCode::QcBaselineEnd, error);
    const std::optional<int64_t> at = Moment(row, kEstablishedAt, MessageCode::QcEstablishedAt, error);
    if (error.Empty() && *to < *from) error = MessageCode::QcBaselineReversed;
    if (error.Empty() && TrimmedField(row, kReason).empty()) error = MessageCode::QcNoReason;
    if (!error.Empty()) {
        error = {MessageCode::QcEstablishedError, {Nested(error)}};
        return std::nullopt;
    }
    limits.centre = *centre;
    limits.movingRangeMean = *movingRange;
    limits.count = static_cast<size_t>(*count);
    limits.baselineFrom = *from;
    limits.baselineTo = *to;
    limits.at = *at;
    limits.reason = TrimmedField(row, kReason);
    return limits;
}

// The line's QC line, or why it is none.
std::optional<QcLine> LineOf(const CsvTable::Row& row, Message& error) {
    QcLine line;
    line.sample = TrimmedField(row, kSample);
    line.peakName = TrimmedField(row, kPeakName);
    const std::optional<LimitQuantity> quantity = ReadQuantity(TrimmedField(row, kQuantity));
    line.acceptedText = WithPoint(TrimmedField(row, kAccepted));
    line.toleranceText = WithPoint(TrimmedField(row, kTolerance));
    if (!line.acceptedText.empty()) line.accepted = ReadWholeNumber(line.acceptedText);
    if (!line.toleranceText.empty()) line.tolerance = ReadWholeNumber(line.toleranceText);
    if (line.sample.empty())
        error = MessageCode::QcNoSample;
    else if (line.peakName.find(L',') != std::wstring::npos)
        error = {MessageCode::QcOneComponent, {line.peakName}};
    else if (!quantity)
        error = {MessageCode::LimitsBadQuantity, {TrimmedField(row, kQuantity)}};
    else if (line.peakName.empty() && *quantity != LimitQuantity::MassPercent)
        error = MessageCode::LimitsOxygenByMass;
    else if (!line.acceptedText.empty() && !line.accepted)
        error = {MessageCode::QcBadAccepted, {line.acceptedText}};
    else if (!line.toleranceText.empty() && (!line.tolerance || *line.tolerance <= 0))
        error = {MessageCode::QcBadTolerance, {line.toleranceText}};
    else if (line.tolerance && !line.accepted)
        error = MessageCode::QcToleranceWithoutAccepted;
    if (error.Empty()) line.established = EstablishedOf(row, error);
    if (!error.Empty()) return std::nullopt;
    line.quantity = *quantity;
    return line;
}

bool SameChart(const QcLine& a, const QcLine& b) {
    return EqualNoCase(a.sample, b.sample) && EqualNoCase(a.peakName, b.peakName) && a.quantity == b.quantity;
}

}  // namespace

Message QcLine::MeasureMessage() const {
    const Message component =
        peakName.empty() ? Message(MessageCode::QcOxygen) : Message(MessageCode::Text, {peakName});
    const Message units(quantity == LimitQuantity::MassPercent ? MessageCode::QuantityMass
                                                               : MessageCode::QuantityVolume);
    return {MessageCode::QcMeasure, {Nested(component), Nested(units)}};
}

Message QcLine::TitleMessage() const {
    return {MessageCode::QcChartTitle, {sample, Nested(MeasureMessage())}};
}

std::wstring QcLine::Measure(Language language) const {
    return Render(MeasureMessage(), language);
}

std::wstring QcLine::Title(Language language) const {
    return Render(TitleMessage(), language);
}

namespace {

void ReadLines(const CsvTable& table, QcFile& file) {
    bool firstSeen = false;
    std::vector<size_t> lineRows;  // the file's row of each line taken
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const CsvTable::Row& fields = table.rows[row];
        if (IsBlankOrComment(fields)) continue;
        const bool header = !firstSeen && LooksLikeHeader(fields);
        firstSeen = true;
        if (header) {
            file.headerRow = row + 1;
            continue;
        }
        const auto where = [row](Message error) {
            return Message(MessageCode::FileLine, {static_cast<int64_t>(row + 1), Nested(std::move(error))});
        };
        Message error;
        std::optional<QcLine> line = LineOf(fields, error);
        if (!line) {
            file.errors.push_back(where(error));
            continue;
        }
        // Two lines of one chart would draw it twice, each with half a story.
        const auto same = std::find_if(file.lines.begin(), file.lines.end(),
                                       [&line](const QcLine& other) { return SameChart(other, *line); });
        if (same != file.lines.end()) {
            const size_t earlier = lineRows[static_cast<size_t>(same - file.lines.begin())];
            file.errors.push_back(where({MessageCode::QcSameChart, {static_cast<int64_t>(earlier + 1)}}));
            continue;
        }
        line->row = row + 1;
        file.lines.push_back(std::move(*line));
        lineRows.push_back(row);
    }
    if (file.lines.empty() && file.errors.empty()) file.errors.push_back(MessageCode::QcEmpty);
}

}  // namespace

std::optional<QcFile> ParseQcFile(const std::wstring& path) {
    if (!FileExists(path)) return std::nullopt;
    QcFile file;
    file.path = path;
    CsvTable table;
    if (!table.ReadShared(path)) {
        file.errors.push_back(MessageCode::QcNotOpened);
        return file;
    }
    ReadLines(table, file);
    return file;
}

QcFile ParseQcBytes(const std::string& bytes, const std::wstring& path) {
    QcFile file;
    file.path = path;
    CsvTable table;
    table.ParseBytes(bytes);
    ReadLines(table, file);
    return file;
}

bool SameLine(const QcLine& a, const QcLine& b) {
    const bool sameEstablished =
        a.established.has_value() == b.established.has_value() &&
        (!a.established || EstablishedFields(*a.established) == EstablishedFields(*b.established));
    return SameChart(a, b) && a.acceptedText == b.acceptedText && a.toleranceText == b.toleranceText &&
           sameEstablished;
}

const std::vector<std::wstring>& EstablishedCaptions() {
    static const std::vector<std::wstring> captions = {L"Средняя линия",
                                                       L"Средний скользящий размах",
                                                       L"Результатов базового периода",
                                                       L"Базовый период с (UTC)",
                                                       L"Базовый период по (UTC)",
                                                       L"Пределы установлены (UTC)",
                                                       L"Причина"};
    return captions;
}

std::vector<std::wstring> EstablishedFields(const EstablishedLimits& limits) {
    // The file has no quoting: a separator or a line end in the reason would cut the line.
    std::wstring reason = limits.reason;
    for (wchar_t& c : reason) {
        if (c == L';') c = L',';
        if (c == L'\r' || c == L'\n') c = L' ';
    }
    return {FormatFixed(limits.centre, 6),   FormatFixed(limits.movingRangeMean, 6),
            std::to_wstring(limits.count),   UtcIsoText(limits.baselineFrom),
            UtcIsoText(limits.baselineTo),   UtcIsoText(limits.at),
            std::wstring(TrimBlanks(reason))};
}
