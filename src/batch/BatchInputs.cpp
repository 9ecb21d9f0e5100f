#include "batch/BatchInputs.h"

#include <optional>

#include "calc/CalculationChecks.h"
#include "calc/CalculationWarning.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "tables/CsvTable.h"

Densities ReadDensities(const std::wstring& path) {
    CsvTable table;
    table.ReadShared(path);
    Densities densities;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const CsvTable::Row& line = table.rows[row];
        if (line.empty() || (line.size() == 1 && line[0].empty())) continue;
        const std::wstring sample(TrimBlanks(line[0]));
        const std::wstring text = line.size() > 1 ? line[1] : std::wstring();
        const std::optional<double> density = ReadWholeNumber(text);
        // A first line is a header only when its density field holds no digit at all: "745.68 кг/м3"
        // is a density with a unit, to be told as such.
        if (!density && row == 0 && text.find_first_of(L"0123456789") == std::wstring::npos) continue;
        if (!density || !PlausibleSampleDensity(*density)) {
            densities.problems[sample] = Message(MessageCode::BatchDensityNotPetrol, {text});
            continue;
        }
        const auto known = densities.bySample.find(sample);
        if (known != densities.bySample.end() && known->second != *density) {
            densities.problems[sample] = MessageCode::BatchTwoDensities;
            densities.bySample.erase(known);
            continue;
        }
        if (densities.problems.count(sample) == 0) densities.bySample[sample] = *density;
    }
    return densities;
}

std::wstring BaseName(size_t number, const std::wstring& sample) {
    std::wstring name = std::to_wstring(number);
    name.insert(0, name.size() < 3 ? 3 - name.size() : 0, L'0');
    return name + L'-' + FileNamePart(sample);
}
