#include "records/NewDefaultTable.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "messages/Catalogue.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "tables/ComponentsTable.h"
#include "tables/NameCompare.h"
#include "tables/NotSet.h"

namespace {

bool SameValue(double a, double b) {
    return (IsNotSet(a) && IsNotSet(b)) || a == b;
}

// A value as the table shows it, with two decimals, or with as many as it has when two would hide them.
std::wstring ValueText(double value) {
    if (IsNotSet(value)) return L"—";
    const std::wstring fixed = FormatFixed(value, ComponentsTable::precision);
    return ParseDouble(fixed) == value ? fixed : FormatGeneral(value, 15);
}

std::wstring AtomsText(int32_t atoms) {
    return atoms >= 1 ? std::to_wstring(atoms) : L"—";
}

Message Field(MessageCode field, const std::wstring& ours, const std::wstring& theirs) {
    return Message(MessageCode::DefaultField, {Nested(field), ours, theirs});
}

std::vector<Message> FieldsThatDiffer(const Component& ours, const Component& theirs) {
    std::vector<Message> fields;
    if (!SameValue(ours.molarMass, theirs.molarMass))
        fields.push_back(
            Field(MessageCode::DefaultMolarMass, ValueText(ours.molarMass), ValueText(theirs.molarMass)));
    if (!SameValue(ours.density, theirs.density))
        fields.push_back(
            Field(MessageCode::DefaultDensity, ValueText(ours.density), ValueText(theirs.density)));
    if (ours.oxygenAtoms != theirs.oxygenAtoms)
        fields.push_back(Field(MessageCode::DefaultOxygenAtoms, AtomsText(ours.oxygenAtoms),
                               AtomsText(theirs.oxygenAtoms)));
    return fields;
}

}  // namespace

std::wstring DefaultTablePath(const std::wstring& tablePath) {
    std::filesystem::path path = ToFileSystemPath(tablePath);
    path.replace_extension(".default.csv");
    return FromFileSystemPath(path);
}

std::vector<Message> DescribeDefaultDifferences(const std::vector<Component>& table,
                                                const std::vector<Component>& defaults) {
    std::vector<Message> differences;
    for (const Component& ours : table) {
        // The first row of a peak name is the one the calculation finds.
        const auto theirs = std::find_if(defaults.begin(), defaults.end(), [&ours](const Component& row) {
            return EqualNoCase(row.peakName, ours.peakName);
        });
        if (ours.peakName.empty() || theirs == defaults.end()) continue;
        std::vector<Message> fields = FieldsThatDiffer(ours, *theirs);
        if (fields.empty()) continue;
        differences.push_back(
            Message(MessageCode::DefaultDiffers,
                    {ours.name.empty() ? ours.peakName : ours.name, Joined(std::move(fields), L", ")}));
    }
    return differences;
}

NewDefaultTable FindNewDefaultTable(const std::wstring& tablePath, const std::vector<Component>& components,
                                    TableVersion& version, const NewDefaultTable& last) {
    const std::wstring path = tablePath.empty() ? std::wstring() : DefaultTablePath(tablePath);
    if (path.empty() || path == tablePath || !FileExists(path)) return {};
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return {};
    ComponentsTable defaults;
    defaults.LoadBytes(*bytes);
    const std::vector<Message> differences = DescribeDefaultDifferences(components, defaults.components);
    if (differences.empty()) return {};
    const std::string sha = Sha256Hex(*bytes);
    const auto foundFor = [&sha, &version] { return sha + version.sha256 + version.logLastEntrySha256; };
    // A log of years is read whole to find this default's entry: not again while nothing changed.
    if (!last.foundFor.empty() && last.foundFor == foundFor()) {
        NewDefaultTable same = last;
        same.loggedNow = false;
        return same;
    }
    const std::wstring name = FromFileSystemPath(ToFileSystemPath(path).filename());
    // The change log is kept in Russian, as every entry of it.
    std::vector<std::wstring> logged;
    for (const Message& difference : differences) logged.push_back(Render(difference, Language::Russian));
    const DefaultTableLogging logging = LogNewDefaultTable(tablePath, name, sha, logged, version);
    NewDefaultTable found;
    if (logging.pending) found = {path, ListMessage(differences), logging.loggedNow, ""};
    found.foundFor = foundFor();
    return found;
}
