#include "report/ReportDocument.h"

#include <algorithm>
#include <string>

#include "calc/CalculationWarning.h"
#include "calc/Limits.h"
#include "calc/MethodScope.h"
#include "calc/ResultColumns.h"
#include "calc/ResultTotals.h"
#include "calc/TotalOxygen.h"
#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "report/ReportJson.h"
#include "report/ShownMoments.h"
#include "res/ProductVersion.h"
#include "tables/NameCompare.h"
#include "tables/NotSet.h"
#include "xml/XMLWrapper.h"

namespace {

// Both tables reach the stylesheet as rows of cells all named "name", known only by position.
const wchar_t kRow[] = L"fill_data";
const wchar_t kCell[] = L"name";

// The standard as the user typed it when some component bears that name, otherwise "---".
std::wstring StandardText(const CalculationData& data) {
    return data.standardFound ? data.standard : L"---";
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
std::wstring LimitComponentsText(const Limit& limit, Language language) {
    if (limit.others) return Render(MessageCode::LimitOfOthers, language);
    if (limit.peakNames.empty()) return Render(MessageCode::LimitOfTotalOxygen, language);
    return JoinNames(limit.peakNames);
}

// A flag as the document's machine parts write it, whatever its language.
const wchar_t* Flag(bool value) {
    return value ? L"да" : L"нет";
}

void AddSettings(XMLWrapper& wrapper, const CalculationData& data) {
    wrapper.AddTextElement(XMLElement(), L"standart", StandardText(data));
    wrapper.AddTextElement(XMLElement(), L"density_proba", FormatFixed(data.sampleDensity, 2));
}

// The document's own tokens, whatever the report's language: a stylesheet puts them into words.
const wchar_t kYes[] = L"Да";
const wchar_t kNo[] = L"Нет";
const wchar_t kTotal[] = L"Всего";

void AddFiles(XMLWrapper& wrapper, const std::vector<ReportChromatogram>& chromatograms) {
    if (chromatograms.empty()) return;
    const XMLElement files = wrapper.AddElement(XMLElement(), L"files");
    int32_t number = 0;
    for (const ReportChromatogram& chromatogram : chromatograms) {
        const XMLElement row = wrapper.AddElement(files, kRow);
        wrapper.AddIntElement(row, kCell, ++number);
        wrapper.AddTextElement(row, kCell, chromatogram.ticked ? kYes : kNo);
        wrapper.AddTextElement(row, kCell, chromatogram.fileName);
        wrapper.AddTextElement(row, kCell, chromatogram.method);
        wrapper.AddTextElement(row, L"analyse_time", LocalTimeText(chromatogram.date));
        wrapper.AddTextElement(row, kCell, FormatFixed(chromatogram.sampleMass, 2));
    }
}

// One row per result, then a separator row of "-" and the totals row "Всего".
void AddCalcTable(XMLWrapper& wrapper, const CalculationData& data) {
    const XMLElement table = wrapper.AddElement(XMLElement(), L"calc_table");
    int32_t number = 0;
    for (const ComponentResult& result : data.results) {
        const XMLElement row = wrapper.AddElement(table, kRow);
        wrapper.AddIntElement(row, kCell, ++number);
        wrapper.AddTextElement(row, kCell, result.name);
        for (const ResultColumn& column : kResultColumns)
            wrapper.AddTextElement(row, kCell, FormatFixed(result.*column.value, column.decimals));
    }
    const XMLElement separator = wrapper.AddElement(table, kRow);
    for (size_t cell = 0; cell < kResultTableColumns; ++cell) wrapper.AddTextElement(separator, kCell, L"-");
    const XMLElement totals = wrapper.AddElement(table, kRow);
    wrapper.AddTextElement(totals, kCell, L"");
    wrapper.AddTextElement(totals, kCell, kTotal);
    for (const ResultColumn& column : kResultColumns)
        wrapper.AddTextElement(totals, kCell, FormatFixed(data.Sums().*column.sum, column.decimals));
}

// <warnings><warning><kind>standard_not_found</kind><subject>…</subject><text>…</text>
// [<chromatograms>…</chromatograms>][<detail>…</detail>]</warning>…; absent when there are none.
void AddWarnings(XMLWrapper& wrapper, const std::vector<CalculationWarning>& warnings, Language language) {
    if (warnings.empty()) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"warnings");
    for (const CalculationWarning& warning : warnings) {
        const XMLElement row = wrapper.AddElement(element, L"warning");
        wrapper.AddTextElement(row, L"kind", FromUtf8(warning.Key()));
        wrapper.AddTextElement(row, L"subject", warning.subject);
        wrapper.AddTextElement(row, L"text", warning.Text(language));
        if (!warning.chromatograms.empty())
            wrapper.AddTextElement(row, L"chromatograms", warning.chromatograms);
        const std::wstring detail = warning.DetailText(language);
        if (!detail.empty()) wrapper.AddTextElement(row, L"detail", detail);
    }
}

// <samples><sample><name/><mixture/></sample>…<distinct>N</distinct></samples>: the distinct sample and
// mixture pairs of the ticked chromatograms and the number of different sample names.
void AddSamples(XMLWrapper& wrapper, const ReportModel& model) {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"samples");
    for (const SampleName& sample : model.samples) {
        const XMLElement row = wrapper.AddElement(element, L"sample");
        wrapper.AddTextElement(row, L"name", sample.sample);
        wrapper.AddTextElement(row, L"mixture", sample.mixture);
    }
    wrapper.AddIntElement(element, L"distinct", static_cast<int32_t>(model.distinctSamples));
}

// <chromatograms><chromatogram><kind/><sample/><mixture/></chromatogram>…: one per row of `files`,
// in its order; kind "Анализ" or "Градуировка".
void AddChromatogramKinds(XMLWrapper& wrapper, const std::vector<ReportChromatogram>& chromatograms,
                          Language language) {
    if (chromatograms.empty()) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"chromatograms");
    for (const ReportChromatogram& chromatogram : chromatograms) {
        const XMLElement row = wrapper.AddElement(element, L"chromatogram");
        wrapper.AddTextElement(
            row, L"kind",
            Render(chromatogram.isCalibration ? MessageCode::KindCalibration : MessageCode::KindAnalysis,
                   language));
        wrapper.AddTextElement(row, L"sample", chromatogram.sample);
        wrapper.AddTextElement(row, L"mixture", chromatogram.mixture);
    }
}

// <result_rows><result_row>…: one per result row of calc_table, in its order: the peak name, the
// molar mass and density the row was calculated with, whether it is the internal standard's, the
// repeatability limit r with its outcome where the limits give one, the row's place in the method's
// range and the oxygen atoms of its molecule.
void AddResultDetails(XMLWrapper& wrapper, const CalculationData& data, Language language) {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"result_rows");
    for (const ComponentResult& result : data.results) {
        const XMLElement row = wrapper.AddElement(element, L"result_row");
        wrapper.AddTextElement(row, L"peak_name", result.peakName);
        wrapper.AddTextElement(row, L"molar_mass", ConstantText(result.molarMass));
        wrapper.AddTextElement(row, L"density", ConstantText(result.density));
        wrapper.AddTextElement(row, L"standard", Flag(result.isStandard));
        const std::optional<double>& r = result.repeatabilityLimit;
        wrapper.AddTextElement(row, L"repeatability_limit", r ? FormatGeneral(*r, 15) : L"");
        wrapper.AddTextElement(row, L"repeatability_exceeded", Flag(result.repeatabilityExceeded));
        wrapper.AddTextElement(row, L"scope", ScopeNoteText(result.scope, language));
        wrapper.AddIntElement(row, L"oxygen_atoms", result.oxygenAtoms);
    }
}

// <totals_without_standard>: the six sums of the sample's own components.
void AddTotalsWithoutStandard(XMLWrapper& wrapper, const CalculationData& data) {
    const ResultSums& sums = data.sumsWithoutStandard;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"totals_without_standard");
    for (const ResultColumn& column : kResultColumns)
        wrapper.AddTextElement(element, column.element, FormatFixed(sums.*column.sum, column.decimals));
}

// <limits><file/><limit>…</limit>…<error/>…</limits>, only when a limits file is there.
void AddLimits(XMLWrapper& wrapper, const CalculationData& data, Language language) {
    if (!data.limits) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"limits");
    wrapper.AddTextElement(element, L"file", data.limits->path);
    for (const LimitVerdict& verdict : data.verdicts) {
        const XMLElement row = wrapper.AddElement(element, L"limit");
        wrapper.AddTextElement(row, L"name", verdict.limit.name);
        wrapper.AddTextElement(row, L"components", LimitComponentsText(verdict.limit, language));
        wrapper.AddTextElement(row, L"quantity", QuantityText(verdict.limit.quantity, language));
        wrapper.AddTextElement(row, L"measured", FormatFixed(verdict.measured, 4));
        wrapper.AddTextElement(row, L"maximum", verdict.limit.maximumText);
        wrapper.AddTextElement(row, L"verdict", Render(verdict.OutcomeMessage(), language));
        wrapper.AddTextElement(row, L"unknown", JoinNames(verdict.unknownPeakNames));
        wrapper.AddTextElement(row, L"doubt", Render(verdict.doubt, language));
        wrapper.AddTextElement(row, L"outcome", FromUtf8(verdict.OutcomeKey()));
        wrapper.AddTextElement(row, L"doubt_kind",
                               verdict.doubt.Empty() ? L"" : FromUtf8(verdict.doubt.Key()));
        // What a rule with a guard band rests on; empty under one without.
        for (const auto& [name, value] : {std::pair{L"reproducibility", verdict.reproducibility},
                                          std::pair{L"guard_band", verdict.guardBand},
                                          std::pair{L"acceptance_limit", verdict.acceptanceLimit}})
            wrapper.AddTextElement(row, name, value ? FormatFixed(*value, 4) : L"");
    }
    for (const Message& error : data.limits->errors)
        wrapper.AddTextElement(element, L"error", Render(error, language));
}

// <program><name>oxycalc</name><version>1.1.1.0</version></program>
void AddProgram(XMLWrapper& wrapper) {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(element, L"name", L"oxycalc");
    wrapper.AddTextElement(element, L"version", kPluginVersionText);
}

void AddCheck(XMLWrapper& wrapper, const XMLElement& parent, const QualityCheck& check, Language language) {
    const XMLElement element = wrapper.AddElement(parent, L"check");
    const ChartLimits& limits = check.limits;
    wrapper.AddTextElement(element, L"chart", Render(check.chart, language));
    wrapper.AddTextElement(element, L"moment", LocalTimeText(check.first));
    wrapper.AddTextElement(element, L"passed", Flag(check.passed));
    wrapper.AddTextElement(element, L"why", Render(check.why, language));
    wrapper.AddTextElement(element, L"tolerance",
                           check.tolerance ? FormatGeneral(*check.tolerance, 15) : L"");
    wrapper.AddTextElement(element, L"kind",
                           !limits.determined   ? L"none"
                           : limits.established ? L"established"
                                                : L"provisional");
    wrapper.AddIntElement(element, L"baseline_count", static_cast<int32_t>(limits.baselineCount));
    wrapper.AddTextElement(element, L"provisional", Flag(limits.provisional));
    if (check.established) {
        wrapper.AddTextElement(element, L"established_at", LocalDateTimeText(check.established->at));
        wrapper.AddTextElement(element, L"reason", check.established->reason);
    }
    if (!limits.determined) return;
    wrapper.AddTextElement(element, L"centre", FormatFixed(limits.centre, 4));
    wrapper.AddTextElement(element, L"lower", FormatFixed(limits.lower, 4));
    wrapper.AddTextElement(element, L"upper", FormatFixed(limits.upper, 4));
    wrapper.AddTextElement(element, L"mr_upper", FormatFixed(limits.movingRangeUpper, 4));
}

// <quality><status>in_doubt</status><text>…</text><detail>…</detail><checks>…</checks></quality>: what QC
// says of the series, and the QC results it rests on with the limits they were held against (chart,
// moment, passed, why, tolerance, kind: established, provisional or none, baseline_count, provisional,
// established_at and reason when established, centre, lower, upper, mr_upper when determined); absent
// when no QC is kept.
void AddQuality(XMLWrapper& wrapper, const QualityMark& quality, Language language) {
    if (quality.status == QualityMark::Status::None) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"quality");
    wrapper.AddTextElement(element, L"status", quality.Key());
    wrapper.AddTextElement(element, L"text", Render(quality.TextMessage(), language));
    wrapper.AddTextElement(element, L"detail", Render(quality.detail, language));
    const XMLElement checks = wrapper.AddElement(element, L"checks");
    for (const QualityCheck& check : quality.checks) AddCheck(wrapper, checks, check, language);
}

// The exact value, as it reads back bit for bit: what a later check recomputes from.
std::wstring Exact(double value) {
    return FormatDouble17(value);
}

void AddFileInput(XMLWrapper& wrapper, const XMLElement& inputs, const wchar_t* name,
                  const ReportInput& file) {
    const XMLElement element = wrapper.AddElement(inputs, name);
    wrapper.AddTextElement(element, L"file", file.path);
    wrapper.AddTextElement(element, L"sha256", FromUtf8(file.sha256));
}

// A reference table's record: its file, checksum and where its change log stood.
void AddTableInput(XMLWrapper& wrapper, const XMLElement& inputs, const wchar_t* name,
                   const std::wstring& path, const TableVersion& version) {
    const XMLElement element = wrapper.AddElement(inputs, name);
    wrapper.AddTextElement(element, L"file", path);
    wrapper.AddTextElement(element, L"sha256", FromUtf8(version.sha256));
    wrapper.AddTextElement(element, L"logged", version.loggedAt);
    wrapper.AddTextElement(element, L"log_entries", std::to_wstring(version.logEntries));
    wrapper.AddTextElement(element, L"log_last_entry_sha256", FromUtf8(version.logLastEntrySha256));
}

void AddChromatogramInput(XMLWrapper& wrapper, const XMLElement& inputs,
                          const ReportChromatogram& chromatogram) {
    const XMLElement element = wrapper.AddElement(inputs, L"chromatogram");
    wrapper.AddIntElement(element, L"id", chromatogram.id);
    wrapper.AddTextElement(element, L"ticked", chromatogram.ticked ? L"да" : L"нет");
    wrapper.AddTextElement(element, L"file", chromatogram.fileName);
    wrapper.AddTextElement(element, L"sha256", FromUtf8(chromatogram.fileSha256));
    wrapper.AddTextElement(element, L"sha256_unavailable", chromatogram.checksumUnavailable ? L"да" : L"нет");
    // Only in a report made all the same (the plug-in's): a report of files as loaded is as it always was.
    if (chromatogram.fileChanged) wrapper.AddTextElement(element, L"file_changed", L"да");
    wrapper.AddTextElement(element, L"sample", chromatogram.sample);
    wrapper.AddTextElement(element, L"method", chromatogram.method);
    wrapper.AddTextElement(element, L"mixture", chromatogram.mixture);
    wrapper.AddTextElement(element, L"kind", chromatogram.isCalibration ? L"calibration" : L"analysis");
    wrapper.AddTextElement(element, L"date", std::to_wstring(chromatogram.date));
    wrapper.AddTextElement(element, L"sample_mass", Exact(chromatogram.sampleMass));
    for (const Peak& peak : chromatogram.peaks) {
        const XMLElement row = wrapper.AddElement(element, L"peak");
        wrapper.AddTextElement(row, L"name", peak.name);
        wrapper.AddTextElement(row, L"concentration",
                               peak.concentrationGiven ? Exact(peak.concentration) : L"");
    }
}

// <inputs>: everything the numbers rest on, exactly, with the files' SHA-256, and how the report was made:
// the program, the settings, every component of the table, the host database, each chromatogram with its
// file and named peaks, the components and limits files with where their logs stood, the stylesheet, and
// a batch's densities file, series gap and QC file. What a check makes the report again from.
void AddInputs(XMLWrapper& wrapper, const ReportModel& model) {
    const CalculationData& data = model.data;
    const XMLElement inputs = wrapper.AddElement(XMLElement(), L"inputs");
    wrapper.AddTextElement(inputs, L"made_by", FromUtf8(MakerKey(model.origin.maker)));
    wrapper.AddTextElement(inputs, L"language", FromUtf8(LanguageKey(model.language)));
    wrapper.AddTextElement(inputs, L"standard", data.standard);
    wrapper.AddTextElement(inputs, L"sample_density", Exact(data.sampleDensity));
    wrapper.AddTextElement(inputs, L"sample_density_given", data.sampleDensityGiven ? L"да" : L"нет");
    wrapper.AddTextElement(inputs, L"utc_offset_minutes", std::to_wstring(model.utcOffsetMinutes));
    // The offset of each moment shown in local time: one offset cannot show times of summer and winter.
    for (const auto& [moment, minutes] : ShownUtcOffsets(model)) {
        const XMLElement offset = wrapper.AddElement(inputs, L"utc_offset");
        wrapper.AddTextElement(offset, L"moment", std::to_wstring(moment));
        wrapper.AddTextElement(offset, L"minutes", std::to_wstring(minutes));
    }
    for (const Component& component : data.components) {
        const XMLElement row = wrapper.AddElement(inputs, L"component");
        wrapper.AddIntElement(row, L"id", component.id);
        wrapper.AddTextElement(row, L"peak_name", component.peakName);
        wrapper.AddTextElement(row, L"name", component.name);
        wrapper.AddTextElement(row, L"molar_mass", Exact(component.molarMass));
        wrapper.AddTextElement(row, L"density", Exact(component.density));
        wrapper.AddIntElement(row, L"oxygen_atoms", component.oxygenAtoms);
    }
    wrapper.AddTextElement(inputs, L"database", model.databasePath);
    for (const ReportChromatogram& chromatogram : model.chromatograms)
        AddChromatogramInput(wrapper, inputs, chromatogram);
    AddTableInput(wrapper, inputs, L"components_file", data.componentsFile.path,
                  data.componentsFile.tracking.version);
    if (data.limits)
        AddTableInput(wrapper, inputs, L"limits_file", data.limits->path, data.limits->tracking.version);
    if (model.stylesheet) AddFileInput(wrapper, inputs, L"stylesheet", *model.stylesheet);
    if (model.origin.densitiesFile)
        AddFileInput(wrapper, inputs, L"densities_file", *model.origin.densitiesFile);
    if (model.origin.seriesGapHours)
        wrapper.AddTextElement(inputs, L"series_gap_hours", Exact(*model.origin.seriesGapHours));
    if (model.origin.qcFile)
        AddTableInput(wrapper, inputs, L"qc_file", model.origin.qcFile->path, model.origin.qcFile->version);
}

// <columns><column>№</column>…</columns>: the results table's captions in the report's language, for the
// page's header.
void AddColumns(XMLWrapper& wrapper, Language language) {
    const XMLElement columns = wrapper.AddElement(XMLElement(), L"columns");
    for (const MessageCode caption : kLeadingColumns)
        wrapper.AddTextElement(columns, L"column", Render(caption, language));
    for (const ResultColumn& column : kResultColumns)
        wrapper.AddTextElement(columns, L"column", Render(column.caption, language));
}

void AddLink(XMLWrapper& wrapper, const XMLElement& parent, const wchar_t* name, const ReportLink& link) {
    const XMLElement element = wrapper.AddElement(parent, name);
    wrapper.AddTextElement(element, L"number", link.number);
    if (link.issuedAt != 0) {
        wrapper.AddTextElement(element, L"issued", LocalDateTimeText(link.issuedAt));
        wrapper.AddTextElement(element, L"issued_utc", UtcIsoText(link.issuedAt));
    }
    wrapper.AddTextElement(element, L"status", link.withdrawn ? L"withdrawn" : L"amended");
    wrapper.AddTextElement(element, L"reason", link.reason);
}

// <registration>: where the report stands in the lab's register, only while one is kept: its status (the
// token "draft", "issued", "amended", "withdrawn"), number, when and by whom it was issued, the report it
// takes the place of and the one that took its place, and the register's entry.
void AddRegistration(XMLWrapper& wrapper, const ReportRegistration& registration) {
    if (!registration.Kept()) return;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"registration");
    wrapper.AddTextElement(element, L"status", FromUtf8(RegistrationStatusKey(registration.status)));
    if (registration.number.empty()) return;
    wrapper.AddTextElement(element, L"number", registration.number);
    wrapper.AddTextElement(element, L"issued", LocalDateTimeText(registration.issuedAt));
    wrapper.AddTextElement(element, L"issued_utc", UtcIsoText(registration.issuedAt));
    wrapper.AddTextElement(element, L"issued_by", registration.issuedBy);
    if (registration.supersedes) AddLink(wrapper, element, L"supersedes", *registration.supersedes);
    if (registration.supersededBy) AddLink(wrapper, element, L"superseded_by", *registration.supersededBy);
    const XMLElement entry = wrapper.AddElement(element, L"register");
    wrapper.AddTextElement(entry, L"file", registration.registerFile);
    wrapper.AddIntElement(entry, L"entry", static_cast<int32_t>(registration.entry));
    wrapper.AddTextElement(entry, L"previous_entry_sha256", FromUtf8(registration.previousEntrySha256));
}

// <words><yes>Да</yes><no>Нет</no><total>Всего</total><mass_fraction/><volume_fraction/></words>: the
// document's tokens in the report's language and the page's fuller captions of the two fractions, so that
// a page takes every word the program says from the document. Last, so that a report made before it
// compares with one made again element by element.
void AddWords(XMLWrapper& wrapper, Language language) {
    const XMLElement words = wrapper.AddElement(XMLElement(), L"words");
    for (const auto& [name, code] : {std::pair{L"yes", MessageCode::Yes}, std::pair{L"no", MessageCode::No},
                                     std::pair{L"total", MessageCode::Total},
                                     std::pair{L"mass_fraction", MessageCode::ColumnMassFraction},
                                     std::pair{L"volume_fraction", MessageCode::ColumnVolumeFraction}})
        wrapper.AddTextElement(words, name, Render(code, language));
}

}  // namespace

void FillReportDocument(XMLWrapper& wrapper, const ReportModel& model) {
    const CalculationData& data = model.data;
    const Language language = model.language;
    AddSettings(wrapper, data);
    AddFiles(wrapper, model.chromatograms);
    AddCalcTable(wrapper, data);
    // A stylesheet that knows only the first elements shows "не определено" in place of a total that is no
    // result, never the arithmetic value; with nothing ticked the total is 0.
    const bool nothingTicked = std::none_of(model.chromatograms.begin(), model.chromatograms.end(),
                                            [](const ReportChromatogram& c) { return c.ticked; });
    wrapper.AddTextElement(
        XMLElement(), L"oxygen",
        nothingTicked ? FormatFixed(data.totalOxygen, 4) : TotalOxygenText(data, language));
    AddWarnings(wrapper, data.warnings, language);
    AddSamples(wrapper, model);
    AddChromatogramKinds(wrapper, model.chromatograms, language);
    AddResultDetails(wrapper, data, language);
    AddTotalsWithoutStandard(wrapper, data);
    // <oxygen_scope>: the note on the total oxygen when it lies outside the method's range, else empty.
    wrapper.AddTextElement(XMLElement(), L"oxygen_scope", ScopeNoteText(data.totalOxygenScope, language));
    // <oxygen_doubt>: why the total is no result, empty when it is one; <oxygen_arithmetic>: the value the
    // arithmetic gives, to be shown only marked as such when it is no result.
    wrapper.AddTextElement(XMLElement(), L"oxygen_doubt", Render(data.totalOxygenDoubt, language));
    wrapper.AddTextElement(XMLElement(), L"oxygen_arithmetic", FormatFixed(data.totalOxygen, 4));
    AddLimits(wrapper, data, language);
    AddProgram(wrapper);
    // <format_version>: the version of the document's shape, as the JSON's.
    wrapper.AddIntElement(XMLElement(), L"format_version", kReportFormatVersion);
    // <created>dd.mm.yyyy hh:mm</created> in local time and <created_utc> as the JSON has it; absent for a
    // report made with no time.
    if (model.createdAt != 0) {
        wrapper.AddTextElement(XMLElement(), L"created", LocalDateTimeText(model.createdAt));
        wrapper.AddTextElement(XMLElement(), L"created_utc", UtcIsoText(model.createdAt));
    }
    AddRegistration(wrapper, model.registration);
    AddInputs(wrapper, model);
    wrapper.AddTextElement(XMLElement(), L"decision_rule",
                           Render(DecisionRuleStatement(data.limits), language));
    wrapper.AddTextElement(XMLElement(), L"decision_rule_name", FromUtf8(DecisionRuleKey(data.limits)));
    AddQuality(wrapper, model.quality, language);
    AddColumns(wrapper, language);
    AddWords(wrapper, language);
}

std::string ReportDocumentText(const ReportModel& model) {
    XMLWrapper document;
    if (!document.CreateDocument()) return std::string();
    FillReportDocument(document, model);
    return document.ToText();
}
