#include "calc/RoundTo4.h"

#include <cmath>

double RoundTo4(double x) {
    constexpr double kScale = 10000.0;
    return std::round(x * kScale) / kScale;
}
