#pragma once

#include <string>

#include "calc/CalculationData.h"
#include "calc/MethodScope.h"

// The total organically bound oxygen as every output gives it: the number with four decimals while it is a
// result, otherwise "не определено" (CalculationData::totalOxygenDoubt says why).
std::wstring TotalOxygenText(const CalculationData& data);

// Why the total is no result, with the arithmetic value marked as such ("…. Арифметическое значение
// 2.6507 % масс. — не результат"); empty for a result.
std::wstring TotalOxygenNote(const CalculationData& data);

// The total's place in the method's range; Within while it is no result: the range says nothing of it.
ScopeNote TotalOxygenScopeOf(const CalculationData& data);
