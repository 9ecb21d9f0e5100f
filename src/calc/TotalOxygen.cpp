#include "calc/TotalOxygen.h"

#include "messages/Catalogue.h"
#include "platform/NumberText.h"

std::wstring TotalOxygenText(const CalculationData& data, Language language) {
    return data.TotalOxygenDetermined() ? FormatFixed(data.totalOxygen, 4)
                                        : Render(MessageCode::TotalUndetermined, language);
}

std::wstring TotalOxygenNote(const CalculationData& data, Language language) {
    if (data.TotalOxygenDetermined()) return std::wstring();
    return Render(
        {MessageCode::TotalNoResultNote, {Nested(data.totalOxygenDoubt), Decimal(data.totalOxygen, 4)}},
        language);
}
