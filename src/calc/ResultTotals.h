#pragma once

#include <vector>

#include "calc/ComponentResult.h"
#include "calc/ResultSums.h"

// The plain sums of every result row's columns, added in row order (the order decides the last bits);
// 0 when there are no results.
ResultSums SumOfResults(const std::vector<ComponentResult>& results);

// The sums over the sample's own components: every result row but the internal standard's, which
// the analyst added to the sample.
ResultSums SumsWithoutStandard(const std::vector<ComponentResult>& results);
