#include "report/ReportJson.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>

#include "platform/WideText.h"
#include "report/ReportSample.h"
#include "support/TempFolder.h"

namespace {

using Json = nlohmann::ordered_json;

ReportModel SampleModel() {
    CalculationData data = SampleCalculation();
    Limit oxygen{L"Кислород", {}, false, LimitQuantity::MassPercent, 2.7, L"2.7", std::nullopt, std::nullopt};
    Limit others{L"Прочие", {}, true, LimitQuantity::VolumePercent, 15.0, L"15", std::nullopt, std::nullopt};
    data.limits =
        LimitsFile{L"LimitsOxycalc.csv",
                   {oxygen, others},
                   {Message(MessageCode::FileLine, {int64_t{4}, Nested(MessageCode::LimitsNoName)})},
                   {}};
    LimitVerdict exceeds{oxygen, 2.7183, LimitVerdict::Outcome::Exceeds, {}, {}, {}, {}, {}};
    LimitVerdict open{
        others, 0.125, LimitVerdict::Outcome::Undetermined, {}, MessageCode::DoubtNoStandard, {}, {}, {}};
    data.verdicts = {exceeds, open};
    return MakeReportModel(SampleAssaysWithSamples(), data, 1710411000);
}

}  // namespace

TEST(ReportJson, GivesTheDocumentedShapeInUtf8WithThePrintedValues) {
    const std::string text = ReportJson(SampleModel());
    EXPECT_NE(text.find("\"standard\": \"1,2-диметоксиэтан\""), std::string::npos) << "Cyrillic unescaped";
    const Json json = Json::parse(text);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"format",
                                              "format_version",
                                              "program",
                                              "created_utc",
                                              "settings",
                                              "samples",
                                              "chromatograms",
                                              "results",
                                              "totals",
                                              "totals_without_standard",
                                              "total_oxygen_mass_percent",
                                              "total_oxygen_outside_scope",
                                              "total_oxygen_determined",
                                              "total_oxygen_doubt",
                                              "total_oxygen_arithmetic_mass_percent",
                                              "warnings",
                                              "limits",
                                              "inputs",
                                              "decision_rule",
                                              "decision_rule_name",
                                              "quality",
                                              "columns"}));
    EXPECT_EQ(json["format_version"], 2);
    EXPECT_EQ(json["created_utc"], "2024-03-14T10:10:00Z");
    EXPECT_EQ(json["settings"]["sample_density_kg_m3"], 745.68);
    EXPECT_EQ(json["settings"]["standard_found"], true);
    EXPECT_EQ(json["samples"].size(), 2u);
    EXPECT_EQ(json["chromatograms"][0]["sample_mass_g"], 10.0213);
    EXPECT_TRUE(json["chromatograms"][1]["sample_mass_g"].is_null());  // none given
    EXPECT_EQ(json["chromatograms"][2]["kind"], "calibration");
    const Json& mtbe = json["results"][0];
    EXPECT_EQ(mtbe["mass_percent"], 8.2357);
    EXPECT_EQ(mtbe["oxygen_mass_percent"], 1.4949);  // rounded as printed: 1.49485 gives 1.4949
    EXPECT_EQ(mtbe["oxygen_atoms"], 1);
    EXPECT_TRUE(mtbe["outside_scope"].is_null());
    EXPECT_EQ(json["results"][1]["delta_mass_percent"], 0.0001);
    EXPECT_EQ(json["results"][2]["internal_standard"], true);
    EXPECT_EQ(json["totals"]["delta_mass_percent"],
              0.0558);  // 0.05585 is a little less in binary, as printed
    EXPECT_EQ(json["total_oxygen_mass_percent"], 2.7183);
    EXPECT_EQ(json["total_oxygen_determined"], true);
    EXPECT_EQ(json["total_oxygen_doubt"], "");
    EXPECT_EQ(json["warnings"][0]["kind"], "no_molar_mass");
    EXPECT_EQ(json["limits"]["limits"][0]["verdict"], "exceeds");
    EXPECT_EQ(json["limits"]["limits"][1]["peak_names"], "*");
    EXPECT_EQ(json["limits"]["limits"][1]["verdict"], "undetermined");
    EXPECT_EQ(json["limits"]["limits"][1]["doubt"], "внутренний стандарт не задан");
    EXPECT_EQ(json["limits"]["errors"][0], "строка 4: нет названия нормы");
}

TEST(ReportJson, WritesNullForAValueThatIsNoNumberAndForAReportWithoutTimeOrLimits) {
    ReportModel model = SampleModel();
    model.data.results[0].oxygen = std::numeric_limits<double>::infinity();
    model.data.limits.reset();
    model.createdAt = 0;
    const Json json = Json::parse(ReportJson(model));
    EXPECT_TRUE(json["results"][0]["oxygen_mass_percent"].is_null());
    EXPECT_TRUE(json["created_utc"].is_null());
    EXPECT_TRUE(json["limits"].is_null());
    EXPECT_TRUE(json["quality"].is_null());  // no QC kept
}

TEST(ReportJson, CarriesWhatQcSaysOfTheSeries) {
    ReportModel model = SampleModel();
    model.quality = SampleDoubt();
    const Json json = Json::parse(ReportJson(model));
    EXPECT_EQ(json["quality"]["status"], "in_doubt");
    EXPECT_EQ(json["quality"]["text"], "под сомнением: контроль качества не пройден");
    EXPECT_EQ(json["quality"]["detail"], "контроль «КО-1 — кислород, % масс.» не пройден");
    // Which limits judged the check: a report keeps them, whatever the lab establishes later.
    const Json& check = json["quality"]["checks"][0];
    EXPECT_EQ(check["first_analysis_utc"], "2024-03-14T12:00:00Z");
    EXPECT_EQ(check["passed"], false);
    EXPECT_EQ(check["plotted"], "result");
    EXPECT_EQ(check["limits"]["kind"], "established");
    EXPECT_EQ(check["limits"]["centre"], 2.1072);
    EXPECT_EQ(check["limits"]["upper"], 2.1718);
    EXPECT_EQ(check["limits"]["established_utc"], "2024-03-16T10:05:00Z");
    EXPECT_EQ(check["limits"]["reason"], "первые 20 дней <контроля & проверки>");
    EXPECT_EQ(json["limits"]["limits"][0]["verdict"], "exceeds");  // the verdicts stay as they are
}

// A LIMS that takes the total as it stands must not meet a number that is no result.
TEST(ReportJson, GivesNoTotalWhileItIsNoResultButWhyAndItsArithmeticValue) {
    ReportModel model = SampleModel();
    model.data.totalOxygen = 3.9;
    model.data.totalOxygenDoubt = MessageCode::DoubtUnprocessed;
    model.chromatograms[0].checksumUnavailable = true;
    model.chromatograms[0].fileSha256.clear();
    const Json json = Json::parse(ReportJson(model));
    EXPECT_TRUE(json["total_oxygen_mass_percent"].is_null());
    EXPECT_TRUE(json["total_oxygen_outside_scope"].is_null());  // the range says nothing of it
    EXPECT_EQ(json["total_oxygen_determined"], false);
    EXPECT_EQ(json["total_oxygen_doubt"], "отмечена хроматограмма без именованных пиков (не обработана)");
    EXPECT_EQ(json["total_oxygen_arithmetic_mass_percent"], 3.9);
    EXPECT_TRUE(json["inputs"]["chromatograms"][0]["sha256"].is_null());
    EXPECT_EQ(json["inputs"]["chromatograms"][0]["sha256_unavailable"], true);
    EXPECT_EQ(json["inputs"]["chromatograms"][1]["sha256_unavailable"], false);
}

#ifndef _WIN32
// The shape the schema beside the header describes, for a report with limits and QC and for one with
// neither, an infinite result and no time.
TEST(ReportJson, FollowsItsSchema) {
    ReportModel full = SampleModel();
    full.quality = {QualityMark::Status::InDoubt, MessageCode::QcFailed, {}};
    full.origin = {ReportOrigin::Maker::Batch, ReportInput{L"/d.csv", std::string(64, 'a')}, 12.0,
                   ReportTable{L"/q.csv", {}}};
    ReportModel bare = SampleModel();
    bare.data.results[0].oxygen = std::numeric_limits<double>::infinity();
    bare.data.limits.reset();
    bare.createdAt = 0;
    bare.data.totalOxygenDoubt = MessageCode::DoubtNoStandard;  // the total no result
    bare.chromatograms[0].fileSha256.clear();
    bare.chromatograms[0].checksumUnavailable = true;
    const TempFolder folder;
    std::string command = "/usr/bin/python3 '" OXY_SOURCE_DIR "/tools/check-report-json.py' '" OXY_SOURCE_DIR
                          "/src/report/ReportJson.schema.json'";
    for (const auto& [name, model] : {std::pair{L"full.json", &full}, std::pair{L"bare.json", &bare}})
        command += " '" + ToUtf8(folder.Write(name, ReportJson(*model))) + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
#endif
