#include "calc/Limits.h"

#include <cmath>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "calc/CalculationChecks.h"
#include "calc/RoundTo4.h"
#include "platform/NumberText.h"
#include "tables/NameCompare.h"

namespace {

bool Lists(const std::vector<std::wstring>& names, const std::wstring& peakName) {
    return std::any_of(names.begin(), names.end(),
                       [&peakName](const std::wstring& name) { return EqualNoCase(name, peakName); });
}

std::wstring Folded(const std::wstring& name) {
    std::wstring folded = name;
    for (wchar_t& c : folded) c = FoldCase(c);
    return folded;
}

// What every limit looks up in all the limits, gathered once: a file of many lines is held against the
// calculation in time that grows with its lines, not with their square.
struct LimitsIndex {
    LimitsIndex(const std::vector<Limit>& limits, const CalculationData& data) {
        for (const Limit& limit : limits) {
            for (const std::wstring& name : limit.peakNames) named.insert(Folded(name));
        }
        for (const Component& component : data.components) tablePeakNames.insert(Folded(component.peakName));
        if (!data.limits) return;
        // As RepeatabilityLimit finds it: the first one-component limit of the name that gives an r.
        for (const Limit& limit : data.limits->limits) {
            if (limit.repeatability && limit.peakNames.size() == 1)
                repeatability.emplace(Folded(limit.peakNames[0]), *limit.repeatability);
        }
    }

    std::unordered_set<std::wstring> named;                  // every peak name the limits sum
    std::unordered_set<std::wstring> tablePeakNames;         // of the components table
    std::unordered_map<std::wstring, double> repeatability;  // r of the limits file, by peak name
};

double Value(const ComponentResult& result, LimitQuantity quantity) {
    return quantity == LimitQuantity::MassPercent ? result.massPercent : result.volumePercent;
}

bool OfTotalOxygen(const Limit& limit) {
    return limit.peakNames.empty() && !limit.others;
}

// The result rows a limit sums; for the total oxygen, every row (the standard's contributes nothing).
std::vector<const ComponentResult*> CountedRows(const Limit& limit, const LimitsIndex& index,
                                                const CalculationData& data) {
    std::vector<const ComponentResult*> rows;
    for (const ComponentResult& result : data.results) {
        const bool counted = OfTotalOxygen(limit) ? true
                             : limit.others       ? index.named.count(Folded(result.peakName)) == 0 &&
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
Message DoubtOfAll(const CalculationData& data, const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    if (!AnyTicked(assays)) return MessageCode::DoubtNothingTicked;
    if (data.componentsFile.source != ComponentsSource::File || data.components.empty())
        return MessageCode::DoubtTableNotRead;
    if (Warned(data, Kind::SeveralSamples)) return MessageCode::DoubtSeveralSamples;
    if (Warned(data, Kind::NoNamedPeaks)) return MessageCode::DoubtUnprocessed;
    if (Warned(data, Kind::NoStandardPeak)) return MessageCode::DoubtNoStandardPeak;
    if (Warned(data, Kind::StaleChromatograms)) return MessageCode::DoubtStaleChromatograms;
    if (Warned(data, Kind::PeakNameInSeveralRows)) return MessageCode::DoubtPeakInSeveralRows;
    if (Warned(data, Kind::StandardInSeveralRows)) return MessageCode::DoubtStandardInSeveralRows;
    return {};
}

// Why the mean of a row's parallel determinations cannot be taken: their spread is above the r a limit of
// the component gives. Empty when it can, or when no r is given.
Message SpreadDoubt(const ComponentResult& row, const LimitsIndex& index) {
    const auto r = index.repeatability.find(Folded(row.peakName));
    if (r == index.repeatability.end() || !RepeatabilityExceeded(row, r->second)) return {};
    return {MessageCode::DoubtSpread, {Decimal(RoundTo4(row.delta), 4), General(r->second)}};
}

// Whether the limit counts the component whose peak a warning is about: the total oxygen counts every one.
bool Counts(const Limit& limit, const CalculationWarning& warning, const LimitsIndex& index,
            const CalculationData& data) {
    if (OfTotalOxygen(limit)) return true;
    if (limit.others)
        return index.named.count(Folded(warning.peakName)) == 0 &&
               !EqualNoCase(warning.subject, data.standard);
    const std::wstring key = LooseNameKey(warning.peakName);
    return std::any_of(limit.peakNames.begin(), limit.peakNames.end(),
                       [&key](const std::wstring& name) { return LooseNameKey(name) == key; });
}

// Why a component the limit counts has no result that can be trusted, though its row may be missing
// altogether: its peak is named in a chromatogram but for blanks or control characters as in the table.
Message MistypedDoubt(const Limit& limit, const LimitsIndex& index, const CalculationData& data) {
    for (const CalculationWarning& warning : data.warnings) {
        if (warning.kind == CalculationWarning::Kind::PeakNameMistyped && Counts(limit, warning, index, data))
            return {MessageCode::DoubtPeakNameMistyped, {warning.subject}};
    }
    return {};
}

// Why a measured value cannot be held against the limit, or nothing when it can: a sum over
// incomplete data is no measurement, and a verdict on it would be a plausible wrong one.
Message Doubt(const Limit& limit, const std::vector<const ComponentResult*>& rows, const LimitsIndex& index,
              const CalculationData& data, const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    if (Message doubt = DoubtOfAll(data, assays); !doubt.Empty()) return doubt;
    if (Message doubt = MistypedDoubt(limit, index, data); !doubt.Empty()) return doubt;
    // Without the standard known, its own oxygen or volume would be counted as the sample's.
    if ((OfTotalOxygen(limit) || limit.others) && Warned(data, Kind::StandardNotFound))
        return MessageCode::DoubtStandardNotFound;
    if ((OfTotalOxygen(limit) || limit.others) && Warned(data, Kind::NoStandard))
        return MessageCode::DoubtNoStandard;
    const bool volume = limit.quantity == LimitQuantity::VolumePercent;
    if (volume && !data.sampleDensityGiven) return MessageCode::DoubtNoSampleDensity;
    if (volume && !PlausibleSampleDensity(data.sampleDensity)) return MessageCode::DoubtImplausibleDensity;
    for (const ComponentResult* row : rows) {
        if (volume && !IsUsableConstant(row->density)) return {MessageCode::DoubtNoDensity, {row->name}};
        if (OfTotalOxygen(limit) && !IsUsableConstant(row->molarMass) && !row->isStandard)
            return {MessageCode::DoubtNoMolarMass, {row->name}};
        if (OfTotalOxygen(limit) && row->oxygenAtoms < 1 && !row->isStandard)
            return {MessageCode::DoubtNoOxygenAtoms, {row->name}};
        if (WarnedOf(data, Kind::BadConcentration, *row))
            return {MessageCode::DoubtBadConcentration, {row->name}};
        if (WarnedOf(data, Kind::PartlyFound, *row)) return {MessageCode::DoubtPartlyFound, {row->name}};
        // The standard's spread decides no sum of the sample's own components.
        const bool ownComponent = limit.peakNames.size() == 1 || !row->isStandard;
        if (Message spread = SpreadDoubt(*row, index); !spread.Empty() && ownComponent)
            return limit.peakNames.size() == 1
                       ? spread
                       : Message(MessageCode::DoubtOfComponent, {row->name, Nested(spread)});
    }
    return {};
}

Limit TotalOxygenLimit() {
    Limit limit;
    limit.name = L"total_oxygen";
    return limit;
}

std::vector<std::wstring> UnknownPeakNames(const Limit& limit, const LimitsIndex& index) {
    std::vector<std::wstring> unknown;
    for (const std::wstring& name : limit.peakNames) {
        if (index.tablePeakNames.count(Folded(name)) == 0) unknown.push_back(name);
    }
    return unknown;
}

}  // namespace

void Decide(LimitVerdict& verdict, DecisionRule rule) {
    using Outcome = LimitVerdict::Outcome;
    const double x = verdict.measured;
    const double limit = verdict.limit.maximum;
    if (!verdict.doubt.Empty()) {
        verdict.outcome = Outcome::Undetermined;
        return;
    }
    if (rule == DecisionRule::Simple) {
        verdict.outcome = x > limit ? Outcome::Exceeds : Outcome::Conforms;
        return;
    }
    if (!verdict.limit.reproducibility) {
        verdict.doubt = MessageCode::DoubtNoReproducibility;
        verdict.outcome = Outcome::Undetermined;
        return;
    }
    // R and the guard band are rounded to four decimals as the page shows them, the zone's edges are the
    // limit ± the printed w, rounded so too, and the result is held against them: a reader who redoes the
    // comparison from the printed figures gets the printed verdict. Floating point throughout, so that no
    // value a limits file may give overflows.
    constexpr double kGuardFactor = 0.59;
    const double r = RoundTo4(verdict.limit.reproducibility->At(x));
    const double w = RoundTo4(kGuardFactor * verdict.limit.reproducibility->At(x));
    const double measured = RoundTo4(x);
    const double upper = RoundTo4(limit + w);
    const double lower = RoundTo4(limit - w);
    verdict.reproducibility = r;
    verdict.guardBand = w;
    // The largest result that plainly conforms.
    verdict.acceptanceLimit = rule == DecisionRule::Iso4259 ? upper : lower;
    if (measured > upper) {
        verdict.outcome = Outcome::Exceeds;
    } else if (rule == DecisionRule::Iso4259 || measured <= lower) {
        verdict.outcome = Outcome::Conforms;
    } else {
        verdict.outcome = measured <= limit ? Outcome::ConditionallyConforms : Outcome::ConditionallyExceeds;
    }
}

std::vector<LimitVerdict> CheckLimits(const std::vector<Limit>& limits, const CalculationData& data,
                                      const std::vector<Assay>& assays, std::optional<DecisionRule> rule) {
    std::vector<LimitVerdict> verdicts;
    const LimitsIndex index(limits, data);
    for (const Limit& limit : limits) {
        LimitVerdict verdict;
        verdict.limit = limit;
        const std::vector<const ComponentResult*> rows = CountedRows(limit, index, data);
        verdict.measured = RoundTo4(Measured(limit, rows, data));
        verdict.unknownPeakNames = UnknownPeakNames(limit, index);
        // A limit of the total oxygen doubts it as TotalOxygenDoubt does: by the same function.
        verdict.doubt = Doubt(limit, rows, index, data, assays);
        if (verdict.doubt.Empty() && !verdict.unknownPeakNames.empty())
            verdict.doubt = MessageCode::DoubtUnknownPeakName;
        if (verdict.doubt.Empty() && !rule) verdict.doubt = MessageCode::DoubtUnknownRule;
        Decide(verdict, rule.value_or(DecisionRule::Simple));
        verdicts.push_back(std::move(verdict));
    }
    return verdicts;
}

Message TotalOxygenDoubt(const CalculationData& data, const std::vector<Assay>& assays) {
    const Limit total = TotalOxygenLimit();
    const LimitsIndex index(data.limits ? data.limits->limits : std::vector<Limit>(), data);
    return Doubt(total, CountedRows(total, index, data), index, data, assays);
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

namespace {

// How each rule is stated in a report, named where a lab looks first, and keyed for programs. The last
// row stands for a rule the limits file names but this program does not know.
struct RuleWords {
    std::optional<DecisionRule> rule;
    MessageCode statement;
    std::optional<MessageCode> notice;
    const char* key;
};

constexpr RuleWords kRuleWords[] = {
    {DecisionRule::Simple, MessageCode::DecisionRuleSimple, std::nullopt, "simple"},
    {DecisionRule::Iso4259, MessageCode::DecisionRuleIso4259, MessageCode::DecisionRuleNoticeIso4259,
     "iso_4259_2"},
    {DecisionRule::IlacG8, MessageCode::DecisionRuleIlacG8, MessageCode::DecisionRuleNoticeIlacG8, "ilac_g8"},
    {std::nullopt, MessageCode::DecisionRuleUnknown, MessageCode::DecisionRuleNoticeUnknown, "unknown"},
};

// Without a limits file the rule is simple acceptance.
const RuleWords& WordsOf(const std::optional<LimitsFile>& limits) {
    const std::optional<DecisionRule> rule = limits ? limits->rule : DecisionRule::Simple;
    for (const RuleWords& words : kRuleWords) {
        if (words.rule == rule) return words;
    }
    return kRuleWords[0];
}

}  // namespace

Message DecisionRuleStatement(const std::optional<LimitsFile>& limits) {
    return WordsOf(limits).statement;
}

Message DecisionRuleNotice(const std::optional<LimitsFile>& limits) {
    const std::optional<MessageCode> notice = WordsOf(limits).notice;
    return notice ? Message(*notice) : Message();
}

const char* DecisionRuleKey(const std::optional<LimitsFile>& limits) {
    return WordsOf(limits).key;
}
