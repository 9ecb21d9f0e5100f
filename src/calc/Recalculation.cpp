#include "calc/Recalculation.h"

#include <utility>

#include "calc/CalculationChecks.h"
#include "calc/CalculationWarning.h"
#include "calc/Limits.h"
#include "calc/MethodScope.h"
#include "calc/OxygenateCalculator.h"
#include "calc/ResultTotals.h"
#include "calc/RoundTo4.h"
#include "tables/NameCompare.h"

namespace {

// What every output shows beside a row's numbers.
void FinishRow(ComponentResult& row, const CalculationData& data) {
    row.isStandard = EqualNoCase(row.name, data.settings.standard);
    row.scope = ResultScope(row, data.settings.standard);
    if (!data.limits) return;
    row.repeatabilityLimit = RepeatabilityLimit(data.limits->limits, row);
    row.repeatabilityExceeded = row.repeatabilityLimit && RepeatabilityExceeded(row, *row.repeatabilityLimit);
}

}  // namespace

CalculationData Recalculate(const CalculationSettings& settings, const ComponentsSnapshot& components,
                            const std::vector<Assay>& assays, const std::optional<LimitsFile>& limits) {
    CalculationData data;
    data.settings = settings;
    data.table = components;
    data.limits = limits;
    OxygenateResults arithmetic = CalculateOxygenates(settings, components.components, assays);
    data.results = std::move(arithmetic.results);
    data.totalOxygen = RoundTo4(arithmetic.totalOxygen);
    FinishCalculation(data, assays);
    return data;
}

void MarkResults(CalculationData& data) {
    data.standardFound = NamesAComponent(data.table.components, data.settings.standard);
    for (ComponentResult& row : data.results) FinishRow(row, data);
    data.sumsWithoutStandard = SumsWithoutStandard(data.results);
}

void FinishCalculation(CalculationData& data, const std::vector<Assay>& assays) {
    MarkResults(data);
    data.sums = SumOfResults(data.results);
    data.warnings = CheckCalculation(data, assays);
    data.totalOxygenDoubt = TotalOxygenDoubt(data, assays);
    data.totalOxygenScope =
        data.TotalOxygenDetermined() ? TotalOxygenScope(data.totalOxygen) : ScopeNote::Within;
    if (data.limits) data.verdicts = CheckLimits(data.limits->limits, data, assays, data.limits->rule);
}
