#pragma once

#include <limits>

// Marks a number that has no value: the lowest finite double (bit pattern 0xFFEFFFFFFFFFFFFF).
// The components dialog shows it as "---"; the components file stores it as an empty field.
constexpr double NotSet = std::numeric_limits<double>::lowest();

// Whether a number counts as not set: the marker itself, anything below it, or NaN.
constexpr bool IsNotSet(double value) {
    return !(value > NotSet);
}
