#include "calc/Recalculation.h"

#include "calc/CalculationWarning.h"
#include "calc/Limits.h"
#include "calc/OxygenateCalculator.h"
#include "calc/ResultTotals.h"
#include "calc/RoundTo4.h"

CalculationData Recalculate(const CalculationSettings& settings, const ComponentsSnapshot& components,
                            const std::vector<Assay>& assays, const std::optional<LimitsFile>& limits) {
    CalculationData data;
    data.standard = settings.standard;
    data.sampleDensity = settings.sampleDensity;
    data.sampleDensityGiven = settings.sampleDensityGiven;
    data.components = components.components;
    data.componentsSource = components.source;
    data.componentsPath = components.path;
    data.componentsHeaderMissing = components.headerMissing;
    data.componentsVersion = components.version;
    data.componentsChangedOutside = components.changedOutside;
    data.componentsLogUnwritable = components.logUnwritable;
    data.componentsLogProblem = components.logProblem;
    data.componentsNewDefault = components.newDefault;
    OxygenateCalculator calculator;
    calculator.data = &data;
    calculator.assays = &assays;
    calculator.Calculate();
    data.totalOxygen = RoundTo4(data.totalOxygen);
    data.sums = SumOfResults(data.results);
    data.limits = limits;
    data.warnings = CheckCalculation(data, assays);
    data.totalOxygenDoubt = TotalOxygenDoubt(data, assays);
    if (limits) data.verdicts = CheckLimits(limits->limits, data, assays);
    return data;
}
