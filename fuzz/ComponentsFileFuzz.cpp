// Any bytes as a components file: reading never fails; a save either refuses and leaves the file as it
// was, or writes a file that reads back to the same components (numbers with their two decimals).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ScratchFile.h"
#include "platform/NumberText.h"
#include "tables/ComponentsTable.h"
#include "tables/NotSet.h"

namespace {

// What a number field holds after a save: two decimals; NotSet is an empty field, which reads as 0.
double Saved(double value) {
    return IsNotSet(value) ? 0.0 : ParseDouble(FormatFixed(value, ComponentsTable::precision));
}

bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

void CheckSame(const std::vector<Component>& saved, const std::vector<Component>& again) {
    if (again.size() != saved.size()) std::abort();
    for (size_t i = 0; i < saved.size(); ++i) {
        if (again[i].id != saved[i].id || again[i].peakName != saved[i].peakName ||
            again[i].name != saved[i].name || !SameNumber(again[i].molarMass, Saved(saved[i].molarMass)) ||
            !SameNumber(again[i].density, Saved(saved[i].density))) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring path = ScratchFile("-components.csv");
    WriteBytes(path, data, size);
    ComponentsTable table;
    table.path = path;
    if (!table.Load()) std::abort();
    const std::string before = ReadBytes(path);
    const SaveResult result = table.Save();
    if (result.status != SaveStatus::Saved) {
        if (ReadBytes(path) != before) std::abort();
        return 0;
    }
    ComponentsTable again;
    again.path = path;
    if (!again.Load()) std::abort();
    CheckSame(table.components, again.components);
    return 0;
}
