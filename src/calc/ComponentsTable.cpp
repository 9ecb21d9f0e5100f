#include "calc/ComponentsTable.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "calc/ComponentEntry.h"
#include "calc/CsvTable.h"
#include "calc/NotSet.h"
#include "platform/Codepage1251.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"

namespace {

enum Field : size_t { kId, kPeakName, kName, kMolarMass, kDensity };

// Written as the first line of a file that has none, so that readers skip it as a header.
CsvTable::Row HeaderRow() {
    return {L"№", L"Компонент", L"Имя компонента", L"Молярная масса", L"Плотность"};
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

Component ComponentOf(const CsvTable::Row& row) {
    Component component;
    component.id = ReadInteger(FieldOf(row, kId));
    component.peakName = FieldOf(row, kPeakName);
    component.name = FieldOf(row, kName);
    component.molarMass = NumberOf(FieldOf(row, kMolarMass));
    component.density = NumberOf(FieldOf(row, kDensity));
    return component;
}

// The id after this one; the largest id is followed by the smallest rather than by an overflow.
int32_t Following(int32_t id) {
    return static_cast<int32_t>(static_cast<uint32_t>(id) + 1u);
}

std::wstring NumberField(double value) {
    return IsNotSet(value) ? std::wstring() : FormatFixed(value, ComponentsTable::precision);
}

CsvTable::Row RowOf(const Component& component) {
    return {std::to_wstring(component.id), component.peakName, component.name,
            NumberField(component.molarMass), NumberField(component.density)};
}

SaveResult Refusal(const Component& component, size_t position, size_t field) {
    const std::wstring& text = field == kPeakName ? component.peakName : component.name;
    return {SaveStatus::Unrepresentable, position,
            L"Таблица компонентов не сохранена: компонент №" + std::to_wstring(position + 1) + L" «" + text +
                L"» содержит знаки, которые нельзя записать в файл таблицы (кодировка Windows-1251)."};
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
                          L"Таблица компонентов не сохранена: компонент №" + std::to_wstring(position + 1) +
                              L" «" + text +
                              L"» содержит точку с запятой или перевод строки, которые нельзя записать в "
                              L"поле файла таблицы."};
    }
    return std::nullopt;
}

// The header a save writes first when the file's own line cannot be kept as it stands; the dialog's
// column captions when that line cannot be written in Windows-1251 either.
CsvTable::Row RewrittenHeader(const std::optional<CsvTable::Row>& header) {
    if (!header) return HeaderRow();
    for (const std::wstring& field : *header) {
        if (!ToCodepage1251(field)) return HeaderRow();
    }
    return *header;
}

// Whether a file holds anything; a file that cannot be looked at counts as empty (its save fails anyway).
bool HasContent(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    return file && std::fgetc(file.get()) != EOF;
}

}  // namespace

bool ComponentsTable::Load() {
    components.clear();
    headerToRewrite.reset();
    CsvTable table;
    const bool read = table.Read(path);
    if (table.rows.empty()) {
        headerLength = -1;
        return read;
    }
    headerLength = table.LineLength(static_cast<int32_t>(table.rows[0].size()) - 1);
    if (table.firstLineBytes != headerLength) headerToRewrite = table.rows[0];
    components.reserve(table.rows.size() - 1);
    std::transform(table.rows.begin() + 1, table.rows.end(), std::back_inserter(components), ComponentOf);
    // The last row's id, not the largest: the file's order decides.
    if (!components.empty()) nextId = Following(components.back().id);
    return read;
}

SaveResult ComponentsTable::Save() const {
    if (std::optional<SaveResult> refusal = UnstorableName(components)) return *refusal;
    CsvTable table;
    const bool withHeader = headerLength < 0 || headerToRewrite.has_value();
    // A load that could not open the file (held by another program) left the table empty: writing
    // it over the file now would lose every row the user never saw.
    if (headerLength < 0 && HasContent(path)) {
        return {SaveStatus::NotLoaded, 0,
                L"Таблица компонентов не сохранена: файл таблицы не удалось прочитать при открытии, "
                L"а сейчас в нём есть данные. Откройте таблицу заново.\n" +
                    path};
    }
    if (withHeader) table.rows.push_back(RewrittenHeader(headerToRewrite));
    std::transform(components.begin(), components.end(), std::back_inserter(table.rows), RowOf);
    const CsvWriteResult result = table.Write(path, withHeader ? 0 : headerLength);
    switch (result.status) {
        case CsvWriteStatus::Written:
            return {SaveStatus::Saved, 0, std::wstring()};
        case CsvWriteStatus::NoPath:
            return {SaveStatus::NoPath, 0, std::wstring()};
        case CsvWriteStatus::Unrepresentable: {
            const size_t position = result.row - (withHeader ? 1 : 0);
            return Refusal(components[position], position, result.field);
        }
        case CsvWriteStatus::ReadsAsUtf8:
            return {SaveStatus::ReadsAsUtf8, 0,
                    L"Таблица компонентов не сохранена: записанная в кодировке Windows-1251, она читалась бы "
                    L"как текст UTF-8 с другими именами. Проверьте имена компонентов."};
        case CsvWriteStatus::OpenFailed:
            return {SaveStatus::OpenFailed, 0,
                    L"Не удалось открыть файл таблицы компонентов для записи:\n" + path};
        case CsvWriteStatus::WriteFailed:
            break;
    }
    return {SaveStatus::WriteFailed, 0, L"Не удалось записать файл таблицы компонентов:\n" + path};
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
