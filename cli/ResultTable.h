#pragma once

#include <string>

#include "calc/CalculationData.h"

// The results as the result grid shows them (eight columns, the row "Всего") followed by the total
// organically bound oxygen, as plain text with aligned columns.
std::wstring ResultTableText(const CalculationData& data);
