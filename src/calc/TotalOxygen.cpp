#include "calc/TotalOxygen.h"

#include "platform/NumberText.h"

std::wstring TotalOxygenText(const CalculationData& data) {
    return data.TotalOxygenDetermined() ? FormatFixed(data.totalOxygen, 4) : L"не определено";
}

std::wstring TotalOxygenNote(const CalculationData& data) {
    if (data.TotalOxygenDetermined()) return std::wstring();
    return data.totalOxygenDoubt + L". Арифметическое значение " + FormatFixed(data.totalOxygen, 4) +
           L" % масс. — не результат";
}

ScopeNote TotalOxygenScopeOf(const CalculationData& data) {
    return data.TotalOxygenDetermined() ? TotalOxygenScope(data.totalOxygen) : ScopeNote::Within;
}
