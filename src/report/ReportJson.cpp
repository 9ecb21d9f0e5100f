#include "report/ReportJson.h"

#include <cmath>
#include <optional>

#include <nlohmann/json.hpp>

#include "calc/Limits.h"
#include "calc/MethodScope.h"
#include "calc/ResultColumns.h"
#include "calc/ResultTotals.h"
#include "calc/TotalOxygen.h"
#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "qc/ChartLimitsJson.h"
#include "report/ReportDocument.h"
#include "report/ShownMoments.h"
#include "res/ProductVersion.h"
#include "tables/NameCompare.h"
#include "tables/NotSet.h"

namespace {

using Json = nlohmann::ordered_json;

// Text as every report carries it: a character XML cannot carry reads as U+FFFD here too.
std::string Text(const std::wstring& text) {
    return ToUtf8(XmlCarriableText(text));
}

// A message in the report's language, as every report carries its text.
std::string Text(const Message& message, Language language) {
    return Text(Render(message, language));
}

// The texts of messages in the report's language.
Json Texts(const std::vector<Message>& messages, Language language) {
    Json array = Json::array();
    for (const Message& message : messages) array.push_back(Text(message, language));
    return array;
}

// The number as the report prints it with `decimals`, read back: a LIMS sees the printed value, not
// the bits behind it. null when there is no value.
Json Fixed(double value, int decimals) {
    if (!std::isfinite(value) || IsNotSet(value)) return nullptr;
    return ParseDouble(FormatFixed(value, decimals));
}

Json Sums(const ResultSums& sums) {
    Json json = Json::object();
    for (const ResultColumn& column : kResultColumns)
        json[column.key] = Fixed(sums.*column.sum, column.decimals);
    return json;
}

// null within the method's range, else "below" or "above".
Json Scope(ScopeNote note) {
    if (note == ScopeNote::Within) return nullptr;
    return note == ScopeNote::Below ? "below" : "above";
}

Json Chromatograms(const std::vector<ReportChromatogram>& chromatograms) {
    Json rows = Json::array();
    for (const ReportChromatogram& c : chromatograms) {
        rows.push_back({{"id", c.id},
                        {"ticked", c.ticked},
                        {"kind", c.isCalibration ? "calibration" : "analysis"},
                        {"file", Text(c.fileName)},
                        {"sample", Text(c.sample)},
                        {"mixture", Text(c.mixture)},
                        {"method", Text(c.method)},
                        {"analysis_time_utc", UtcMoment(c.date)},
                        {"sample_mass_g", c.usableMass ? Fixed(c.sampleMass, 4) : Json(nullptr)}});
    }
    return rows;
}

Json Result(const ComponentResult& r, int number) {
    Json row = {{"number", number},
                {"name", Text(r.name)},
                {"peak_name", Text(r.peakName)},
                {"internal_standard", r.isStandard},
                {"molar_mass_g_mol", Fixed(r.molarMass, 2)},
                {"density_kg_m3", Fixed(r.density, 2)},
                {"oxygen_atoms", r.oxygenAtoms}};
    for (const ResultColumn& column : kResultColumns)
        row[column.key] = Fixed(r.*column.value, column.decimals);

    row["repeatability_limit"] =
        r.repeatabilityLimit ? Json(ParseDouble(FormatGeneral(*r.repeatabilityLimit, 15))) : Json(nullptr);
    row["repeatability_exceeded"] = r.repeatabilityExceeded;
    row["outside_scope"] = Scope(r.scope);
    return row;
}

Json Names(const std::vector<std::wstring>& names) {
    Json array = Json::array();
    for (const std::wstring& name : names) array.push_back(Text(name));
    return array;
}

// A value a rule with a guard band gives, with four decimals; null under a rule without one.
Json Optional4(const std::optional<double>& value) {
    return value ? Fixed(*value, 4) : Json(nullptr);
}

Json Limits(const CalculationData& data, Language language) {
    if (!data.limits) return nullptr;
    Json limits = Json::array();
    for (const LimitVerdict& verdict : data.verdicts) {
        limits.push_back(
            {{"name", Text(verdict.limit.name)},
             {"peak_names", verdict.limit.others ? Json("*") : Names(verdict.limit.peakNames)},
             {"quantity",
              verdict.limit.quantity == LimitQuantity::MassPercent ? "mass_percent" : "volume_percent"},
             {"measured", Fixed(verdict.measured, 4)},
             {"maximum", ParseDouble(FormatGeneral(verdict.limit.maximum, 15))},
             {"verdict", verdict.OutcomeKey()},
             {"verdict_text", Text(verdict.OutcomeMessage(), language)},
             {"doubt", Text(verdict.doubt, language)},
             {"unknown_peak_names", Names(verdict.unknownPeakNames)},
             {"doubt_kind", verdict.doubt.Empty() ? Json(nullptr) : Json(verdict.doubt.Key())},
             {"reproducibility", Optional4(verdict.reproducibility)},
             {"guard_band", Optional4(verdict.guardBand)},
             {"acceptance_limit", Optional4(verdict.acceptanceLimit)}});
    }
    return {{"file", Text(data.limits->path)},
            {"limits", limits},
            {"errors", Texts(data.limits->errors, language)}};
}

// The results' captions in the report's language, by the keys of the results: "number", "name", "mass_g", ….
Json Columns(Language language) {
    Json columns = Json::object();
    columns["number"] = Text(Message(kLeadingColumns[0]), language);
    columns["name"] = Text(Message(kLeadingColumns[1]), language);
    for (const ResultColumn& column : kResultColumns) columns[column.key] = Text(column.caption, language);
    return columns;
}

// The limits a QC result the mark rests on was held against, as the QC page shows them.
Json CheckLimits(const QualityCheck& check) {
    Json json = {{"kind", LimitsKind(check.limits)}};
    AddLimitValues(json, check.limits);
    AddEstablishment(json, check.established);
    return json;
}

// null when no QC is kept.
Json Quality(const QualityMark& quality, Language language) {
    if (quality.status == QualityMark::Status::None) return nullptr;
    Json checks = Json::array();
    for (const QualityCheck& check : quality.checks) {
        checks.push_back({{"chart", Text(check.chart, language)},
                          {"first_analysis_utc", UtcMoment(check.first)},
                          {"passed", check.passed},
                          {"why", Text(check.why, language)},
                          {"plotted", check.accepted ? "result_minus_accepted" : "result"},
                          {"accepted_value", check.accepted ? Json(*check.accepted) : Json(nullptr)},
                          {"tolerance", check.tolerance ? Json(*check.tolerance) : Json(nullptr)},
                          {"limits", CheckLimits(check)}});
    }
    return {{"status", Text(quality.Key())},
            {"text", Text(quality.TextMessage(), language)},
            {"detail", Text(quality.detail, language)},
            {"checks", checks}};
}

Json FileRecord(const ReportInput& file) {
    return {{"file", Text(file.path)}, {"sha256", file.sha256.empty() ? Json(nullptr) : Json(file.sha256)}};
}

Json OptionalFile(const std::optional<ReportInput>& file) {
    return file ? FileRecord(*file) : Json(nullptr);
}

// A reference table's record: its file, checksum and where its change log stood.
Json TableRecord(const std::wstring& path, const TableVersion& version) {
    Json file = FileRecord({path, version.sha256});
    file["logged"] = version.loggedAt.empty() ? Json(nullptr) : Json(Text(version.loggedAt));
    file["log_entries"] = version.logEntries;
    file["log_last_entry_sha256"] =
        version.logLastEntrySha256.empty() ? Json(nullptr) : Json(version.logLastEntrySha256);
    return file;
}

// An exact number, or null for one that is not finite.
Json Exact(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json ChromatogramInput(const ReportChromatogram& c) {
    Json peaks = Json::array();
    for (const Peak& peak : c.peaks) {
        peaks.push_back(
            {{"name", Text(peak.name)},
             {"concentration", peak.concentrationGiven ? Exact(peak.concentration) : Json(nullptr)}});
    }
    Json input = {{"id", c.id},
                  {"ticked", c.ticked},
                  {"file", Text(c.fileName)},
                  {"sha256", c.fileSha256.empty() ? Json(nullptr) : Json(c.fileSha256)},
                  {"sha256_unavailable", c.checksumUnavailable},
                  {"sample", Text(c.sample)},
                  {"method", Text(c.method)},
                  {"mixture", Text(c.mixture)},
                  {"kind", c.isCalibration ? "calibration" : "analysis"},
                  {"date", c.date},
                  {"sample_mass", Exact(c.sampleMass)},
                  {"peaks", peaks}};
    // Only in a report made all the same (the plug-in's): a report of files as loaded is as it always was.
    if (c.fileChanged) input["file_changed"] = true;
    return input;
}

// Everything the numbers rest on, exactly (17 significant digits), with the files' SHA-256, and how the
// report was made: what a check makes it again from.
Json Inputs(const ReportModel& model) {
    const CalculationData& data = model.data;
    Json inputs = {{"made_by", MakerKey(model.origin.maker)},
                   {"language", LanguageKey(model.language)},
                   {"standard", Text(data.standard)},
                   {"sample_density", Exact(data.sampleDensity)},
                   {"sample_density_given", data.sampleDensityGiven},
                   {"utc_offset_minutes", model.utcOffsetMinutes}};
    // The offset of each moment shown in local time: one offset cannot show times of summer and winter.
    inputs["utc_offsets"] = Json::array();
    for (const auto& [moment, minutes] : ShownUtcOffsets(model))
        inputs["utc_offsets"].push_back({{"moment", moment}, {"minutes", minutes}});
    inputs["components"] = Json::array();
    for (const Component& c : data.components) {
        inputs["components"].push_back({{"id", c.id},
                                        {"peak_name", Text(c.peakName)},
                                        {"name", Text(c.name)},
                                        {"molar_mass", Exact(c.molarMass)},
                                        {"density", Exact(c.density)},
                                        {"oxygen_atoms", c.oxygenAtoms}});
    }
    inputs["database"] = Text(model.databasePath);
    inputs["chromatograms"] = Json::array();
    for (const ReportChromatogram& c : model.chromatograms)
        inputs["chromatograms"].push_back(ChromatogramInput(c));
    inputs["components_file"] = TableRecord(data.componentsFile.path, data.componentsFile.tracking.version);
    inputs["limits_file"] =
        data.limits ? TableRecord(data.limits->path, data.limits->tracking.version) : Json(nullptr);
    inputs["stylesheet"] = OptionalFile(model.stylesheet);
    inputs["densities_file"] = OptionalFile(model.origin.densitiesFile);
    inputs["series_gap_hours"] =
        model.origin.seriesGapHours ? Json(*model.origin.seriesGapHours) : Json(nullptr);
    inputs["qc_file"] = model.origin.qcFile
                            ? TableRecord(model.origin.qcFile->path, model.origin.qcFile->version)
                            : Json(nullptr);
    return inputs;
}

Json Utc(int64_t moment) {
    return moment != 0 ? Json(Text(UtcIsoText(moment))) : Json(nullptr);
}

Json Link(const std::optional<ReportLink>& link) {
    if (!link) return nullptr;
    return {{"report_number", Text(link->number)},
            {"issued_utc", Utc(link->issuedAt)},
            {"status", link->withdrawn ? "withdrawn" : "amended"},
            {"reason", Text(link->reason)}};
}

// Where the report stands in the lab's register: written only while one is kept, so that a report of a lab
// that keeps none is what it was before the register.
void AddRegistration(Json& json, const ReportRegistration& registration) {
    if (!registration.Kept()) return;
    const bool numbered = !registration.number.empty();
    json["report_number"] = numbered ? Json(Text(registration.number)) : Json(nullptr);
    json["status"] = RegistrationStatusKey(registration.status);
    json["issued_utc"] = Utc(registration.issuedAt);
    json["issued_by"] = numbered ? Json(Text(registration.issuedBy)) : Json(nullptr);
    json["supersedes"] = Link(registration.supersedes);
    json["superseded_by"] = Link(registration.supersededBy);
    json["register"] = numbered ? Json{{"file", Text(registration.registerFile)},
                                       {"entry", registration.entry},
                                       {"previous_entry_sha256", registration.previousEntrySha256}}
                                : Json(nullptr);
}

}  // namespace

std::string ReportJson(const ReportModel& model) {
    const CalculationData& data = model.data;
    Json json = {{"format", "oxycalc-report"},
                 {"format_version", kReportFormatVersion},
                 {"program", {{"name", "oxycalc"}, {"version", Text(kPluginVersionText)}}},
                 {"created_utc", Utc(model.createdAt)}};
    AddRegistration(json, model.registration);
    json["settings"] = {{"standard", Text(data.standard)},
                        {"standard_found", data.standardFound},
                        {"sample_density_kg_m3", Fixed(data.sampleDensity, 2)}};
    json["samples"] = Json::array();
    for (const SampleName& sample : model.samples)
        json["samples"].push_back({{"sample", Text(sample.sample)}, {"mixture", Text(sample.mixture)}});
    json["chromatograms"] = Chromatograms(model.chromatograms);
    json["results"] = Json::array();
    int number = 0;
    for (const ComponentResult& r : data.results) json["results"].push_back(Result(r, ++number));
    json["totals"] = Sums(data.Sums());
    json["totals_without_standard"] = Sums(data.sumsWithoutStandard);
    const bool determined = data.TotalOxygenDetermined();
    json["total_oxygen_mass_percent"] = determined ? Fixed(data.totalOxygen, 4) : Json(nullptr);
    json["total_oxygen_outside_scope"] = Scope(data.totalOxygenScope);
    json["total_oxygen_determined"] = determined;
    json["total_oxygen_doubt"] = Text(data.totalOxygenDoubt, model.language);
    json["total_oxygen_arithmetic_mass_percent"] = Fixed(data.totalOxygen, 4);
    json["warnings"] = Json::array();
    for (const CalculationWarning& warning : data.warnings) {
        json["warnings"].push_back({{"kind", warning.Key()},
                                    {"subject", Text(warning.subject)},
                                    {"text", Text(warning.Text(model.language))},
                                    {"chromatograms", Text(warning.chromatograms)},
                                    {"detail", Text(warning.DetailText(model.language))}});
    }
    json["limits"] = Limits(data, model.language);
    json["inputs"] = Inputs(model);
    json["decision_rule"] = Text(DecisionRuleStatement(data.limits), model.language);
    json["decision_rule_name"] = DecisionRuleKey(data.limits);
    json["quality"] = Quality(model.quality, model.language);
    json["columns"] = Columns(model.language);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<std::string> ReportJsonWithStanding(const std::string& issued, const ReportLink& supersededBy) {
    Json json = Json::parse(issued, nullptr, false);
    if (!json.is_object() || !json.contains("report_number") || !json.contains("superseded_by"))
        return std::nullopt;
    json["status"] = supersededBy.withdrawn ? "withdrawn" : "amended";
    json["superseded_by"] = Link(supersededBy);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
