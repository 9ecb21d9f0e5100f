// The decision rules of a limits file worked through on the demo petrol (total oxygen 3.5343 % by mass) as
// a lab reads them: on the console, in the report for programs, on the page, in a batch's index and when
// someone checks a report made under them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliFixture.h"
#include "platform/WideText.h"

namespace {

class DecisionRulesTest : public CliFixture {
protected:
    // The demo petrol's report against a limits file of the given lines, with its JSON and page.
    CliRun ReportAgainst(const std::string& lines) const {
        const std::string limits = ToUtf8(folder.Write(L"LimitsOxycalc.csv", kHeader + lines));
        std::vector<std::string> args = DemoPetrol();
        args.insert(args.end(),
                    {"--standard", "1,2-Диметоксиэтан", "--limits", limits, "--json", Path(L"r.json"),
                     "--html", Path(L"r.html"), "--xsl", OXY_STYLESHEET_DIR "/Report.xsl"});
        return Report(args);
    }

    static constexpr const char* kHeader = "Норма;Компоненты;Величина;Не более;r;R\n";
};

}  // namespace

TEST_F(DecisionRulesTest, Iso4259ExceedsOnlyBeyondTheLimitPlusTheGuardBand) {
    const CliRun run = ReportAgainst(
        "Правило принятия решения;ISO 4259-2\n"
        "Кислород 3,45;;% масс.;3,45;;0,2\n"
        "Кислород R(X) 3,45;;% масс.;3,45;;0,05*X+0,01\n"
        "Кислород R(X) 3,42;;% масс.;3,42;;0.05 * X + 0.01\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;  // every verdict determined, whichever it is
    EXPECT_TRUE(Holds(run.out, "Правило принятия решения: ISO 4259-2")) << run.out;
    EXPECT_TRUE(
        Holds(run.out,
              "Кислород 3,45: 3.5343 % масс. при норме не более 3.45 — соответствует (R 0.2000, w 0.1180, "
              "предел приёмки 3.5680)"))
        << run.out;
    EXPECT_TRUE(Holds(run.out,
                      "Кислород R(X) 3,45: 3.5343 % масс. при норме не более 3.45 — соответствует (R "
                      "0.1867, w 0.1102, предел приёмки 3.5602)"));
    EXPECT_TRUE(Holds(run.out,
                      "Кислород R(X) 3,42: 3.5343 % масс. при норме не более 3.42 — превышает (R "
                      "0.1867, w 0.1102, предел приёмки 3.5302)"));
    const std::string json = Read(L"r.json");
    EXPECT_TRUE(Holds(json, "\"decision_rule_name\": \"iso_4259_2\"")) << json;
    EXPECT_TRUE(Holds(json, "\"reproducibility\": 0.2,")) << json;
    EXPECT_TRUE(Holds(json, "\"guard_band\": 0.118,"));
    EXPECT_TRUE(Holds(json, "\"acceptance_limit\": 3.568\n"));
    const std::string page = Read(L"r.html");
    EXPECT_TRUE(Holds(page, "ISO 4259-2: результат X")) << page;
    EXPECT_TRUE(Holds(page, "<td class=\"num\">3.5680</td>"));
}

TEST_F(DecisionRulesTest, IlacG8GivesConditionalVerdictsAroundTheLimitThatKeepTheExitCode) {
    const std::string lines =
        "Правило принятия решения;ILAC G8\n"
        "Кислород 3,45;;% масс.;3,45;;0,2\n"
        "Кислород 3,60;;% масс.;3,60;;0,2\n"
        "Кислород 3,70;;% масс.;3,70;;0,2\n";
    CliRun run = ReportAgainst(lines);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Holds(run.out, "3.45 — условно не соответствует (R 0.2000, w 0.1180, предел приёмки 3.3320)"))
        << run.out;
    EXPECT_TRUE(Holds(run.out, "3.60 — условно соответствует (R 0.2000, w 0.1180, предел приёмки 3.4820)"));
    EXPECT_TRUE(Holds(run.out, "3.70 — соответствует (R 0.2000, w 0.1180, предел приёмки 3.5820)"));
    const std::string json = Read(L"r.json");
    for (const char* verdict : {"conditionally_exceeds", "conditionally_conforms", "conforms"})
        EXPECT_TRUE(Holds(json, "\"verdict\": \"" + std::string(verdict) + "\"")) << verdict;
    const std::string page = Read(L"r.html");
    EXPECT_TRUE(Holds(page, "verdict conditionally-exceeds\">условно не соответствует")) << page;
    EXPECT_TRUE(Holds(page, "verdict conditionally-conforms\">условно соответствует"));
    EXPECT_TRUE(Holds(page, "Предел приёмки"));

    // A guard-banded rule on a line without R is no simple acceptance in disguise.
    run = ReportAgainst(lines + "Этанол;Этанол;% об.;10;;\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out, "Этанол: 4.3256 % об. при норме не более 10 — не определено (R не задан)"))
        << run.out;
    EXPECT_TRUE(Holds(Read(L"r.json"), "\"doubt\": \"R не задан\""));
}

TEST_F(DecisionRulesTest, AnUnknownRuleOrABadRIsAnErrorOfItsLineAndLeavesNoVerdict) {
    CliRun run = ReportAgainst("Правило принятия решения;ISO 4259\nКислород;;% масс.;3,7;;0,2\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.err, "строка 2: правило принятия решения «ISO 4259» неизвестно")) << run.err;
    EXPECT_TRUE(Holds(run.out,
                      "3.5343 % масс. при норме не более 3.7 — не определено (правило принятия решения "
                      "неизвестно или названо дважды)"))
        << run.out;
    EXPECT_TRUE(Holds(Read(L"r.json"), "\"decision_rule_name\": \"unknown\""));

    run = ReportAgainst("Правило принятия решения;ILAC G8\nКислород;;% масс.;3,7;;0,2*Y\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.err, "строка 3: воспроизводимость R «0,2*Y» — не число и не a·X+b")) << run.err;
}

TEST_F(DecisionRulesTest, TheBatchIndexShowsConditionalVerdictsInTheirOwnColourAsNoProblem) {
    const std::string limits = ToUtf8(folder.Write(
        L"limits.csv", std::string(kHeader) + "Правило принятия решения;ILAC G8\n"
                                              "Кислород;;% масс.;3,45;;0,2\nЭтанол;Этанол;% об.;4,4;;0,3\n"));
    std::vector<std::string> args = Batch(L"batch");
    args.insert(args.end(), {"--limits", limits, "--from", "2024-03-14", "--to", "2024-03-14"});
    Run(args);
    const std::string index = Read(L"batch/index.html");
    EXPECT_TRUE(Holds(index, "<div class=\"conditionally-exceeds\">условно не соответствует: Кислород</div>"))
        << index;
    EXPECT_TRUE(Holds(index, "<div class=\"pending\">условно соответствует: Этанол</div>"));
    EXPECT_TRUE(Holds(index, "<td class=\"conditionally-exceeds\">"));
}

TEST_F(DecisionRulesTest, VerifyNamesAVerdictEditedAndAReproducibilityChangedSince) {
    const std::string lines = "Правило принятия решения;ILAC G8\nКислород;;% масс.;3,45;;0,2\n";
    ASSERT_EQ(ReportAgainst(lines).exitCode, 0);
    const std::string honest = Read(L"r.json");
    EXPECT_EQ(Run({"verify", Path(L"r.json")}).exitCode, 0);

    std::string edited = honest;
    const std::string verdict = "\"verdict\": \"conditionally_exceeds\"";
    edited.replace(edited.find(verdict), verdict.size(), "\"verdict\": \"conforms\"");
    WriteBytes(folder.File(L"edited.json"), edited);
    CliRun run = Run({"verify", Path(L"edited.json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Holds(run.out,
                      "limits.limits[1 «Кислород»].verdict: в отчёте «conforms», сейчас "
                      "«conditionally_exceeds»"))
        << run.out;

    // R made wider afterwards, to turn the verdict: the report no longer verifies, and says where.
    folder.Write(L"LimitsOxycalc.csv", kHeader + std::string("Правило принятия решения;ILAC G8\n"
                                                             "Кислород;;% масс.;3,45;;0,2*X\n"));
    run = Run({"verify", Path(L"r.json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        Holds(run.out, "limits.limits[1 «Кислород»].reproducibility: в отчёте «0.2», сейчас «0.7069»"))
        << run.out;
}
