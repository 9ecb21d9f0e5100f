#include "tables/ComponentsTable.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/Codepage1251.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"
#include "tables/ComponentEntry.h"
#include "tables/CsvTable.h"
#include "tables/NotSet.h"

namespace {

enum Field : size_t { kId, kPeakName, kName, kMolarMass, kDensity, kOxygenAtoms };

// The caption of the optional sixth column.
const wchar_t kOxygenAtomsCaption[] = L"Атомов O";

// Written as the first line of a file that has none, so that readers skip it as a header.
CsvTable::Row HeaderRow(bool withOxygenAtoms) {
    CsvTable::Row row{L"№", L"Компонент", L"Имя компонента", L"Молярная масса", L"Плотность"};
    if (withOxygenAtoms) row.push_back(kOxygenAtomsCaption);
    return row;
}

// A missing field of a short row reads as empty.
std::wstring_view FieldOf(const CsvTable::Row& row, size_t field) {
    return field < row.size() ? std::wstring_view(row[field]) : std::wstring_view();
}

// A number field, its decimal separator a point or a comma ("740,5" is 740.5).
double NumberOf(std::wstring_view field) {
    std::wstring text(field);
    const size_t comma = text.find(L',');
    if (comma != std::wstring::npos && text.find(L'.') == std::wstring::npos) text[comma] = L'.';
    return ParseDouble(text);
}

bool IsComponentLine(const CsvTable::Row& row) {
    return ReadWholeNumber(FieldOf(row, kMolarMass)) && ReadWholeNumber(FieldOf(row, kDensity));
}

// The oxygen atoms field: empty or absent is 1; anything but a whole number from 1 on is 0, not usable.
int32_t OxygenAtomsOf(std::wstring_view field) {
    if (TrimBlanks(field).empty()) return 1;
    const std::optional<double> atoms = ReadWholeNumber(field);
    const bool whole =
        atoms && *atoms >= 1 && *atoms <= kMostOxygenAtoms && *atoms == static_cast<int32_t>(*atoms);
    return whole ? static_cast<int32_t>(*atoms) : 0;
}

Component ComponentOf(const CsvTable::Row& row) {
    Component component;
    component.id = ReadInteger(FieldOf(row, kId));
    component.peakName = FieldOf(row, kPeakName);
    component.name = FieldOf(row, kName);
    component.molarMass = NumberOf(FieldOf(row, kMolarMass));
    component.density = NumberOf(FieldOf(row, kDensity));
    component.oxygenAtoms = OxygenAtomsOf(FieldOf(row, kOxygenAtoms));
    return component;
}

// The id after this one; the largest id is followed by the smallest rather than by an overflow.
int32_t Following(int32_t id) {
    return static_cast<int32_t>(static_cast<uint32_t>(id) + 1u);
}

std::wstring NumberField(double value) {
    return IsNotSet(value) ? std::wstring() : FormatFixed(value, ComponentsTable::precision);
}

CsvTable::Row RowOf(const Component& component, bool withOxygenAtoms) {
    CsvTable::Row row{std::to_wstring(component.id), component.peakName, component.name,
                      NumberField(component.molarMass), NumberField(component.density)};
    if (withOxygenAtoms) row.push_back(std::to_wstring(component.oxygenAtoms));
    return row;
}

SaveResult Refusal(const Component& component, size_t position, size_t field) {
    const std::wstring& text = field == kPeakName ? component.peakName : component.name;
    return {SaveStatus::Unrepresentable, position,
            Message(MessageCode::TableNotRepresentable, {static_cast<int64_t>(position + 1), text})};
}

// The file has no quoting: a name with a separator or a line end would come back split into other
// fields, and the component would silently lose its numbers.
bool Storable(const std::wstring& text) {
    return text.find_first_of(L";\r\n") == std::wstring::npos;
}

std::optional<SaveResult> UnstorableName(const std::vector<Component>& components) {
    for (size_t position = 0; position < components.size(); ++position) {
        const Component& component = components[position];
        if (Storable(component.peakName) && Storable(component.name)) continue;
        const std::wstring& text = Storable(component.peakName) ? component.name : component.peakName;
        return SaveResult{SaveStatus::Unstorable, position,
                          Message(MessageCode::TableNotStorable, {static_cast<int64_t>(position + 1), text})};
    }
    return std::nullopt;
}

// The header a save writes first when the file's own line cannot be kept as it stands; the dialog's
// column captions when that line cannot be written in Windows-1251 either. A table with the oxygen
// atoms column gets its caption when the header lacks it.
CsvTable::Row RewrittenHeader(const std::optional<CsvTable::Row>& header, bool withOxygenAtoms) {
    if (!header) return HeaderRow(withOxygenAtoms);
    for (const std::wstring& field : *header) {
        if (!ToCodepage1251(field)) return HeaderRow(withOxygenAtoms);
    }
    CsvTable::Row row = *header;
    if (withOxygenAtoms && row.size() <= kOxygenAtoms) {
        row.resize(kOxygenAtoms);
        row.push_back(kOxygenAtomsCaption);
    }
    return row;
}

// Whether a component's oxygen atoms need the sixth column: a table of one-atom oxygenates keeps the
// five fields it always had.
bool NeedsOxygenAtoms(const Component& component) {
    return component.oxygenAtoms != 1;
}

std::optional<SaveResult> UnusableOxygenAtoms(const std::vector<Component>& components) {
    for (size_t position = 0; position < components.size(); ++position) {
        const Component& component = components[position];
        if (component.oxygenAtoms >= 1 && component.oxygenAtoms <= kMostOxygenAtoms) continue;
        return SaveResult{
            SaveStatus::Unstorable, position,
            Message(MessageCode::TableBadOxygenAtoms, {static_cast<int64_t>(position + 1), component.name,
                                                       static_cast<int64_t>(kMostOxygenAtoms)})};
    }
    return std::nullopt;
}

// Whether a file holds anything; a file that cannot be looked at counts as empty (its save fails anyway).
bool HasContent(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    return file && std::fgetc(file.get()) != EOF;
}

}  // namespace

bool ComponentsTable::Load() {
    CsvTable table;
    const bool read = table.Read(path);
    return TakeRows(table, read);
}

bool ComponentsTable::LoadReadOnly() {
    CsvTable table;
    const bool read = table.ReadShared(path);
    return TakeRows(table, read);
}

void ComponentsTable::LoadBytes(std::string_view bytes) {
    CsvTable table;
    table.ParseBytes(bytes);
    TakeRows(table, true);
}

bool ComponentsTable::TakeRows(const CsvTable& table, bool read) {
    components.clear();
    headerToRewrite.reset();
    headerMissing = false;
    hasOxygenAtoms = false;
    headerFields.clear();
    if (table.rows.empty()) {
        headerLength = -1;
        return read;
    }
    // A spreadsheet may export the rows without their header, or a lab may delete it: a first line whose
    // molar mass and density are numbers is a component, and the next save puts a header before it.
    headerMissing = IsComponentLine(table.rows[0]);
    hasOxygenAtoms = std::any_of(table.rows.begin(), table.rows.end(), [](const CsvTable::Row& row) {
        return !TrimBlanks(FieldOf(row, kOxygenAtoms)).empty();
    });
    if (headerMissing) {
        headerLength = 0;
        headerToRewrite = HeaderRow(hasOxygenAtoms);
    } else {
        headerFields = table.rows[0];
        headerLength = table.LineLength(static_cast<int32_t>(table.rows[0].size()) - 1);
        if (table.firstLineBytes != headerLength) headerToRewrite = table.rows[0];
    }
    const auto first = table.rows.begin() + (headerMissing ? 0 : 1);
    components.reserve(static_cast<size_t>(table.rows.end() - first));
    std::transform(first, table.rows.end(), std::back_inserter(components), ComponentOf);
    // The last row's id, not the largest: the file's order decides.
    if (!components.empty()) nextId = Following(components.back().id);
    return read;
}

SaveResult ComponentsTable::Save() const {
    if (std::optional<SaveResult> refusal = UnstorableName(components)) return *refusal;
    if (std::optional<SaveResult> refusal = UnusableOxygenAtoms(components)) return *refusal;
    CsvTable table;
    // A load that could not open the file (held by another program) left the table empty: writing
    // it over the file now would lose every row the user never saw.
    if (headerLength < 0 && HasContent(path)) {
        return {SaveStatus::NotLoaded, 0, Message(MessageCode::TableNotLoaded, {path})};
    }
    const bool withOxygenAtoms =
        hasOxygenAtoms || std::any_of(components.begin(), components.end(), NeedsOxygenAtoms);
    // The caption of a new column goes into the header, which is then written anew.
    const bool headerGainsColumn =
        withOxygenAtoms && !hasOxygenAtoms && headerLength >= 0 && !headerToRewrite.has_value();
    const bool withHeader = headerLength < 0 || headerToRewrite.has_value() || headerGainsColumn;
    if (withHeader) {
        const std::optional<CsvTable::Row> kept =
            headerGainsColumn ? std::optional<CsvTable::Row>(headerFields) : headerToRewrite;
        table.rows.push_back(RewrittenHeader(kept, withOxygenAtoms));
    }
    for (const Component& component : components) table.rows.push_back(RowOf(component, withOxygenAtoms));
    const CsvWriteResult result = table.Write(path, withHeader ? 0 : headerLength);
    switch (result.status) {
        case CsvWriteStatus::Written:
            return {SaveStatus::Saved, 0, Message()};
        case CsvWriteStatus::NoPath:
            return {SaveStatus::NoPath, 0, Message()};
        case CsvWriteStatus::Unrepresentable: {
            const size_t position = result.row - (withHeader ? 1 : 0);
            return Refusal(components[position], position, result.field);
        }
        case CsvWriteStatus::ReadsAsUtf8:
            return {SaveStatus::ReadsAsUtf8, 0, Message(MessageCode::TableReadsAsUtf8)};
        case CsvWriteStatus::OpenFailed:
            return {SaveStatus::OpenFailed, 0, Message(MessageCode::TableOpenFailed, {path})};
        case CsvWriteStatus::WriteFailed:
            break;
    }
    return {SaveStatus::WriteFailed, 0, Message(MessageCode::TableWriteFailed, {path})};
}

void ComponentsTable::AddComponent() {
    components.push_back({nextId, kNewComponentPeakName, kNewComponentName, 0.0, 0.0});
    nextId = Following(nextId);
}

void ComponentsTable::RemoveComponent(int32_t id) {
    const auto found = std::find_if(components.begin(), components.end(),
                                    [id](const Component& component) { return component.id == id; });
    if (found != components.end()) components.erase(found);
}
