#include "calc/Limits.h"

#include <algorithm>

#include "calc/CsvTable.h"
#include "calc/NameCompare.h"
#include "calc/RoundTo4.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"

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
std::optional<Limit> LimitOf(const CsvTable::Row& row, std::wstring& error) {
    Limit limit;
    limit.name = TrimmedField(row, kName);
    const std::wstring names = TrimmedField(row, kPeakNames);
    limit.others = names == L"*";
    if (!limit.others) limit.peakNames = SplitNames(names);
    const std::optional<LimitQuantity> quantity = ReadQuantity(TrimmedField(row, kQuantity));
    const std::optional<double> maximum = ReadWholeNumber(TrimmedField(row, kMaximum));
    const std::wstring repeatability = TrimmedField(row, kRepeatability);
    if (limit.name.empty())
        error = L"нет названия нормы";
    else if (!quantity)
        error = L"величина «" + TrimmedField(row, kQuantity) + L"» — не «% масс.» и не «% об.»";
    else if (!maximum)
        error = L"предел «" + TrimmedField(row, kMaximum) + L"» — не число";
    if (!error.empty()) return std::nullopt;
    limit.quantity = *quantity;
    limit.maximum = *maximum;
    limit.maximumText = TrimmedField(row, kMaximum);
    std::replace(limit.maximumText.begin(), limit.maximumText.end(), L',', L'.');
    if (limit.peakNames.empty() && !limit.others && limit.quantity != LimitQuantity::MassPercent) {
        error = L"общее содержание кислорода задаётся в «% масс.»";
        return std::nullopt;
    }
    if (!repeatability.empty()) {
        limit.repeatability = ReadWholeNumber(repeatability);
        if (!limit.repeatability)
            error = L"предел повторяемости r «" + repeatability + L"» — не число";
        else if (*limit.repeatability <= 0.0)
            error = L"предел повторяемости r «" + repeatability + L"» — не положительное число";
        else if (limit.peakNames.size() != 1)
            error = L"предел повторяемости r задаётся для одного компонента";
        if (!error.empty()) return std::nullopt;
    }
    return limit;
}

bool Lists(const std::vector<std::wstring>& names, const std::wstring& peakName) {
    return std::any_of(names.begin(), names.end(),
                       [&peakName](const std::wstring& name) { return EqualNoCase(name, peakName); });
}

bool NamedByAnother(const std::vector<Limit>& limits, const std::wstring& peakName) {
    return std::any_of(limits.begin(), limits.end(),
                       [&peakName](const Limit& limit) { return Lists(limit.peakNames, peakName); });
}

double Value(const ComponentResult& result, LimitQuantity quantity) {
    return quantity == LimitQuantity::MassPercent ? result.massPercent : result.volumePercent;
}

bool OfTotalOxygen(const Limit& limit) {
    return limit.peakNames.empty() && !limit.others;
}

// The result rows a limit sums; for the total oxygen, every row (the standard's contributes nothing).
std::vector<const ComponentResult*> CountedRows(const Limit& limit, const std::vector<Limit>& limits,
                                                const CalculationData& data) {
    std::vector<const ComponentResult*> rows;
    for (const ComponentResult& result : data.results) {
        const bool counted = OfTotalOxygen(limit) ? true
                             : limit.others       ? !NamedByAnother(limits, result.peakName) &&
                                                  !EqualNoCase(result.name, data.standard)
                                            : Lists(limit.peakNames, result.peakName);
        if (counted) rows.push_back(&result);
    }
    return rows;
}

double Measured(const Limit& limit, const std::vector<const ComponentResult*>& rows,
                const CalculationData& data) {
    if (OfTotalOxygen(limit)) return data.totalOxygen;
    double sum = 0.0;
    for (const ComponentResult* row : rows) sum += Value(*row, limit.quantity);
    return sum;
}

bool Warned(const CalculationData& data, CalculationWarning::Kind kind) {
    return HasWarning(data.warnings, kind);
}

// Whether a warning of this kind names the component of a result row.
bool WarnedOf(const CalculationData& data, CalculationWarning::Kind kind, const ComponentResult& row) {
    return std::any_of(data.warnings.begin(), data.warnings.end(), [&](const CalculationWarning& warning) {
        return warning.kind == kind && EqualNoCase(warning.peakName, row.peakName);
    });
}

// Why no limit at all can be held against the calculation, or nothing.
std::wstring DoubtOfAll(const CalculationData& data, const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    if (std::none_of(assays.begin(), assays.end(), [](const Assay& assay) { return assay.isTicked != 0; }))
        return L"нет отмеченных хроматограмм";
    if (data.componentsSource != ComponentsSource::File || data.components.empty())
        return L"таблица компонентов не прочитана";
    if (Warned(data, Kind::SeveralSamples)) return L"отмечены хроматограммы разных проб";
    if (Warned(data, Kind::NoNamedPeaks))
        return L"отмечена хроматограмма без именованных пиков (не обработана)";
    if (Warned(data, Kind::NoStandardPeak))
        return L"в отмеченной хроматограмме нет пика внутреннего стандарта";
    if (Warned(data, Kind::PeakNameInSeveralRows))
        return L"пик назван в нескольких строках таблицы компонентов";
    if (Warned(data, Kind::StandardInSeveralRows))
        return L"под именем внутреннего стандарта несколько строк таблицы компонентов";
    return std::wstring();
}

// Why the mean of a row's parallel determinations cannot be taken: their spread is above the r a limit of
// the component gives. Empty when it can, or when no r is given.
std::wstring SpreadDoubt(const ComponentResult& row, const CalculationData& data) {
    if (!data.limits) return std::wstring();
    const std::optional<double> r = RepeatabilityLimit(data.limits->limits, row);
    if (!r || !RepeatabilityExceeded(row, *r)) return std::wstring();
    return L"расхождение параллельных определений выше r (" + FormatFixed(RoundTo4(row.delta), 4) + L" > " +
           FormatGeneral(*r, 15) + L")";
}

// Why a measured value cannot be held against the limit, or nothing when it can: a sum over
// incomplete data is no measurement, and a verdict on it would be a plausible wrong one.
std::wstring Doubt(const Limit& limit, const std::vector<const ComponentResult*>& rows,
                   const CalculationData& data, const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    if (std::wstring doubt = DoubtOfAll(data, assays); !doubt.empty()) return doubt;
    // Without the standard known, its own oxygen or volume would be counted as the sample's.
    if ((OfTotalOxygen(limit) || limit.others) && Warned(data, Kind::StandardNotFound))
        return L"внутренний стандарт не найден в таблице компонентов";
    if ((OfTotalOxygen(limit) || limit.others) && Warned(data, Kind::NoStandard))
        return L"внутренний стандарт не задан";
    const bool volume = limit.quantity == LimitQuantity::VolumePercent;
    if (volume && !data.sampleDensityGiven) return L"плотность пробы не задана";
    if (volume && !PlausibleSampleDensity(data.sampleDensity)) return L"плотность пробы неправдоподобна";
    for (const ComponentResult* row : rows) {
        if (volume && !IsUsableConstant(row->density))
            return L"у компонента «" + row->name + L"» нет плотности";
        if (OfTotalOxygen(limit) && !IsUsableConstant(row->molarMass) &&
            !EqualNoCase(row->name, data.standard))
            return L"у компонента «" + row->name + L"» нет молярной массы";
        if (OfTotalOxygen(limit) && row->oxygenAtoms < 1 && !EqualNoCase(row->name, data.standard))
            return L"у компонента «" + row->name + L"» не задано число атомов кислорода";
        if (WarnedOf(data, Kind::BadConcentration, *row))
            return L"у компонента «" + row->name + L"» недостоверная концентрация пика";
        if (WarnedOf(data, Kind::PartlyFound, *row))
            return L"компонент «" + row->name + L"» найден не во всех параллельных определениях";
        // The standard's spread decides no sum of the sample's own components.
        const bool ownComponent = limit.peakNames.size() == 1 || !EqualNoCase(row->name, data.standard);
        if (const std::wstring spread = SpreadDoubt(*row, data); !spread.empty() && ownComponent)
            return limit.peakNames.size() == 1 ? spread : L"у компонента «" + row->name + L"» " + spread;
    }
    return std::wstring();
}

Limit TotalOxygenLimit() {
    Limit limit;
    limit.name = L"общее содержание кислорода";
    return limit;
}

std::vector<std::wstring> UnknownPeakNames(const Limit& limit, const CalculationData& data) {
    std::vector<std::wstring> unknown;
    for (const std::wstring& name : limit.peakNames) {
        const bool known = std::any_of(data.components.begin(), data.components.end(),
                                       [&name](const Component& c) { return EqualNoCase(c.peakName, name); });
        if (!known) unknown.push_back(name);
    }
    return unknown;
}

}  // namespace

std::optional<LimitsFile> ParseLimitsFile(const std::wstring& path) {
    if (!FileExists(path)) return std::nullopt;
    LimitsFile file;
    file.path = path;
    CsvTable table;
    if (!table.ReadShared(path)) {
        file.errors.push_back(L"файл норм не открывается");
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
        std::wstring error;
        if (std::optional<Limit> limit = LimitOf(line, error)) {
            file.limits.push_back(std::move(*limit));
        } else {
            file.errors.push_back(L"строка " + std::to_wstring(row + 1) + L": " + error);
        }
    }
    if (file.limits.empty() && file.errors.empty()) file.errors.push_back(L"в файле нет ни одной нормы");
    return file;
}

std::optional<LimitsFile> ReadLimitsFile(const std::wstring& path) {
    std::optional<LimitsFile> file = ParseLimitsFile(path);
    if (!file) return file;
    const TableTracking tracking = TrackReferenceTable(path);
    file->version = tracking.version;
    file->changedOutside = tracking.changedOutside;
    file->logUnwritable = tracking.logUnwritable;
    file->logProblem = tracking.logProblem;
    return file;
}

std::vector<LimitVerdict> CheckLimits(const std::vector<Limit>& limits, const CalculationData& data,
                                      const std::vector<Assay>& assays) {
    std::vector<LimitVerdict> verdicts;
    for (const Limit& limit : limits) {
        LimitVerdict verdict;
        verdict.limit = limit;
        const std::vector<const ComponentResult*> rows = CountedRows(limit, limits, data);
        verdict.measured = RoundTo4(Measured(limit, rows, data));
        verdict.unknownPeakNames = UnknownPeakNames(limit, data);
        // A limit of the total oxygen doubts it as TotalOxygenDoubt does: by the same function.
        verdict.doubt = Doubt(limit, rows, data, assays);
        if (verdict.doubt.empty() && !verdict.unknownPeakNames.empty())
            verdict.doubt = L"компонент нормы не в таблице";
        using Outcome = LimitVerdict::Outcome;
        verdict.outcome = !verdict.doubt.empty()             ? Outcome::Undetermined
                          : verdict.measured > limit.maximum ? Outcome::Exceeds
                                                             : Outcome::Conforms;
        verdicts.push_back(std::move(verdict));
    }
    return verdicts;
}

std::wstring TotalOxygenDoubt(const CalculationData& data, const std::vector<Assay>& assays) {
    const Limit total = TotalOxygenLimit();
    const std::vector<Limit> none;
    return Doubt(total, CountedRows(total, data.limits ? data.limits->limits : none, data), data, assays);
}

std::optional<double> RepeatabilityLimit(const std::vector<Limit>& limits, const ComponentResult& result) {
    for (const Limit& limit : limits) {
        if (limit.repeatability && limit.peakNames.size() == 1 &&
            EqualNoCase(limit.peakNames[0], result.peakName))
            return limit.repeatability;
    }
    return std::nullopt;
}

bool RepeatabilityExceeded(const ComponentResult& result, double r) {
    return RoundTo4(result.delta) > r;
}
