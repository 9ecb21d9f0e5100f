#pragma once

// The number rounded to four decimals, halves away from zero (0.00005 gives 0.0001).
double RoundTo4(double x);
