#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers in the text of the components file and its dialog, always with "." as the decimal
// separator whatever the locale of the process.

// The integer at the start of a text: leading blanks and a sign allowed, reading stops at the first
// non-digit; 0 when there are no digits. Values beyond int32 are clamped.
int32_t ReadInteger(std::wstring_view text);

// The decimal number at the start of a text: leading blanks and a sign allowed, reading stops at the
// first character that does not fit; 0 when there is no number.
double ReadDecimal(std::wstring_view text);

// The number with a fixed count of decimals ("%.*f"), e.g. 789 with 2 gives "789.00".
std::wstring FormatFixed(double value, int precision);
