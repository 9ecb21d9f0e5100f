#pragma once

#include "qc/QcChart.h"

// Fixed control charts: a check standard's MTBE against 5.00 ± 0.15 over nine days, its limits from ten
// earlier results (one result beyond its limit and tolerance, one whose basis is undetermined, one not
// calculated) and a total oxygen with a single result, hence no limits; Cyrillic and XML's special characters
// in the texts.
QcCharts SampleQcCharts();
