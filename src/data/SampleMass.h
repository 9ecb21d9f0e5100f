#pragma once

#include <optional>
#include <string_view>

// The sample mass in grams that a chromatogram's passport gives as text: the whole text must be one
// positive finite number, with a point or a comma as the decimal separator ("12.5" and "12,5" are
// 12.5); blanks around it are allowed. Anything else ("", "abc", "12abc", "0", "-3", "nan", "inf")
// gives nothing: such a mass must never reach a calculation.
std::optional<double> ReadSampleMass(std::wstring_view text);
