#include "tables/LimitsFile.h"

#include <algorithm>

#include "messages/Catalogue.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "tables/CsvTable.h"

#include "tables/NameCompare.h"

std::wstring QuantityText(LimitQuantity quantity, Language language) {
    return Render(
        quantity == LimitQuantity::MassPercent ? MessageCode::QuantityMass : MessageCode::QuantityVolume,
        language);
}

std::optional<LimitQuantity> ReadQuantity(const std::wstring& text) {
    std::wstring key;
    for (const wchar_t c : text) {
        if (c != L' ' && c != L'.') key += FoldCase(c);
    }
    if (key == L"%масс") return LimitQuantity::MassPercent;
    if (key == L"%об") return LimitQuantity::VolumePercent;
    return std::nullopt;
}

namespace {

enum Field : size_t { kName, kPeakNames, kQuantity, kMaximum, kRepeatability };

std::vector<std::wstring> SplitNames(const std::wstring& text) {
    std::vector<std::wstring> names;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(L',', start), text.size());
        std::wstring name = std::wstring(TrimBlanks(std::wstring_view(text).substr(start, comma - start)));
        if (!name.empty()) names.push_back(std::move(name));
        start = comma + 1;
    }
    return names;
}

// The limit of one line, or why the line is no limit.
std::optional<Limit> LimitOf(const CsvTable::Row& row, Message& error) {
    Limit limit;
    limit.name = TrimmedField(row, kName);
    const std::wstring names = TrimmedField(row, kPeakNames);
    limit.others = names == L"*";
    if (!limit.others) limit.peakNames = SplitNames(names);
    const std::optional<LimitQuantity> quantity = ReadQuantity(TrimmedField(row, kQuantity));
    const std::optional<double> maximum = ReadWholeNumber(TrimmedField(row, kMaximum));
    const std::wstring repeatability = TrimmedField(row, kRepeatability);
    if (limit.name.empty())
        error = MessageCode::LimitsNoName;
    else if (!quantity)
        error = {MessageCode::LimitsBadQuantity, {TrimmedField(row, kQuantity)}};
    else if (!maximum)
        error = {MessageCode::LimitsBadMaximum, {TrimmedField(row, kMaximum)}};
    if (!error.Empty()) return std::nullopt;
    limit.quantity = *quantity;
    limit.maximum = *maximum;
    limit.maximumText = TrimmedField(row, kMaximum);
    std::replace(limit.maximumText.begin(), limit.maximumText.end(), L',', L'.');
    if (limit.peakNames.empty() && !limit.others && limit.quantity != LimitQuantity::MassPercent) {
        error = MessageCode::LimitsOxygenByMass;
        return std::nullopt;
    }
    if (!repeatability.empty()) {
        limit.repeatability = ReadWholeNumber(repeatability);
        if (!limit.repeatability)
            error = {MessageCode::LimitsBadR, {repeatability}};
        else if (*limit.repeatability <= 0.0)
            error = {MessageCode::LimitsRNotPositive, {repeatability}};
        else if (limit.peakNames.size() != 1)
            error = MessageCode::LimitsROneComponent;
        if (!error.Empty()) return std::nullopt;
    }
    return limit;
}

}  // namespace

std::optional<LimitsFile> ParseLimitsFile(const std::wstring& path) {
    if (!FileExists(path)) return std::nullopt;
    LimitsFile file;
    file.path = path;
    CsvTable table;
    if (!table.ReadShared(path)) {
        file.errors.push_back(MessageCode::LimitsNotOpened);
        return file;
    }
    bool headerSeen = false;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const CsvTable::Row& line = table.rows[row];
        if (IsBlankOrComment(line)) continue;
        // The first line is a header when it names no quantity and its maximum is no number: a file may
        // well start with a limit, also with one whose maximum is mistyped (which is an error of that line).
        const bool header = !headerSeen && !ReadQuantity(TrimmedField(line, kQuantity)) &&
                            !ReadWholeNumber(TrimmedField(line, kMaximum));
        headerSeen = true;
        if (header) continue;
        Message error;
        if (std::optional<Limit> read = LimitOf(line, error)) {
            file.limits.push_back(std::move(*read));
        } else {
            file.errors.push_back({MessageCode::FileLine, {static_cast<int64_t>(row + 1), Nested(error)}});
        }
    }
    if (file.limits.empty() && file.errors.empty()) file.errors.push_back(MessageCode::LimitsEmpty);
    return file;
}
