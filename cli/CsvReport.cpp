#include "CsvReport.h"

#include <cmath>
#include <initializer_list>

#include "calc/MethodScope.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"

namespace {

std::wstring Field(const std::wstring& text) {
    if (text.find_first_of(L";\"\r\n") == std::wstring::npos) return text;
    std::wstring quoted = L"\"";
    for (const wchar_t c : text) quoted += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
    return quoted + L"\"";
}

std::wstring Line(std::initializer_list<std::wstring> fields) {
    std::wstring line;
    bool first = true;
    for (const std::wstring& field : fields) {
        line += (first ? L"" : L";") + Field(field);
        first = false;
    }
    return line + L"\r\n";
}

// A value that is no finite number (a host's infinite concentration) is left empty, not "inf".
std::wstring Number(double value) {
    return std::isfinite(value) ? FormatFixed(value, 4) : std::wstring();
}

}  // namespace

std::string ResultsCsv(const CalculationData& data) {
    std::wstring text =
        Line({L"№", L"Компонент", L"Пик", L"Атомов O", L"Масса, г", L"% масс.", L"Дельта, % масс.",
              L"Объём, см³", L"% об.", L"Кислород, % масс.",
              L"Примечание (область метода: 0,17–15 % масс. компонента, кислород до 3,7 % масс.)"});
    int number = 0;
    for (const ComponentResult& r : data.results) {
        text +=
            Line({std::to_wstring(++number), r.name, r.peakName, std::to_wstring(r.oxygenAtoms),
                  Number(r.mass), Number(r.massPercent), Number(r.delta), Number(r.volume),
                  Number(r.volumePercent), Number(r.oxygen), ScopeNoteText(ResultScope(r, data.standard))});
    }
    text += Line({L"", L"Всего", L"", L"", Number(data.sumMass), Number(data.sumMassPercent),
                  Number(data.sumDelta), Number(data.sumVolume), Number(data.sumVolumePercent),
                  Number(data.sumOxygen), L""});
    text += Line({L"", L"Общее содержание органически связанного кислорода, % масс.", L"", L"", L"", L"", L"",
                  L"", L"", Number(data.totalOxygen), ScopeNoteText(TotalOxygenScope(data.totalOxygen))});
    return "\xEF\xBB\xBF" + ToUtf8(text);
}
