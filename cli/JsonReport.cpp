#include "JsonReport.h"

#include <cmath>

#include "JsonWriter.h"
#include "calc/MethodScope.h"
#include "calc/NameCompare.h"
#include "calc/NotSet.h"
#include "calc/ResultTotals.h"
#include "calc/TickedSamples.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "res/ProductVersion.h"

namespace {

std::optional<std::wstring> Fixed(double value, int decimals) {
    if (!std::isfinite(value) || IsNotSet(value)) return std::nullopt;
    return FormatFixed(value, decimals);
}

void WriteSums(JsonWriter& json, std::string_view name, const ResultSums& sums) {
    json.BeginObject(name);
    json.Number("mass_g", Fixed(sums.mass, 4));
    json.Number("mass_percent", Fixed(sums.massPercent, 4));
    json.Number("delta_mass_percent", Fixed(sums.delta, 4));
    json.Number("volume_cm3", Fixed(sums.volume, 4));
    json.Number("volume_percent", Fixed(sums.volumePercent, 4));
    json.Number("oxygen_mass_percent", Fixed(sums.oxygen, 4));
    json.EndObject();
}

// null within the method's range, else "below" or "above".
void WriteScope(JsonWriter& json, std::string_view name, ScopeNote note) {
    if (note == ScopeNote::Within) {
        json.Null(name);
    } else {
        json.Text(name, note == ScopeNote::Below ? L"below" : L"above");
    }
}

void WriteSettings(JsonWriter& json, const SampleReport& report) {
    json.BeginObject("settings");
    json.Text("standard", report.data.standard);
    json.Bool("standard_found", NamesAComponent(report.data.components, report.data.standard));
    json.Number("sample_density_kg_m3", Fixed(report.data.sampleDensity, 2));
    json.EndObject();
    json.BeginArray("samples");
    for (const SampleName& sample : TickedSamples(report.assays)) {
        json.BeginObject();
        json.Text("sample", sample.sample);
        json.Text("mixture", sample.mixture);
        json.EndObject();
    }
    json.EndArray();
}

void WriteChromatograms(JsonWriter& json, const std::vector<Assay>& assays) {
    json.BeginArray("chromatograms");
    for (const Assay& assay : assays) {
        json.BeginObject();
        json.Integer("id", assay.id);
        json.Bool("ticked", assay.isTicked != 0);
        json.Text("kind", assay.isCalibration ? L"calibration" : L"analysis");
        json.Text("file", assay.fileName);
        json.Text("sample", assay.sample);
        json.Text("mixture", assay.mixture);
        json.Text("method", assay.method);
        json.Text("analysis_time_utc", UtcIsoText(assay.date));
        json.Number("sample_mass_g", HasUsableMass(assay) ? Fixed(assay.sampleMass, 4) : std::nullopt);
        json.EndObject();
    }
    json.EndArray();
}

void WriteResults(JsonWriter& json, const SampleReport& report) {
    const CalculationData& data = report.data;
    const std::vector<Limit> noLimits;
    const std::vector<Limit>& limits = report.limits ? report.limits->limits : noLimits;
    json.BeginArray("results");
    int number = 0;
    for (const ComponentResult& r : data.results) {
        json.BeginObject();
        json.Integer("number", ++number);
        json.Text("name", r.name);
        json.Text("peak_name", r.peakName);
        json.Bool("internal_standard", EqualNoCase(r.name, data.standard));
        json.Number("molar_mass_g_mol", Fixed(r.molarMass, 2));
        json.Number("density_kg_m3", Fixed(r.density, 2));
        json.Integer("oxygen_atoms", r.oxygenAtoms);
        json.Number("mass_g", Fixed(r.mass, 4));
        json.Number("mass_percent", Fixed(r.massPercent, 4));
        json.Number("delta_mass_percent", Fixed(r.delta, 4));
        json.Number("volume_cm3", Fixed(r.volume, 4));
        json.Number("volume_percent", Fixed(r.volumePercent, 4));
        json.Number("oxygen_mass_percent", Fixed(r.oxygen, 4));
        const std::optional<double> limit = RepeatabilityLimit(limits, r);
        json.Number("repeatability_limit",
                    limit ? std::optional<std::wstring>(FormatGeneral(*limit, 15)) : std::nullopt);
        json.Bool("repeatability_exceeded", limit && RepeatabilityExceeded(r, *limit));
        WriteScope(json, "outside_scope", ResultScope(r, data.standard));
        json.EndObject();
    }
    json.EndArray();
    WriteSums(json, "totals",
              {data.sumMass, data.sumMassPercent, data.sumDelta, data.sumVolume, data.sumVolumePercent,
               data.sumOxygen});
    WriteSums(json, "totals_without_standard", SumsWithoutStandard(data));
    json.Number("total_oxygen_mass_percent", Fixed(data.totalOxygen, 4));
    WriteScope(json, "total_oxygen_outside_scope", TotalOxygenScope(data.totalOxygen));
}

void WriteWarnings(JsonWriter& json, const CalculationData& data) {
    json.BeginArray("warnings");
    for (const CalculationWarning& warning : data.warnings) {
        json.BeginObject();
        json.Text("kind", warning.Key());
        json.Text("subject", warning.subject);
        json.Text("text", warning.Text());
        json.EndObject();
    }
    json.EndArray();
}

const wchar_t* VerdictKey(LimitVerdict::Outcome outcome) {
    switch (outcome) {
        case LimitVerdict::Outcome::Conforms:
            return L"conforms";
        case LimitVerdict::Outcome::Exceeds:
            return L"exceeds";
        case LimitVerdict::Outcome::Undetermined:
            break;
    }
    return L"undetermined";
}

void WriteLimit(JsonWriter& json, const LimitVerdict& verdict) {
    json.BeginObject();
    json.Text("name", verdict.limit.name);
    if (verdict.limit.others) {
        json.Text("peak_names", L"*");
    } else {
        json.BeginArray("peak_names");
        for (const std::wstring& name : verdict.limit.peakNames) json.Text({}, name);
        json.EndArray();
    }
    json.Text("quantity",
              verdict.limit.quantity == LimitQuantity::MassPercent ? L"mass_percent" : L"volume_percent");
    json.Number("measured", Fixed(verdict.measured, 4));
    json.Number("maximum", FormatGeneral(verdict.limit.maximum, 15));
    json.Text("verdict", VerdictKey(verdict.outcome));
    json.Text("doubt", verdict.doubt);
    json.BeginArray("unknown_peak_names");
    for (const std::wstring& name : verdict.unknownPeakNames) json.Text({}, name);
    json.EndArray();
    json.EndObject();
}

void WriteLimits(JsonWriter& json, const SampleReport& report) {
    if (!report.limits) {
        json.Null("limits");
        return;
    }
    json.BeginObject("limits");
    json.Text("file", report.limits->path);
    json.BeginArray("limits");
    for (const LimitVerdict& verdict : CheckLimits(report.limits->limits, report.data, report.assays))
        WriteLimit(json, verdict);
    json.EndArray();
    json.BeginArray("errors");
    for (const std::wstring& error : report.limits->errors) json.Text({}, error);
    json.EndArray();
    json.EndObject();
}

}  // namespace

std::string ReportJson(const SampleReport& report) {
    JsonWriter json;
    json.BeginObject();
    json.Text("format", L"oxycalc-report");
    json.Integer("format_version", 1);
    json.BeginObject("program");
    json.Text("name", L"oxycalc");
    json.Text("version", kPluginVersionText);
    json.EndObject();
    if (report.createdAt != 0) {
        json.Text("created_utc", UtcIsoText(report.createdAt));
    } else {
        json.Null("created_utc");
    }
    WriteSettings(json, report);
    WriteChromatograms(json, report.assays);
    WriteResults(json, report);
    WriteWarnings(json, report.data);
    WriteLimits(json, report);
    json.EndObject();
    return json.Finish();
}
