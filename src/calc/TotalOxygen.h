#pragma once

#include <string>

#include "calc/CalculationData.h"
#include "messages/Language.h"

// The total organically bound oxygen as every output gives it: the number with four decimals while it is a
// result, otherwise "не определено" in the language (CalculationData::totalOxygenDoubt says why).
std::wstring TotalOxygenText(const CalculationData& data, Language language);

// Why the total is no result, with the arithmetic value marked as such ("…. Арифметическое значение
// 2.6507 % масс. — не результат"); empty for a result.
std::wstring TotalOxygenNote(const CalculationData& data, Language language);
