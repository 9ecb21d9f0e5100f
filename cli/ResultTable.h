#pragma once

#include <string>

#include <vector>

#include "calc/CalculationData.h"
#include "calc/Limits.h"

// The results as the result grid shows them (eight columns, the row "Всего") followed by the total
// organically bound oxygen ("не определено", why, and the arithmetic value marked as such while it is no
// result), as plain text with aligned columns, in the language.
std::wstring ResultTableText(const CalculationData& data, Language language);

// The limits' verdicts, one line each: name, measured value, maximum, verdict.
std::wstring VerdictTableText(const std::vector<LimitVerdict>& verdicts, const Message& ruleNotice,
                              Language language);
