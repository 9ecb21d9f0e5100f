#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/BatchIndex.h"
#include "batch/BatchInputs.h"
#include "batch/BatchSeries.h"
#include "calc/CalculationData.h"
#include "calc/LimitVerdict.h"
#include "data/Assay.h"
#include "data/DbHandle.h"
#include "records/ComponentsSnapshot.h"

class UserMessages;

// What every series of a run is calculated with, read once.
struct SeriesInputs {
    ComponentsSnapshot components;
    std::optional<LimitsFile> limits;
    Densities densities;
    std::wstring standard;
    std::optional<int64_t> to;  // the end of the run's dates, to count analyses after it
};

// A series loaded and calculated, nothing written yet.
struct CalculatedSeries {
    IndexRow row;  // its row of the index; `reason` says why it was not calculated
    std::vector<Assay> assays;
    std::optional<CalculationData> data;  // none when not calculated
};

// Loads the series' chromatograms (what loading tells goes to `messages` and into the row's notes),
// ticks those with a usable sample mass and calculates them with the sample's density; a series
// without a density or a ticked chromatogram gets its reason instead.
CalculatedSeries CalculateSeries(const Series& series, const SeriesInputs& inputs, DataBase::DbHandle& db,
                                 UserMessages& messages);
