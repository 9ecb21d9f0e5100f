#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/CalculationSettings.h"
#include "calc/LimitVerdict.h"
#include "data/Assay.h"
#include "records/ComponentsSnapshot.h"

// The one road from chromatograms to results, for the dialog, every report, every batch and every check
// of a report: calculates the ticked chromatograms of `assays` with the components, rounds the total
// organically bound oxygen to four decimals, marks each row (the standard's, its r and spread, its place in
// the method's range), sums the result columns with and without the standard, names what a lab must know
// about the results, decides whether the total is a result, and holds them against the limits, when a
// limits file is given. What it returns is finished: outputs only write it.
CalculationData Recalculate(const CalculationSettings& settings, const ComponentsSnapshot& components,
                            const std::vector<Assay>& assays, const std::optional<LimitsFile>& limits);

// The marks of a calculation's rows (the standard's, r and its spread, the method's range) and its sums
// without the standard, from its settings, table, limits and results.
void MarkResults(CalculationData& data);

// Everything Recalculate decides after the arithmetic, for a calculation whose settings, table, limits,
// results and rounded total are set: the rows' marks, the sums, the warnings, whether the total is a
// result and the verdicts.
void FinishCalculation(CalculationData& data, const std::vector<Assay>& assays);

// Adds a warning that only the caller knows of (ticks kept while their files are away, chromatogram files
// changed since loading) and decides again what rests on the warnings: whether the total is a result, and
// the verdicts.
void AddWarning(CalculationData& data, CalculationWarning warning, const std::vector<Assay>& assays);
