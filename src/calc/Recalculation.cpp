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
    row.isStandard = EqualNoCase(row.name, data.standard);
    row.scope = ResultScope(row, data.standard);
    if (!data.limits) return;
    row.repeatabilityLimit = RepeatabilityLimit(data.limits->limits, row);
    row.repeatabilityExceeded = row.repeatabilityLimit && RepeatabilityExceeded(row, *row.repeatabilityLimit);
}

}  // namespace

CalculationData Recalculate(const CalculationSettings& settings, const ComponentsSnapshot& components,
                            const std::vector<Assay>& assays, const std::optional<LimitsFile>& limits) {
    CalculationData data;
    data.standard = settings.standard;
    data.sampleDensity = settings.sampleDensity;
    data.sampleDensityGiven = settings.sampleDensityGiven;
    data.components = components.components;
    data.componentsFile = components;  // what the read found besides the rows
    data.limits = limits;
    OxygenateCalculator calculator;
    calculator.data = &data;
    calculator.assays = &assays;
    calculator.Calculate();
    data.totalOxygen = RoundTo4(data.totalOxygen);
    FinishCalculation(data, assays);
    return data;
}

void MarkResults(CalculationData& data) {
    data.standardFound = NamesAComponent(data.components, data.standard);
    for (ComponentResult& row : data.results) FinishRow(row, data);
    data.sumsWithoutStandard = SumsWithoutStandard(data.results);
}

namespace {

// Everything that rests on the warnings.
void Decide(CalculationData& data, const std::vector<Assay>& assays) {
    data.totalOxygenDoubt = TotalOxygenDoubt(data, assays);
    data.totalOxygenScope =
        data.TotalOxygenDetermined() ? TotalOxygenScope(data.totalOxygen) : ScopeNote::Within;
    if (data.limits) data.verdicts = CheckLimits(data.limits->limits, data, assays, data.limits->rule);
}

}  // namespace

void FinishCalculation(CalculationData& data, const std::vector<Assay>& assays) {
    MarkResults(data);
    data.SetSums(SumOfResults(data.results));
    data.warnings = CheckCalculation(data, assays);
    Decide(data, assays);
}

void AddWarning(CalculationData& data, CalculationWarning warning, const std::vector<Assay>& assays) {
    data.warnings.push_back(std::move(warning));
    Decide(data, assays);
}
