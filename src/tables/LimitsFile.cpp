#include "tables/LimitsFile.h"

#include <algorithm>
#include <cmath>

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

enum Field : size_t { kName, kPeakNames, kQuantity, kMaximum, kRepeatability, kReproducibility };

const wchar_t kRuleLine[] = L"Правило принятия решения";

// Beyond it a number keeps no four decimals in the calculation's arithmetic, and no percentage comes near.
constexpr double kLargestValue = 1e9;

bool TooLarge(double value) {
    return std::fabs(value) > kLargestValue;
}

// The rule a rule line names, case and blanks aside; nothing for an unknown one.
std::optional<DecisionRule> RuleOf(const std::wstring& text) {
    std::wstring key;
    for (const wchar_t c : text) {
        if (c != L' ' && c != L'-') key += FoldCase(c);
    }
    if (key == L"простое") return DecisionRule::Simple;
    if (key == L"iso42592") return DecisionRule::Iso4259;
    if (key == L"ilacg8") return DecisionRule::IlacG8;
    return std::nullopt;
}

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
    else if (TooLarge(*maximum))
        error = {MessageCode::LimitsTooLarge, {TrimmedField(row, kMaximum)}};
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
        else if (TooLarge(*limit.repeatability))
            error = {MessageCode::LimitsTooLarge, {repeatability}};
        else if (limit.peakNames.size() != 1)
            error = MessageCode::LimitsROneComponent;
        if (!error.Empty()) return std::nullopt;
    }
    const std::wstring reproducibility = TrimmedField(row, kReproducibility);
    if (!reproducibility.empty()) {
        limit.reproducibility = ReadReproducibility(reproducibility);
        if (!limit.reproducibility)
            error = {MessageCode::LimitsBadReproducibility, {reproducibility}};
        else if (limit.reproducibility->slope < 0.0 || limit.reproducibility->intercept < 0.0)
            error = {MessageCode::LimitsNegativeReproducibility, {reproducibility}};
        else if (TooLarge(limit.reproducibility->slope) || TooLarge(limit.reproducibility->intercept))
            error = {MessageCode::LimitsTooLarge, {reproducibility}};
        if (!error.Empty()) return std::nullopt;
    }
    return limit;
}

// A rule line: the rule it names, or why it names none.
void TakeRule(const CsvTable::Row& row, bool& seen, LimitsFile& file, Message& error) {
    const std::wstring text = TrimmedField(row, kPeakNames);
    const std::optional<DecisionRule> rule = RuleOf(text);
    if (seen) {
        // Which of the two the lab meant is not known: no verdict under either.
        error = MessageCode::LimitsRuleTwice;
        file.rule.reset();
    } else if (!rule) {
        error = {MessageCode::LimitsUnknownRule, {text}};
        file.rule.reset();
    } else {
        file.rule = *rule;
    }
    seen = true;
}

}  // namespace

std::optional<Reproducibility> ReadReproducibility(const std::wstring& text) {
    std::wstring compact;
    for (const wchar_t c : text) {
        if (c != L' ') compact += c == L'х' || c == L'Х' || c == L'x' ? L'X' : c;
    }
    Reproducibility reproducibility;
    const size_t times = compact.find(L"*X");
    if (times == std::wstring::npos) {
        const std::optional<double> value = ReadWholeNumber(compact);
        if (!value) return std::nullopt;
        reproducibility.intercept = *value;
        return reproducibility;
    }
    const std::optional<double> slope = ReadWholeNumber(compact.substr(0, times));
    if (!slope) return std::nullopt;
    reproducibility.slope = *slope;
    const std::wstring rest = compact.substr(times + 2);
    if (rest.empty()) return reproducibility;
    if (rest[0] != L'+') return std::nullopt;
    const std::optional<double> intercept = ReadWholeNumber(rest.substr(1));
    if (!intercept) return std::nullopt;
    reproducibility.intercept = *intercept;
    return reproducibility;
}

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
    bool ruleSeen = false;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const CsvTable::Row& line = table.rows[row];
        if (IsBlankOrComment(line)) continue;
        if (EqualNoCase(TrimmedField(line, kName), kRuleLine)) {
            Message error;
            TakeRule(line, ruleSeen, file, error);
            if (!error.Empty())
                file.errors.push_back(
                    {MessageCode::FileLine, {static_cast<int64_t>(row + 1), Nested(error)}});
            continue;
        }
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
