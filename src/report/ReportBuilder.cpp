#include "report/ReportBuilder.h"

#include <string>
#include <utility>

#include "calc/DataFilePath.h"
#include "calc/NameCompare.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/TemporaryFile.h"
#include "report/XMLWrapper.h"

namespace {

// Both tables reach the stylesheet as rows of cells all named "name", known only by position.
const wchar_t kRow[] = L"fill_data";
const wchar_t kCell[] = L"name";
constexpr int kResultColumns = 8;

// The standard as the user typed it when some component bears that name, otherwise "---".
std::wstring StandardText(const CalculationData& data) {
    for (const Component& component : data.components) {
        if (EqualNoCase(component.name, data.standard)) return data.standard;
    }
    return L"---";
}

void AddFileRow(XMLWrapper& wrapper, const XMLElement& files, int32_t number, const Assay& assay) {
    const XMLElement row = wrapper.AddElement(files, kRow);
    wrapper.AddIntElement(row, kCell, number);
    wrapper.AddTextElement(row, kCell, assay.isTicked != 0 ? L"Да" : L"Нет");
    wrapper.AddTextElement(row, kCell, assay.fileName);
    wrapper.AddTextElement(row, kCell, assay.method);
    wrapper.AddTextElement(row, L"analyse_time", LocalTimeText(assay.date));
    wrapper.AddTextElement(row, kCell, FormatFixed(assay.sampleMass, 2));
}

void AddResultRow(XMLWrapper& wrapper, const XMLElement& table, int32_t number,
                  const ComponentResult& result) {
    const XMLElement row = wrapper.AddElement(table, kRow);
    wrapper.AddIntElement(row, kCell, number);
    wrapper.AddTextElement(row, kCell, result.name);
    for (const double value : {result.mass, result.massPercent, result.delta, result.volume,
                               result.volumePercent, result.oxygen}) {
        wrapper.AddTextElement(row, kCell, FormatFixed(value, 4));
    }
}

void AddSeparatorRow(XMLWrapper& wrapper, const XMLElement& table) {
    const XMLElement row = wrapper.AddElement(table, kRow);
    for (int column = 0; column < kResultColumns; ++column) wrapper.AddTextElement(row, kCell, L"-");
}

void AddTotalsRow(XMLWrapper& wrapper, const XMLElement& table, const CalculationData& data) {
    const XMLElement row = wrapper.AddElement(table, kRow);
    wrapper.AddTextElement(row, kCell, L"");
    wrapper.AddTextElement(row, kCell, L"Всего");
    for (const double sum : {data.sumMass, data.sumMassPercent, data.sumDelta, data.sumVolume,
                             data.sumVolumePercent, data.sumOxygen}) {
        wrapper.AddTextElement(row, kCell, FormatFixed(sum, 4));
    }
}

}  // namespace

ReportBuilder::ReportBuilder(UserMessages& messages, FileOpener open)
    : messages_(messages), open_(std::move(open)) {}

void ReportBuilder::Show() {
    XMLWrapper wrapper;
    wrapper.CreateDocument();
    FillDocument(wrapper);
    const std::wstring folder = TemporaryFolder();
    if (folder.empty()) return;
    // The empty file holds the unique name; the report goes next to it with ".html" appended.
    const std::wstring temporaryName = CreateTemporaryFile(folder, L"vlt");
    if (temporaryName.empty()) return;
    const std::wstring outputPath = temporaryName + L".html";
    // Without the public documents folder there is no stylesheet to use: the user is told, and no
    // stylesheet is looked for elsewhere.
    const std::wstring stylesheetPath = DataFilePath(L"\\Report.xsl", messages_);
    if (stylesheetPath.empty()) return;
    TransformAndOpen(wrapper, stylesheetPath, outputPath, open_);
}

void ReportBuilder::FillDocument(XMLWrapper& wrapper) const {
    AddSettings(wrapper);
    AddFiles(wrapper);
    AddCalcTable(wrapper);
    AddOxygen(wrapper);
    AddWarnings(wrapper);
}

void ReportBuilder::AddSettings(XMLWrapper& wrapper) const {
    wrapper.AddTextElement(XMLElement(), L"standart", StandardText(data));
    wrapper.AddTextElement(XMLElement(), L"density_proba", FormatFixed(data.sampleDensity, 2));
}

void ReportBuilder::AddFiles(XMLWrapper& wrapper) const {
    if (assays == nullptr || assays->empty()) return;
    const XMLElement files = wrapper.AddElement(XMLElement(), L"files");
    int32_t number = 0;
    for (const Assay& assay : *assays) AddFileRow(wrapper, files, ++number, assay);
}

void ReportBuilder::AddCalcTable(XMLWrapper& wrapper) const {
    const XMLElement table = wrapper.AddElement(XMLElement(), L"calc_table");
    int32_t number = 0;
    for (const ComponentResult& result : data.results) AddResultRow(wrapper, table, ++number, result);
    AddSeparatorRow(wrapper, table);
    AddTotalsRow(wrapper, table, data);
}

void ReportBuilder::AddOxygen(XMLWrapper& wrapper) const {
    wrapper.AddTextElement(XMLElement(), L"oxygen", FormatFixed(data.totalOxygen, 4));
}

// <warnings><warning><kind>standard_not_found</kind><subject>…</subject><text>…</text></warning>…;
// absent when there are none.
void ReportBuilder::AddWarnings(XMLWrapper& wrapper) const {
    if (data.warnings.empty()) return;
    const XMLElement warnings = wrapper.AddElement(XMLElement(), L"warnings");
    for (const CalculationWarning& warning : data.warnings) {
        const XMLElement element = wrapper.AddElement(warnings, L"warning");
        wrapper.AddTextElement(element, L"kind", warning.Key());
        wrapper.AddTextElement(element, L"subject", warning.subject);
        wrapper.AddTextElement(element, L"text", warning.Text());
    }
}
