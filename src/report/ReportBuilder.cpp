#include "report/ReportBuilder.h"

#include <ctime>
#include <string>
#include <utility>

#include "calc/DataFilePath.h"
#include "calc/NameCompare.h"
#include "calc/NotSet.h"
#include "calc/ResultTotals.h"
#include "calc/TickedSamples.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/TemporaryFile.h"
#include "report/ReportOutput.h"
#include "report/XMLWrapper.h"
#include "res/ProductVersion.h"

namespace {

// Both tables reach the stylesheet as rows of cells all named "name", known only by position.
const wchar_t kRow[] = L"fill_data";
const wchar_t kCell[] = L"name";
constexpr int kResultColumns = 8;

// The standard as the user typed it when some component bears that name, otherwise "---".
std::wstring StandardText(const CalculationData& data) {
    return NamesAComponent(data.components, data.standard) ? data.standard : L"---";
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

// A molar mass or density as the components table shows it: two decimals, "---" when not set.
std::wstring ConstantText(double value) {
    return IsNotSet(value) ? L"---" : FormatFixed(value, 2);
}

std::wstring JoinNames(const std::vector<std::wstring>& names) {
    std::wstring text;
    for (const std::wstring& name : names) text += (text.empty() ? L"" : L", ") + name;
    return text;
}

// What a limit sums, as the report names it.
std::wstring LimitComponentsText(const Limit& limit) {
    if (limit.others) return L"прочие оксигенаты";
    if (limit.peakNames.empty()) return L"общее содержание кислорода";
    return JoinNames(limit.peakNames);
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
    const ReportOutput output(TemporaryFolder());
    if (output.HtmlPath().empty()) return;
    // Without the public documents folder there is no stylesheet to use: the user is told, and no
    // stylesheet is looked for elsewhere.
    const std::wstring stylesheetPath = ReportStylesheetPath(stylesheet, messages_);
    if (stylesheetPath.empty()) return;
    limits = ReadLimitsFile(DataFilePath(L"\\LimitsOxycalc.csv", messages_));
    createdAt = static_cast<int64_t>(std::time(nullptr));
    FillDocument(wrapper);
    TransformAndOpen(wrapper, stylesheetPath, output.HtmlPath(), open_);
}

void ReportBuilder::FillDocument(XMLWrapper& wrapper) const {
    AddSettings(wrapper);
    AddFiles(wrapper);
    AddCalcTable(wrapper);
    AddOxygen(wrapper);
    AddWarnings(wrapper);
    AddSamples(wrapper);
    AddChromatogramKinds(wrapper);
    AddResultDetails(wrapper);
    AddTotalsWithoutStandard(wrapper);
    AddLimits(wrapper);
    AddProgram(wrapper);
    AddCreated(wrapper);
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

// <samples><sample><name/><mixture/></sample>…<distinct>N</distinct></samples>: the distinct sample and
// mixture pairs of the ticked chromatograms and the number of different sample names.
void ReportBuilder::AddSamples(XMLWrapper& wrapper) const {
    const std::vector<SampleName> samples = TickedSamples(assays ? *assays : std::vector<Assay>());
    const XMLElement element = wrapper.AddElement(XMLElement(), L"samples");
    for (const SampleName& sample : samples) {
        const XMLElement row = wrapper.AddElement(element, L"sample");
        wrapper.AddTextElement(row, L"name", sample.sample);
        wrapper.AddTextElement(row, L"mixture", sample.mixture);
    }
    wrapper.AddIntElement(element, L"distinct", static_cast<int32_t>(DistinctSampleCount(samples)));
}

// <chromatograms><chromatogram><kind/><sample/><mixture/></chromatogram>…: one per row of `files`,
// in its order; kind "Анализ" or "Градуировка".
void ReportBuilder::AddChromatogramKinds(XMLWrapper& wrapper) const {
    if (assays == nullptr || assays->empty()) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"chromatograms");
    for (const Assay& assay : *assays) {
        const XMLElement row = wrapper.AddElement(element, L"chromatogram");
        wrapper.AddTextElement(row, L"kind", assay.isCalibration ? L"Градуировка" : L"Анализ");
        wrapper.AddTextElement(row, L"sample", assay.sample);
        wrapper.AddTextElement(row, L"mixture", assay.mixture);
    }
}

// <result_rows><result_row>…: one per result row of calc_table, in its order: the peak name, the
// molar mass and density the row was calculated with, whether it is the internal standard's, and
// the repeatability limit r with its outcome where the limits give one.
void ReportBuilder::AddResultDetails(XMLWrapper& wrapper) const {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"result_rows");
    const std::vector<Limit> noLimits;
    const std::vector<Limit>& all = limits ? limits->limits : noLimits;
    for (const ComponentResult& result : data.results) {
        const XMLElement row = wrapper.AddElement(element, L"result_row");
        wrapper.AddTextElement(row, L"peak_name", result.peakName);
        wrapper.AddTextElement(row, L"molar_mass", ConstantText(result.molarMass));
        wrapper.AddTextElement(row, L"density", ConstantText(result.density));
        wrapper.AddTextElement(row, L"standard", EqualNoCase(result.name, data.standard) ? L"да" : L"нет");
        const std::optional<double> r = RepeatabilityLimit(all, result);
        wrapper.AddTextElement(row, L"repeatability_limit", r ? FormatGeneral(*r, 15) : L"");
        wrapper.AddTextElement(row, L"repeatability_exceeded",
                               r && RepeatabilityExceeded(result, *r) ? L"да" : L"нет");
    }
}

// <totals_without_standard>: the six sums of the sample's own components, "%.4f".
void ReportBuilder::AddTotalsWithoutStandard(XMLWrapper& wrapper) const {
    const ResultSums sums = SumsWithoutStandard(data);
    const XMLElement element = wrapper.AddElement(XMLElement(), L"totals_without_standard");
    const std::pair<const wchar_t*, double> cells[] = {
        {L"mass", sums.mass},     {L"mass_percent", sums.massPercent},     {L"delta", sums.delta},
        {L"volume", sums.volume}, {L"volume_percent", sums.volumePercent}, {L"oxygen", sums.oxygen}};
    for (const auto& [name, value] : cells) wrapper.AddTextElement(element, name, FormatFixed(value, 4));
}

// <limits><file/><limit>…</limit>…<error/>…</limits>, only when a limits file is there.
void ReportBuilder::AddLimits(XMLWrapper& wrapper) const {
    if (!limits) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"limits");
    wrapper.AddTextElement(element, L"file", limits->path);
    for (const LimitVerdict& verdict :
         CheckLimits(limits->limits, data, assays ? *assays : std::vector<Assay>())) {
        const XMLElement row = wrapper.AddElement(element, L"limit");
        wrapper.AddTextElement(row, L"name", verdict.limit.name);
        wrapper.AddTextElement(row, L"components", LimitComponentsText(verdict.limit));
        wrapper.AddTextElement(row, L"quantity", QuantityText(verdict.limit.quantity));
        wrapper.AddTextElement(row, L"measured", FormatFixed(verdict.measured, 4));
        wrapper.AddTextElement(row, L"maximum", verdict.limit.maximumText);
        wrapper.AddTextElement(row, L"verdict", verdict.OutcomeText());
        wrapper.AddTextElement(row, L"unknown", JoinNames(verdict.unknownPeakNames));
        wrapper.AddTextElement(row, L"doubt", verdict.doubt);
    }
    for (const std::wstring& error : limits->errors) wrapper.AddTextElement(element, L"error", error);
}

// <program><name>oxycalc</name><version>1.1.1.0</version></program>
void ReportBuilder::AddProgram(XMLWrapper& wrapper) const {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(element, L"name", L"oxycalc");
    wrapper.AddTextElement(element, L"version", kPluginVersionText);
}

// <created>dd.mm.yyyy hh:mm</created> in local time, when the report was made; absent for a document
// made with no time (as tests make them).
void ReportBuilder::AddCreated(XMLWrapper& wrapper) const {
    if (createdAt == 0) return;
    wrapper.AddTextElement(XMLElement(), L"created", LocalDateTimeText(createdAt));
}
