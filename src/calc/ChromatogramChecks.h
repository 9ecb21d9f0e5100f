#pragma once

#include <vector>

#include "calc/CalculationWarning.h"
#include "data/Assay.h"

struct CalculationData;

// What the ticked chromatograms themselves say against a calculation's numbers: an analysis time that is
// no date, a chromatogram the host has not processed (no named peak), one without a peak of the internal
// standard (it is added to every sample), a component missing from some parallels while another shows it at
// 0.17 % by mass or more, a peak that gives no usable concentration (missing, negative or not finite), and
// a name given to more than one peak of a chromatogram. Only the peaks the calculation counts are looked
// at: the first of each component's name in each chromatogram (in the order of the list: by channel, then
// by time).
std::vector<CalculationWarning> CheckChromatograms(const CalculationData& data,
                                                   const std::vector<Assay>& assays);

// The chromatogram as warnings name it: its file's name without the folder, or its id when it has none.
std::wstring ChromatogramLabel(const Assay& assay);
