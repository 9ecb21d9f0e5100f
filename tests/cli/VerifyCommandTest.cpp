// oxycalc-cli verify and history as an auditor runs them: a report verifies while its inputs stand, and a
// report or a change log made to tell another story does not.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliFixture.h"
#include "DemoData.h"
#include "HostDatabase.h"
#include "calc/CalculationWarning.h"
#include "platform/LocalTime.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/ReferenceTable.h"
#include "records/TableLog.h"

namespace {

using Json = nlohmann::ordered_json;

class VerifyCommandTest : public CliFixture {
protected:
    // The demo petrol's report held against EN 228 E10, as JSON and XML (and its page, so that the
    // stylesheet is recorded too).
    CliRun MakeReport(const std::wstring& json = L"r.json", const std::wstring& xml = L"r.xml") const {
        std::vector<std::string> args = DemoPetrol();
        args.insert(args.end(),
                    {"--standard", "1,2-Диметоксиэтан", "--limits", limits, "--json", Path(json), "--xml",
                     Path(xml), "--html", Path(L"r.html"), "--xsl", OXY_STYLESHEET_DIR "/Report.xsl"});
        return Report(args);
    }

    CliRun Verify(const std::wstring& report) const { return Run({"verify", Path(report)}); }

    // The report for programs edited as someone who wants another outcome would edit it.
    void EditJson(const std::wstring& name, const std::function<void(Json&)>& edit) const {
        Json json = Json::parse(Read(name));
        edit(json);
        WriteBytes(folder.File(name), json.dump(2) + "\n");
    }

    void Replace(const std::wstring& name, const std::string& from, const std::string& to) const {
        std::string text = Read(name);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        WriteBytes(folder.File(name), text);
    }

    HostDatabase Database() const { return HostDatabase(folder.File(L"host.db")); }

    const std::string limits = ShippedLimits(L"LimitsOxycalc-EN228-E10.csv");
};

}  // namespace

TEST_F(VerifyCommandTest, AnHonestReportVerifiesAndEachChangedInputIsNamed) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    for (const wchar_t* report : {L"r.json", L"r.xml"}) {
        const CliRun run = Verify(report);
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_TRUE(Holds(run.out, "совпадает с записанным")) << run.out;
    }
    std::string file = Read(L"Проба 2417-2.stg");
    file.back() = static_cast<char>(file.back() ^ 1);
    WriteBytes(folder.File(L"Проба 2417-2.stg"), file);
    Database().Execute(
        "UPDATE peak SET concentration = concentration + 0.001 WHERE assayid = 103 AND name = 'Этанол';");
    Replace(L"CompsTableOxycalc.csv", "793.50", "793.60");
    const CliRun changed = Verify(L"r.json");
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_TRUE(Holds(changed.out, "Проба 2417-2.stg» изменён")) << changed.out;
    EXPECT_TRUE(Holds(changed.out, "файл таблицы компонентов")) << changed.out;
    EXPECT_TRUE(Holds(changed.out, "inputs.chromatograms[3 №103].peaks[")) << changed.out;
    EXPECT_TRUE(Holds(changed.out, "results[6 «Этанол»].mass_percent: в отчёте «4.6029», сейчас «"))
        << changed.out;

    std::filesystem::remove(ToUtf8(folder.File(L"Проба 2417-1.stg")));
    const CliRun gone = Verify(L"r.xml");
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_TRUE(Holds(gone.out, "не проверить: файл хроматограммы")) << gone.out;
}

// The plug-in's report says which ticked chromatograms it did not count while their files were away: only
// the report knows it, and its check takes it from there.
// A report recorded before its words were carried (no captions, no verdicts in words) verifies: what it
// lacks is no difference, while every word it carries is still compared.
TEST_F(VerifyCommandTest, AReportRecordedBeforeItsWordsWereCarriedStillVerifies) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    EditJson(L"r.json", [](Json& json) {
        json.erase("columns");
        for (Json& limit : json["limits"]["limits"]) limit.erase("verdict_text");
    });
    std::string xml = Read(L"r.xml");
    xml.erase(xml.find("  <words>"), xml.find("</words>") + 9 - xml.find("  <words>"));
    WriteBytes(folder.File(L"r.xml"), xml);
    for (const wchar_t* report : {L"r.json", L"r.xml"}) {
        const CliRun run = Verify(report);
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    }
    EditJson(L"r.json", [](Json& json) { json["limits"]["limits"][0]["verdict_text"] = "превышает"; });
    EXPECT_TRUE(Holds(Verify(L"r.json").out, "verdict_text: в отчёте «превышает», сейчас «соответствует»"));
}

TEST_F(VerifyCommandTest, TicksTheDialogKeptWhileTheirFilesWereAwayAreTakenFromTheReport) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    const CalculationWarning kept{MessageCode::TicksNotCounted, L"", L"Проба 2417-4.stg"};
    EditJson(L"r.json", [&kept](Json& json) {
        json["warnings"].push_back({{"kind", kept.Key()},
                                    {"subject", ""},
                                    {"text", ToUtf8(kept.Text())},
                                    {"chromatograms", ToUtf8(kept.chromatograms)},
                                    {"detail", ""}});
    });
    const CliRun run = Verify(L"r.json");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
}

TEST_F(VerifyCommandTest, AReportMadeWithAnotherTableFailsThoughItCarriesTheHonestTablesRecord) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    std::string table = Read(L"CompsTableOxycalc.csv");
    table.replace(table.find("88.15"), 5, "100.00");
    WriteBytes(folder.File(L"Другая.csv"), table);
    std::vector<std::string> args = DemoPetrol();
    args.insert(args.end(), {"--standard", "1,2-Диметоксиэтан", "--components", Path(L"Другая.csv"), "--json",
                             Path(L"made.json")});
    ASSERT_EQ(Run([&] {
                  std::vector<std::string> all{"report", "--db", Path(L"host.db")};
                  all.insert(all.end(), args.begin(), args.end());
                  return all;
              }())
                  .exitCode,
              0);
    const Json honest = Json::parse(Read(L"r.json"));
    EditJson(L"made.json",
             [&](Json& json) { json["inputs"]["components_file"] = honest["inputs"]["components_file"]; });
    const CliRun run = Verify(L"made.json");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "total_oxygen_mass_percent: в отчёте «3.3572», сейчас «3.5343»")) << run.out;
    EXPECT_TRUE(Holds(run.out, "inputs.components[2 «Метил-трет-бутиловый эфир»].molar_mass")) << run.out;
}

TEST_F(VerifyCommandTest, EveryFieldEditedToTellAnotherStoryIsNamed) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    const std::string honest = Read(L"r.json");
    struct Edit {
        const char* what;
        std::function<void(Json&)> edit;
    };
    const std::vector<Edit> edits = {
        {"inputs.chromatograms[1 №101].sample_mass",
         [](Json& j) {
             j["inputs"]["chromatograms"][0]["sample_mass"] = 25.0213;
             j["chromatograms"][0]["sample_mass_g"] = 25.0213;
         }},
        {"limits: в отчёте", [](Json& j) { j["inputs"]["limits_file"] = nullptr; }},
        {"не проверить: файл норм",
         [](Json& j) { j["inputs"]["limits_file"]["file"] = "/нет/такого/LimitsOxycalc.csv"; }},
        {"limits.limits[1 «Кислород (EN 228, E10)»].measured",
         [](Json& j) { j["limits"]["limits"][0]["measured"] = 3.4; }},
        {"limits.limits[1 «Кислород (EN 228, E10)»].maximum",
         [](Json& j) { j["limits"]["limits"][0]["maximum"] = 4.0; }},
        {"limits.limits[3 «Этанол (EN 228, E10)»].verdict",
         [](Json& j) { j["limits"]["limits"][2]["verdict"] = "exceeds"; }},
        {"quality",
         [](Json& j) {
             j["quality"] = {{"status", "confirmed"}, {"text", "подтверждено"}, {"detail", ""}};
         }},
        {"warnings[1",
         [](Json& j) {
             j["warnings"].push_back({{"kind", "no_standard"},
                                      {"subject", ""},
                                      {"text", "—"},
                                      {"chromatograms", ""},
                                      {"detail", ""}});
         }},
        {"results[1 «Диизопропиловый эфир»].outside_scope",
         [](Json& j) { j["results"][0]["outside_scope"] = nullptr; }},
        {"results[6 «Этанол»].repeatability_exceeded",
         [](Json& j) { j["results"][5]["repeatability_exceeded"] = true; }},
        {"decision_rule", [](Json& j) { j["decision_rule"] = "с защитной полосой"; }},
        {"totals_without_standard.oxygen_mass_percent",
         [](Json& j) { j["totals_without_standard"]["oxygen_mass_percent"] = 3.4; }},
        {"results[2 «Метил-трет-бутиловый эфир»].molar_mass_g_mol",
         [](Json& j) { j["results"][1]["molar_mass_g_mol"] = 100; }},
        {"results[2 «Метил-трет-бутиловый эфир»].peak_name",
         [](Json& j) { j["results"][1]["peak_name"] = "ЭТБЭ"; }},
        {"inputs.chromatograms[1 №101].method",
         [](Json& j) { j["inputs"]["chromatograms"][0]["method"] = "другой"; }},
        // Settings edited: the report made with them is not the report recorded.
        {"chromatograms[1 №101].ticked: в отчёте «true», сейчас «false»",
         [](Json& j) { j["inputs"]["chromatograms"][0]["ticked"] = false; }},
        {"limits.limits[3 «Этанол (EN 228, E10)»].verdict: в отчёте «conforms», сейчас «undetermined»",
         [](Json& j) { j["inputs"]["sample_density_given"] = false; }},
    };
    for (const Edit& edit : edits) {
        WriteBytes(folder.File(L"r.json"), honest);
        EditJson(L"r.json", edit.edit);
        const CliRun run = Verify(L"r.json");
        EXPECT_EQ(run.exitCode, 1) << edit.what;
        EXPECT_TRUE(Holds(run.out, edit.what)) << edit.what << "\n" << run.out;
    }
    WriteBytes(folder.File(L"r.json"), honest);

    // The document: its settings, ticks and masses as the page shows them.
    const std::string xml = Read(L"r.xml");
    const std::vector<std::pair<std::string, std::string>> xmlEdits = {
        {"<density_proba>745.68</density_proba>", "<density_proba>745.00</density_proba>"},
        {"<standart>1,2-Диметоксиэтан</standart>", "<standart>ДМЭ</standart>"},
        {"<name>Да</name>", "<name>Нет</name>"},
        {"<name>10.02</name>", "<name>25.02</name>"},
    };
    for (const auto& [from, to] : xmlEdits) {
        WriteBytes(folder.File(L"r.xml"), xml);
        Replace(L"r.xml", from, to);
        const CliRun run = Verify(L"r.xml");
        EXPECT_EQ(run.exitCode, 1) << from;
        EXPECT_TRUE(
            Holds(run.out, "в отчёте «" + to.substr(to.find('>') + 1, to.rfind('<') - to.find('>') - 1)))
            << from << "\n"
            << run.out;
    }
}

TEST_F(VerifyCommandTest, AReportThatCannotBeReadExitsWithTwoNamingWhy) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    const std::string honest = Read(L"r.json");
    const std::vector<std::pair<std::function<void(Json&)>, std::string>> edits = {
        {[](Json& j) { j["inputs"]["chromatograms"][0].erase("sha256"); }, "inputs.chromatograms[0].sha256"},
        {[](Json& j) { j["inputs"].erase("made_by"); }, "inputs.made_by"},
        {[](Json& j) { j.erase("inputs"); }, "«inputs»"},
        {[](Json& j) { j["inputs"]["sample_density"] = "745.68"; },
         "inputs.sample_density» в отчёте — не число"},
        {[](Json& j) { j["inputs"]["components_file"].erase("log_entries"); },
         "inputs.components_file.log_entries"},
        {[](Json& j) { j["inputs"]["chromatograms"].push_back(j["inputs"]["chromatograms"][0]); },
         "записана в отчёте дважды"},
        {[](Json& j) { j["format_version"] = 1; }, "версия формата отчёта 1"},
        {[](Json& j) { j["format"] = "other"; }, "это не отчёт oxycalc"},
        // Values beyond what the program records.
        {[](Json& j) { j["inputs"]["utc_offset_minutes"] = 43200; },
         "inputs.utc_offset_minutes» в отчёте — вне"},
        {[](Json& j) { j["inputs"]["chromatograms"][0]["id"] = 4294967397; }, "inputs.chromatograms[0].id"},
        {[](Json& j) { j["inputs"]["components_file"]["log_last_entry_sha256"] = nullptr; },
         "inputs.components_file.log_entries» в отчёте — вне"},
        {[](Json& j) { j["inputs"]["components_file"]["sha256"] = "abc"; }, "— не SHA-256"},
    };
    for (const auto& [edit, said] : edits) {
        WriteBytes(folder.File(L"r.json"), honest);
        EditJson(L"r.json", edit);
        const CliRun run = Verify(L"r.json");
        EXPECT_EQ(run.exitCode, 2) << said;
        EXPECT_TRUE(Holds(run.err, said)) << said << "\n" << run.err;
    }
    WriteBytes(folder.File(L"broken.json"), "{\"format\": ");
    EXPECT_EQ(Verify(L"broken.json").exitCode, 2);
    // A verdict given twice (a reader keeping the first sees "conforms"), a nesting that would exhaust the
    // stack even inside the member passed over.
    Replace(L"r.json", "\"verdict\": \"conforms\"", "\"verdict\": \"conforms\", \"verdict\": \"exceeds\"");
    CliRun twice = Verify(L"r.json");
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_TRUE(Holds(twice.err, "ключ «verdict» записан дважды в «limits.limits[0]»")) << twice.err;
    std::string deep = honest;
    deep.replace(deep.find("\"program\": ") + 11, 0,
                 std::string(100000, '[') + std::string(100000, ']') + ", \"x\": ");
    WriteBytes(folder.File(L"r.json"), deep);
    EXPECT_EQ(Verify(L"r.json").exitCode, 2);
    WriteBytes(folder.File(L"r.json"), honest);  // the schema's own check of the folder would recurse
    // Text a reader sees whole, split by a comment or a CDATA section, or an attribute the program never
    // writes.
    const std::string document = Read(L"r.xml");
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"партия 2417</name>", "партия 2417<!---->1</name>"},
             {"<maximum>3.7</maximum>", "<maximum>3.7<![CDATA[5]]></maximum>"},
             {"<made_by>", "<made_by kind=\"x\">"}}) {
        WriteBytes(folder.File(L"r.xml"), document);
        Replace(L"r.xml", from, to);
        EXPECT_EQ(Verify(L"r.xml").exitCode, 2) << to;
    }
    WriteBytes(folder.File(L"r.xml"), document);
    Replace(L"r.xml", "<made_by>report</made_by>", "");
    const CliRun xml = Verify(L"r.xml");
    EXPECT_EQ(xml.exitCode, 2);
    EXPECT_TRUE(Holds(xml.err, "Document/inputs/made_by")) << xml.err;
}

TEST_F(VerifyCommandTest, AReportRecordsAbsolutePathsAndIsCheckedFromAnyFolder) {
    const std::string cli = Quoted(OXY_CLI_PATH);
    const std::string inFolder = "cd " + Quoted(ToUtf8(folder.Path())) + " && " + cli;
    ASSERT_EQ(std::system((inFolder +
                           " report --db host.db --components CompsTableOxycalc.csv --assay 101 --tick-all "
                           "--density 745.68 --standard 1,2-Диметоксиэтан --json r.json >/dev/null 2>&1")
                              .c_str()),
              0);
    const Json json = Json::parse(Read(L"r.json"));
    EXPECT_EQ(json["inputs"]["database"], Path(L"host.db"));
    EXPECT_EQ(json["inputs"]["components_file"]["file"], Path(L"CompsTableOxycalc.csv"));
    EXPECT_EQ(Verify(L"r.json").exitCode, 0);  // from the test's working folder
    // An earlier report with a relative path: found beside the report.
    EditJson(L"r.json", [](Json& j) { j["inputs"]["database"] = "host.db"; });
    const CliRun run = Verify(L"r.json");
    EXPECT_EQ(run.exitCode, 0) << run.out;
}

TEST_F(VerifyCommandTest, ANameWithAControlCharacterReadsAlikeInTheDocumentAndTheJson) {
    Database().Execute("UPDATE assay SET sample = 'АИ-95' || char(1) || 'К5' WHERE id IN (101, 102, 103);");
    ASSERT_EQ(MakeReport().exitCode, 0);
    EXPECT_TRUE(Holds(Read(L"r.json"), "АИ-95\xEF\xBF\xBDК5"));
    EXPECT_TRUE(Holds(Read(L"r.xml"), "АИ-95\xEF\xBF\xBDК5"));
    for (const wchar_t* report : {L"r.json", L"r.xml"}) {
        const CliRun run = Verify(report);
        EXPECT_EQ(run.exitCode, 0) << run.out;
    }
}

TEST_F(VerifyCommandTest, LocalTimesAreCheckedInTheZoneTheReportWasMadeIn) {
    std::string command = "TZ=MSK-3 " + Quoted(OXY_CLI_PATH) + " report --db " + Quoted(Path(L"host.db")) +
                          " --components " + Quoted(Path(L"CompsTableOxycalc.csv")) +
                          " --assay 101 --tick-all --density 745.68 --standard 1,2-Диметоксиэтан --xml " +
                          Quoted(Path(L"r.xml")) + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(Holds(Read(L"r.xml"), "<analyse_time>14.03.24  12:12</analyse_time>"));
    const CliRun run = Verify(L"r.xml");  // in UTC
    EXPECT_EQ(run.exitCode, 0) << run.out;
}

// Made in a zone with summer time, of analyses in the other season than the day the report is made: one
// offset cannot show both, so each moment's is recorded.
TEST_F(VerifyCommandTest, TimesShownInSummerAndWinterTimeAreCheckedAsTheyWereShown) {
    const char* berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
    bool summerNow = false;
    {
        const ScopedTimeZone zone(berlin);
        summerNow = UtcOffsetMinutes(std::time(nullptr)) == 120;
    }
    // 14 March is winter time there; 14 July summer time.
    if (!summerNow) Database().Execute("UPDATE assay SET date = date + 122 * 86400 WHERE id = 101;");
    const std::string command =
        "TZ=" + Quoted(berlin) + " " + Quoted(OXY_CLI_PATH) + " report --db " + Quoted(Path(L"host.db")) +
        " --components " + Quoted(Path(L"CompsTableOxycalc.csv")) +
        " --assay 101 --tick-all --density 745.68 --standard 1,2-Диметоксиэтан --xml " +
        Quoted(Path(L"r.xml")) + " --json " + Quoted(Path(L"r.json")) + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(Holds(Read(L"r.xml"), summerNow ? "<analyse_time>14.03.24  10:12</analyse_time>"
                                                : "<analyse_time>14.07.24  11:12</analyse_time>"))
        << Read(L"r.xml");
    for (const wchar_t* report : {L"r.xml", L"r.json"}) {
        EXPECT_EQ(Verify(report).exitCode, 0) << Verify(report).out;  // in UTC
        const std::string moscow =
            "TZ=MSK-3 " + Quoted(OXY_CLI_PATH) + " verify " + Quoted(Path(report)) + " >/dev/null";
        EXPECT_EQ(std::system(moscow.c_str()), 0);
    }
    // An offset beyond any zone's is no report the program wrote.
    const std::string honest = Read(L"r.json");
    EditJson(L"r.json", [](Json& j) { j["inputs"]["utc_offsets"][0]["minutes"] = 43200; });
    EXPECT_EQ(Verify(L"r.json").exitCode, 2);
    WriteBytes(folder.File(L"r.json"), honest);
}

TEST_F(VerifyCommandTest, ABatchReportIsMadeAgainFromItsSeriesDensitiesAndQc) {
    DemoData::WriteDemo(folder.Path(), 200, true);
    Run(Batch(L"b"));
    const std::wstring base = L"b/2024-03-14_0912_АИ-95-К5_партия_2417";
    ASSERT_TRUE(Holds(Read(base + L".json"), "\"made_by\": \"batch\""));
    ASSERT_TRUE(Holds(Read(base + L".json"), "\"quality\": {"));
    for (const wchar_t* extension : {L".json", L".xml"}) {
        const CliRun run = Verify(base + extension);
        EXPECT_EQ(run.exitCode, 0) << run.out;
    }
    // Its QC record taken out: made again, the batch reads the QC file beside the components file all the
    // same, and the report without its mark does not verify.
    const std::string honest = Read(base + L".json");
    EditJson(base + L".json", [](Json& j) {
        j["quality"] = nullptr;
        j["inputs"]["qc_file"] = nullptr;
    });
    const CliRun stripped = Verify(base + L".json");
    EXPECT_EQ(stripped.exitCode, 1);
    EXPECT_TRUE(Holds(stripped.out, "а отчёт пакета его не называет")) << stripped.out;
    EXPECT_TRUE(Holds(stripped.out, "quality: в отчёте «null»")) << stripped.out;
    WriteBytes(folder.File(base + L".json"), honest);
    // Another analysis of the sample within the series gap joins the series.
    Database().Execute(
        "INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration) "
        "SELECT 900, date + 600, filename, sample, mixture, method, iscalibration FROM assay WHERE id = "
        "103;");
    std::string densities = Read(L"densities.csv");
    densities.replace(densities.find("745.68"), 6, "746.00");
    WriteBytes(folder.File(L"densities.csv"), densities);
    const CliRun run = Verify(base + L".json");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "файл плотностей")) << run.out;
    EXPECT_TRUE(Holds(run.out, "inputs.sample_density: в отчёте «745.68», сейчас «746.0»")) << run.out;
    EXPECT_TRUE(Holds(run.out, "inputs.chromatograms[4 №900]: в отчёте «нет»")) << run.out;
}

TEST_F(VerifyCommandTest, HistoryFindsATableChangeHiddenInTheLogAndSoDoesTheNextReport) {
    const std::vector<std::string> report{"--assay", "101",        "--tick-all",       "--density",
                                          "745.68",  "--standard", "1,2-Диметоксиэтан"};
    Report(report);  // starts the log
    Replace(L"CompsTableOxycalc.csv", "793.50", "793.60");
    Report(report);  // logs the change made outside
    ASSERT_EQ(Run({"history", Path(L"CompsTableOxycalc.csv")}).exitCode, 0);
    const std::string log = Read(L"CompsTableOxycalc.csv.log");

    // Edited again, and its checksum written into the last entry.
    const std::string before = Sha256Hex(Read(L"CompsTableOxycalc.csv"));
    Replace(L"CompsTableOxycalc.csv", "793.60", "700.00");
    const std::string after = Sha256Hex(Read(L"CompsTableOxycalc.csv"));
    std::string hidden = log;
    hidden.replace(hidden.rfind(before), before.size(), after);
    WriteBytes(folder.File(L"CompsTableOxycalc.csv.log"), hidden);
    CliRun run = Run({"history", Path(L"CompsTableOxycalc.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "нет в папке версий")) << run.out;
    run = Report(report);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.err, "нельзя доверять")) << run.err;

    // The version put beside the log as well: what the entry says changed is not what changed.
    WriteBytes(folder.File(L"CompsTableOxycalc.csv.versions/" + FromUtf8(after) + L".csv"),
               Read(L"CompsTableOxycalc.csv"));
    run = Run({"history", Path(L"CompsTableOxycalc.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "изменения, названные записью, не те")) << run.out;
}

// A save in the components dialog asks for no reason: the lab gives it afterwards, in an entry of its own
// that names the save. The chain stays whole, and history tells which saves still have none and that the
// last entry is anchored by nothing in the log.
TEST_F(VerifyCommandTest, AReasonIsGivenForASaveAfterwardsInAnEntryThatNamesIt) {
    ASSERT_EQ(MakeReport().exitCode, 0);  // starts the log
    const std::wstring table = folder.File(L"CompsTableOxycalc.csv");
    const std::string before = Read(L"CompsTableOxycalc.csv");
    Replace(L"CompsTableOxycalc.csv", "793.50", "793.60");
    ASSERT_TRUE(LogTableSave(table, before, L""));
    CliRun run = Run({"history", Path(L"CompsTableOxycalc.csv")});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(Holds(run.out, "Сохранения без причины: записи 2")) << run.out;
    EXPECT_TRUE(Holds(run.out, ") — последняя: ни одна запись журнала её не закрепляет")) << run.out;

    run =
        Run({"history", Path(L"CompsTableOxycalc.csv"), "--reason", "плотность этанола по паспорту партии"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<TableLogEntry> entries = TableLog(table).ReadAll();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].event, L"указана причина");
    EXPECT_EQ(entries[2].explains, 2u);
    EXPECT_EQ(entries[2].reason, L"плотность этанола по паспорту партии");
    EXPECT_FALSE(entries[2].user.empty());
    EXPECT_TRUE(Holds(Read(L"CompsTableOxycalc.csv.log"), "К записи: 2\n"));
    run = Run({"history", Path(L"CompsTableOxycalc.csv")});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_FALSE(Holds(run.out, "Сохранения без причины")) << run.out;
    EXPECT_TRUE(Holds(run.out, "Запись 3 (")) << run.out;
    EXPECT_EQ(Verify(L"r.json").exitCode,
              1);  // the table changed, but its log still holds the entry anchored
    EXPECT_FALSE(Holds(Verify(L"r.json").out, "журнал изменений таблицы компонентов"));

    // Only a change takes a reason; a number the log lacks, or a log that does not hold, takes none.
    EXPECT_EQ(Run({"history", Path(L"CompsTableOxycalc.csv"), "--reason", "x", "--entry", "1"}).exitCode, 2);
    EXPECT_EQ(Run({"history", Path(L"CompsTableOxycalc.csv"), "--reason", "x", "--entry", "9"}).exitCode, 2);
    EXPECT_EQ(Run({"history", Path(L"CompsTableOxycalc.csv"), "--entry", "2"}).exitCode, 2);
    std::string log = Read(L"CompsTableOxycalc.csv.log");
    log.replace(log.find("793.60"), 6, "793.70");
    WriteBytes(folder.File(L"CompsTableOxycalc.csv.log"), log);
    EXPECT_EQ(Run({"history", Path(L"CompsTableOxycalc.csv"), "--reason", "x"}).exitCode, 1);
    EXPECT_EQ(Read(L"CompsTableOxycalc.csv.log"), log);
}

TEST_F(VerifyCommandTest, ALogRewrittenAfterAReportFailsThatReportsVerification) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    EXPECT_TRUE(Holds(Read(L"r.json"), "\"log_entries\": 1"));
    // The last entry removed and the table changed: logged anew as a change, but not the entry anchored.
    Replace(L"CompsTableOxycalc.csv", "793.50", "793.60");
    ASSERT_EQ(MakeReport(L"second.json", L"second.xml").exitCode, 1);
    std::string log = Read(L"CompsTableOxycalc.csv.log");
    WriteBytes(folder.File(L"CompsTableOxycalc.csv.log"), log.substr(0, log.rfind("\n=== ") + 1));
    Replace(L"CompsTableOxycalc.csv", "793.60", "793.50");
    CliRun run = Verify(L"second.json");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "журнал изменений таблицы компонентов")) << run.out;

    // The whole log removed: the next read starts it anew and says so; the report made before fails.
    std::filesystem::remove(ToUtf8(folder.File(L"CompsTableOxycalc.csv.log")));
    run = MakeReport(L"third.json", L"third.xml");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(Read(L"third.json"), "\"kind\": \"table_log_broken\"")) << run.err;
    EXPECT_TRUE(Holds(Read(L"CompsTableOxycalc.csv.log"), "Событие: журнал начат заново"));
    run = Verify(L"r.json");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "журнал переписан")) << run.out;
    // The report edited to anchor no entry at all: a log is there, so the report cannot vouch for it.
    EditJson(L"r.json", [](Json& j) {
        j["inputs"]["components_file"]["log_entries"] = 0;
        j["inputs"]["components_file"]["log_last_entry_sha256"] = nullptr;
    });
    run = Verify(L"r.json");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "CompsTableOxycalc.csv.log» есть, а отчёт не указывает ни одной его записи"))
        << run.out;
}

TEST_F(VerifyCommandTest, NothingIsWrittenOverAChangeLogOrIntoItsVersions) {
    ASSERT_EQ(MakeReport().exitCode, 0);
    const std::string log = Read(L"CompsTableOxycalc.csv.log");
    CliRun run = Report({"--assay", "101", "--tick-all", "--json", Path(L"CompsTableOxycalc.csv.log")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Holds(run.err, "журнал изменений таблицы")) << run.err;
    EXPECT_EQ(Read(L"CompsTableOxycalc.csv.log"), log);
    run = Report({"--assay", "101", "--tick-all", "--json", Path(L"CompsTableOxycalc.csv.versions/r.json")});
    EXPECT_EQ(run.exitCode, 2);
    std::vector<std::string> batch = Batch(L"CompsTableOxycalc.csv.versions");
    EXPECT_EQ(Run(batch).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(ToUtf8(folder.File(L"CompsTableOxycalc.csv.versions/index.html"))));
}

TEST_F(VerifyCommandTest, ALogThatCannotBeWrittenIsAWarningOfTheReport) {
    std::filesystem::create_directory(ToUtf8(folder.File(L"CompsTableOxycalc.csv.log")));
    std::vector<std::string> args = DemoPetrol();
    args.insert(args.end(), {"--standard", "1,2-Диметоксиэтан", "--json", Path(L"r.json")});
    const CliRun run = Report(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(Read(L"r.json"), "\"kind\": \"table_log_unwritable\"")) << run.err;
}

TEST_F(VerifyCommandTest, ANewDefaultTableBesideTheLabsIsAWarningUntilRemovedAndVerifyKeepsItFromTheReport) {
    // An upgrade kept the lab's table with its 20 °C ethanol and put the new default beside it.
    WriteBytes(folder.File(L"CompsTableOxycalc.default.csv"), Read(L"CompsTableOxycalc.csv"));
    Replace(L"CompsTableOxycalc.csv", "793.50", "789.30");
    std::vector<std::string> args = DemoPetrol();
    args.insert(args.end(), {"--standard", "1,2-Диметоксиэтан", "--json", Path(L"r.json")});
    for (int run = 0; run < 2; ++run) {
        const CliRun report = Report(args);
        EXPECT_EQ(report.exitCode, 1);
        EXPECT_EQ(Count(report.err, "Новая таблица по умолчанию "), 1u) << report.err;
        EXPECT_TRUE(Holds(report.err, "«Этанол» — плотность 789.30 (в новой 793.50)")) << report.err;
    }
    EXPECT_TRUE(Holds(Read(L"r.json"), "\"kind\": \"new_default_table\""));
    EXPECT_EQ(Count(Read(L"CompsTableOxycalc.csv.log"), "Событие: новая таблица по умолчанию"), 1u);

    std::filesystem::remove(ToUtf8(folder.File(L"CompsTableOxycalc.default.csv")));
    const CliRun verified = Verify(L"r.json");
    EXPECT_EQ(verified.exitCode, 0) << verified.out << verified.err;
    args.back() = Path(L"after.json");
    const CliRun after = Report(args);
    EXPECT_EQ(after.exitCode, 0) << after.err;
    EXPECT_FALSE(Holds(Read(L"after.json"), "new_default_table"));
}
