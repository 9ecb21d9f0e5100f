#pragma once

#include <vector>

// The widths of a table's columns that fill `available` pixels: each column gets what its texts need,
// and the room left over is shared in proportion to the columns' weights (their widths as designed);
// the last column takes what rounding leaves. When the needs alone take more than `available`, the
// widest columns are cut to one width so that every column is in sight (their texts end in "…"); only
// when that width would be below kLeastCutWidth are the needs the widths, and the table scrolls sideways.
constexpr int kLeastCutWidth = 60;

std::vector<int> FitColumnWidths(const std::vector<int>& needs, const std::vector<int>& weights,
                                 int available);
