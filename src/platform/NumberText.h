#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Decimal text of doubles with the point as separator, whatever the process locale: the host's
// files carry points, and a Russian locale would otherwise read and write commas.

// A text without the blanks (spaces, tabs) around it, as fields typed by hand are taken.
std::wstring_view TrimBlanks(std::wstring_view text);

// The shortest text that reads back bit for bit: 17 significant digits, as "%.17g" prints them.
std::wstring FormatDouble17(double value);

// The number at the start of a text, read as strtod reads it in the "C" locale: leading blanks
// are skipped, reading stops at the first character that cannot belong to the number, and a text
// without a number gives 0.
double ParseDouble(std::wstring_view text);

// The number a whole text holds, blanks around it allowed (" 7.5e2 ", "-0.5"), as a settings field is
// read back; a decimal comma as Russian keyboards type it is taken for the point ("745,68"). Nothing
// when the text is empty, holds anything else, or gives no finite double.
std::optional<double> ReadWholeNumber(std::wstring_view text);

// The integer at the start of a text: leading blanks and a sign allowed, reading stops at the first
// non-digit; 0 when there are no digits. Values beyond int32 are clamped.
int32_t ReadInteger(std::wstring_view text);

// The number with a fixed count of decimals ("%.*f"), e.g. 789 with 2 gives "789.00".
std::wstring FormatFixed(double value, int precision);

// The shortest form with up to `precision` significant digits ("%.*g"), e.g. 750.0 with 15 gives "750".
std::wstring FormatGeneral(double value, int precision);
