#include "calc/Limits.h"

#include <gtest/gtest.h>

#include "calc/CalculationChecks.h"
#include "records/TrackedTables.h"
#include "report/ReportSample.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"

namespace {

using Outcome = LimitVerdict::Outcome;

ComponentResult Result(std::wstring peakName, std::wstring name, double massPercent, double volumePercent,
                       double delta = 0.0) {
    ComponentResult result;
    result.peakName = std::move(peakName);
    result.name = std::move(name);
    result.massPercent = massPercent;
    result.volumePercent = volumePercent;
    result.delta = delta;
    result.molarMass = 88.15;
    result.density = 740.5;
    return result;
}

// The demo petrol's results as the calculation gives them (three parallel determinations).
CalculationData DemoPetrol() {
    CalculationData data;
    data.standard = L"1,2-Диметоксиэтан";
    data.sampleDensity = 745.68;
    data.totalOxygen = 3.5343;
    for (const wchar_t* peak : {L"ДИПЭ", L"МТБЭ", L"ЭТБЭ", L"ТАМЭ", L"Метанол", L"Этанол", L"2-Пропанол",
                                L"трет-Бутанол", L"1-Пропанол", L"1,2-Диметоксиэтан", L"Изобутанол"})
        data.components.push_back({0, peak, peak, 1.0, 1.0});
    data.results = {Result(L"ДИПЭ", L"Диизопропиловый эфир", 0.0501, 0.0516),
                    Result(L"МТБЭ", L"Метил-трет-бутиловый эфир", 8.2357, 8.2933),
                    Result(L"ЭТБЭ", L"Этил-трет-бутиловый эфир", 1.1058, 1.1197),
                    Result(L"ТАМЭ", L"трет-Амилметиловый эфир", 0.6031, 0.5838),
                    Result(L"Метанол", L"Метанол", 0.1204, 0.1134),
                    Result(L"Этанол", L"Этанол", 4.6029, 4.3486),
                    Result(L"2-Пропанол", L"Пропан-2-ол", 0.0798, 0.0758),
                    Result(L"трет-Бутанол", L"2-Метилпропан-2-ол", 0.3494, 0.3303),
                    Result(L"1,2-Диметоксиэтан", L"1,2-Диметоксиэтан", 4.8796, 4.1906),
                    Result(L"Изобутанол", L"2-Метилпропан-1-ол", 0.0400, 0.0372)};
    return data;
}

// Three parallel determinations, ticked.
std::vector<Assay> Ticked() {
    std::vector<Assay> assays(3);
    for (Assay& assay : assays) assay.isTicked = 1;
    return assays;
}

std::vector<Limit> Shipped(const wchar_t* name) {
    const TempFolder folder;
    const std::optional<LimitsFile> file =
        ReadLimitsFile(CopyOfSourceFile(std::wstring(L"src/tables/") + name, folder));
    EXPECT_TRUE(file.has_value());
    if (!file) return {};
    EXPECT_EQ(Russian(file->errors), std::vector<std::wstring>{});
    return file->limits;
}

}  // namespace

TEST(Limits, TheDemoPetrolConformsToE10AndExceedsE5sOxygen) {
    const CalculationData petrol = DemoPetrol();
    const std::vector<LimitVerdict> e10 =
        CheckLimits(Shipped(L"LimitsOxycalc-EN228-E10.csv"), petrol, Ticked());
    ASSERT_EQ(e10.size(), 8u);
    for (const LimitVerdict& verdict : e10)
        EXPECT_EQ(verdict.outcome, Outcome::Conforms) << verdict.limit.maximum;
    EXPECT_DOUBLE_EQ(e10[0].measured, 3.5343);                             // oxygen, % масс.
    EXPECT_DOUBLE_EQ(e10[6].measured, 0.0516 + 8.2933 + 1.1197 + 0.5838);  // the C5 ethers, % об.
    EXPECT_DOUBLE_EQ(e10[7].measured, 0.0);  // no other oxygenate; the standard is not one

    const std::vector<LimitVerdict> e5 =
        CheckLimits(Shipped(L"LimitsOxycalc-EN228-E5.csv"), petrol, Ticked());
    ASSERT_EQ(e5.size(), 2u);
    EXPECT_EQ(e5[0].outcome, Outcome::Exceeds);
    EXPECT_EQ(Russian(e5[0].OutcomeMessage()), L"превышает");
    EXPECT_EQ(e5[1].outcome, Outcome::Conforms);
    EXPECT_DOUBLE_EQ(e5[1].measured, 4.3486);
}

TEST(Limits, ReadsTheFileAsLabsEditItAndKeepsEveryLineItCannotRead) {
    TempFolder folder;
    EXPECT_FALSE(ReadLimitsFile(folder.File(L"LimitsOxycalc.csv")).has_value());
    const std::wstring path = folder.Write(L"LimitsOxycalc.csv",
                                           "# a comment\n"
                                           "Name;Peaks;Quantity;Max;r\n"
                                           "Oxygen;;% МАСС.;2,7\n"  // letter case and comma aside
                                           "\n"
                                           "Ethanol; EtOH ;% об;5;0,3\n"
                                           "Ethers;MTBE, ETBE;% об.;22.0;0.1\n"
                                           "Methanol;MeOH;ppm;3\n"
                                           "Bad;X;% об.;abc\n"
                                           "Oxygen by volume;;% об.;3\n");
    const std::optional<LimitsFile> file = ReadLimitsFile(path);
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->limits.size(), 2u);
    EXPECT_TRUE(file->limits[0].peakNames.empty());
    EXPECT_EQ(file->limits[0].maximum, 2.7);
    EXPECT_EQ(file->limits[1].peakNames, std::vector<std::wstring>{L"EtOH"});
    EXPECT_EQ(file->limits[1].repeatability, 0.3);
    ASSERT_EQ(file->errors.size(), 4u);
    // Without a header the first line is a limit, also one whose maximum is mistyped (an error of that
    // line, never taken for a header); a file of none is an error.
    const std::optional<LimitsFile> bare = ReadLimitsFile(folder.Write(L"bare.csv", "Oxygen;;% масс.;2.7\n"));
    EXPECT_EQ(bare->limits.size(), 1u);
    const std::optional<LimitsFile> typo =
        ReadLimitsFile(folder.Write(L"typo.csv", "Метанол;Метанол;% об.;0,05 %;\nКислород;;% масс.;3.7\n"));
    EXPECT_EQ(typo->limits.size(), 1u);
    ASSERT_EQ(typo->errors.size(), 1u);
    EXPECT_EQ(Russian(typo->errors[0]), L"строка 1: предел «0,05 %» — не число");
    EXPECT_EQ(Russian(ReadLimitsFile(folder.Write(L"none.csv", "Name;Peaks;Quantity;Max\n"))->errors),
              std::vector<std::wstring>{L"в файле нет ни одной нормы"});
    EXPECT_EQ(Russian(file->errors[0]).rfind(L"строка 6:", 0), 0u)
        << Russian(file->errors[0]);  // r for two components
    EXPECT_NE(Russian(file->errors[1]).find(L"«ppm»"), std::wstring::npos);
    EXPECT_NE(Russian(file->errors[2]).find(L"«abc»"), std::wstring::npos);
    EXPECT_NE(Russian(file->errors[3]).find(L"% масс."), std::wstring::npos);
    // An r of zero or below would flag every spread, or none: a typing slip named by its line.
    const std::optional<LimitsFile> r = ReadLimitsFile(folder.Write(
        L"r.csv", "Этанол;Этанол;% об.;10;0\nМетанол;Метанол;% об.;3;-0,05\nМТБЭ;МТБЭ;% об.;22;0.1\n"));
    EXPECT_EQ(r->limits.size(), 1u);
    EXPECT_EQ(Russian(r->errors), (std::vector<std::wstring>{
                                      L"строка 1: предел повторяемости r «0» — не положительное число",
                                      L"строка 2: предел повторяемости r «-0,05» — не положительное число"}));
}

TEST(Limits, GiveNoVerdictForAComponentTheTableDoesNotKnowAndFlagASpreadAboveR) {
    CalculationData data = DemoPetrol();
    Limit typo;
    typo.peakNames = {L"Этанол", L"Етанол"};
    typo.quantity = LimitQuantity::VolumePercent;
    typo.maximum = 10.0;
    const std::vector<LimitVerdict> verdicts = CheckLimits({typo}, data, Ticked());
    EXPECT_EQ(verdicts[0].outcome, Outcome::Undetermined);
    EXPECT_EQ(verdicts[0].unknownPeakNames, std::vector<std::wstring>{L"Етанол"});

    Limit ethanol;
    ethanol.peakNames = {L"этанол"};
    ethanol.repeatability = 0.12;
    ComponentResult result = data.results[5];
    ASSERT_EQ(RepeatabilityLimit({typo, ethanol}, result), 0.12);
    result.delta = 0.12;
    EXPECT_FALSE(RepeatabilityExceeded(result, 0.12));
    result.delta = 0.1224;
    EXPECT_TRUE(RepeatabilityExceeded(result, 0.12));
    EXPECT_FALSE(RepeatabilityLimit({typo, ethanol}, data.results[0]).has_value());
}

TEST(Limits, GiveNoVerdictOnAValueThatRestsOnMissingData) {
    const std::vector<Limit> e10 = Shipped(L"LimitsOxycalc-EN228-E10.csv");
    const auto doubts = [&e10](const CalculationData& data, const std::vector<Assay>& assays) {
        std::vector<std::wstring> all;
        for (const LimitVerdict& verdict : CheckLimits(e10, data, assays)) {
            EXPECT_EQ(verdict.outcome == Outcome::Undetermined, !verdict.doubt.Empty());
            all.push_back(Russian(verdict.doubt));
        }
        return all;
    };
    EXPECT_EQ(doubts(DemoPetrol(), Ticked()), std::vector<std::wstring>(8));
    EXPECT_EQ(doubts(DemoPetrol(), std::vector<Assay>(3)),
              std::vector<std::wstring>(8, L"нет отмеченных хроматограмм"));

    CalculationData data = DemoPetrol();
    data.sampleDensity = 0.7457;  // g/cm3 typed for kg/m3: every volume is off, the oxygen is not
    std::vector<std::wstring> seen = doubts(data, Ticked());
    EXPECT_EQ(seen[0], L"");
    EXPECT_EQ(seen[2], L"плотность пробы неправдоподобна");

    data = DemoPetrol();
    data.results[5].density = 0.0;  // ethanol
    data.results[0].molarMass = 0.0;
    seen = doubts(data, Ticked());
    EXPECT_EQ(seen[0], L"у компонента «Диизопропиловый эфир» нет молярной массы");
    EXPECT_EQ(seen[2], L"у компонента «Этанол» нет плотности");
    EXPECT_EQ(seen[1], L"");  // methanol has what it needs

    data = DemoPetrol();
    data.standard = L"1,2-диметоксиэтн";
    data.warnings = CheckCalculation(data);
    seen = doubts(data, Ticked());
    EXPECT_EQ(seen[0], L"внутренний стандарт не найден в таблице компонентов");
    EXPECT_EQ(seen[7], L"внутренний стандарт не найден в таблице компонентов");
    EXPECT_EQ(seen[2], L"");
}

TEST(Limits, GiveNoVerdictOnDataTheParallelsDoNotCarry) {
    const std::vector<Limit> e10 = Shipped(L"LimitsOxycalc-EN228-E10.csv");
    const auto doubts = [&e10](const CalculationData& data) {
        std::vector<std::wstring> all;
        for (const LimitVerdict& verdict : CheckLimits(e10, data, Ticked()))
            all.push_back(Russian(verdict.doubt));
        return all;
    };
    using Kind = CalculationWarning::Kind;
    // A chromatogram the host has not processed, or one without the standard's peak: nothing holds.
    CalculationData data = DemoPetrol();
    data.warnings = {{Kind::NoNamedPeaks, L"", L"102.stg"}};
    EXPECT_EQ(doubts(data),
              std::vector<std::wstring>(8, L"отмечена хроматограмма без именованных пиков (не обработана)"));
    data.warnings = {{Kind::NoStandardPeak, data.standard, L"102.stg", L"1,2-Диметоксиэтан"}};
    EXPECT_EQ(doubts(data),
              std::vector<std::wstring>(8, L"в отмеченной хроматограмме нет пика внутреннего стандарта"));

    // Ethanol found in only some parallels, or with a bad concentration: the limits that count it.
    data.warnings = {{Kind::PartlyFound, L"Этанол", L"101.stg", L"Этанол"}};
    std::vector<std::wstring> seen = doubts(data);
    EXPECT_EQ(seen[0], L"компонент «Этанол» найден не во всех параллельных определениях");  // oxygen
    EXPECT_EQ(seen[2], seen[0]);                                                            // ethanol
    EXPECT_EQ(seen[1], L"");                                                                // methanol
    EXPECT_EQ(seen[6], L"");                                                                // C5 ethers
    data.warnings = {{Kind::BadConcentration, L"Метил-трет-бутиловый эфир", L"101.stg", L"мтбэ"}};
    seen = doubts(data);
    EXPECT_EQ(seen[6], L"у компонента «Метил-трет-бутиловый эфир» недостоверная концентрация пика");
    EXPECT_EQ(seen[2], L"");

    // Ethanol's peak named "Этанол " in the table: its row is gone, so every limit that would count it,
    // "the others" included, is open; a peak named but for a control character as a limit names it too.
    data.warnings = {{Kind::PeakNameMistyped, L"Этанол", L"101.stg", L"Этанол ", L"«Этанол» ≠ «Этанол »"}};
    seen = doubts(data);
    const std::wstring mistyped =
        L"пик компонента «Этанол» назван в хроматограмме не так, как в таблице (пробелы или управляющие "
        L"знаки)";
    EXPECT_EQ(seen[0], mistyped);  // oxygen
    EXPECT_EQ(seen[2], mistyped);  // ethanol
    EXPECT_EQ(seen[7], mistyped);  // the others: no limit names "Этанол "
    EXPECT_EQ(seen[1], L"");
    EXPECT_EQ(seen[6], L"");
    data.warnings = {{Kind::PeakNameMistyped, L"Метил-трет-бутиловый эфир", L"101.stg", L"МТБЭ", L""}};
    seen = doubts(data);
    EXPECT_EQ(seen[6],
              L"пик компонента «Метил-трет-бутиловый эфир» назван в хроматограмме не так, как в "
              L"таблице (пробелы или управляющие знаки)");
    EXPECT_EQ(seen[7], L"");  // MTBE is named by the ethers' limit

    // No standard given: its own oxygen and volume would count, so the oxygen and "the others" stay open.
    data = DemoPetrol();
    data.standard.clear();
    data.warnings = CheckCalculation(data);
    ASSERT_TRUE(HasWarning(data.warnings, Kind::NoStandard));
    seen = doubts(data);
    EXPECT_EQ(seen[0], L"внутренний стандарт не задан");
    EXPECT_EQ(seen[7], L"внутренний стандарт не задан");
    EXPECT_EQ(seen[2], L"");
}

// R as labs write it: a number, or a linear function of the result, with a point or a comma, blanks and a
// Cyrillic "х" aside.
TEST(Limits, ReadTheReproducibilityAsANumberOrALinearFunctionOfTheResult) {
    const auto read = [](const wchar_t* text) { return ReadReproducibility(text); };
    ASSERT_TRUE(read(L"0,2"));
    EXPECT_DOUBLE_EQ(read(L"0,2")->At(3.5343), 0.2);
    for (const wchar_t* text : {L"0.05*X+0.01", L"0,05 * X + 0,01", L"0,05*х+0,01"}) {
        ASSERT_TRUE(read(text)) << ToUtf8(text);
        EXPECT_NEAR(read(text)->At(3.5343), 0.186715, 1e-12) << ToUtf8(text);
    }
    EXPECT_NEAR(read(L"0,05*X")->At(2.0), 0.1, 1e-12);
    for (const wchar_t* text : {L"abc", L"0.05*Y", L"0.05*X-0.01", L"*X", L"0.05*X+"})
        EXPECT_FALSE(read(text)) << ToUtf8(text);
}

// The demo petrol's total oxygen, 3.5343 % by mass, against maxima around it under each rule.
TEST(Limits, DecideByTheRuleWithTheGuardBandOfTheMethodsReproducibility) {
    using Outcome = LimitVerdict::Outcome;
    const auto decide = [](double maximum, std::optional<Reproducibility> r, DecisionRule rule) {
        LimitVerdict verdict;
        verdict.limit = {L"Кислород", {}, false, LimitQuantity::MassPercent, maximum, L"", std::nullopt, r};
        verdict.measured = 3.5343;
        Decide(verdict, rule);
        return verdict;
    };
    const Reproducibility fixed{0.0, 0.2};  // w = 0.118
    EXPECT_EQ(decide(3.45, fixed, DecisionRule::Simple).outcome, Outcome::Exceeds);
    const LimitVerdict iso = decide(3.45, fixed, DecisionRule::Iso4259);
    EXPECT_EQ(iso.outcome, Outcome::Conforms);  // 3.5343 ≤ 3.568
    EXPECT_NEAR(*iso.guardBand, 0.118, 1e-12);
    EXPECT_NEAR(*iso.acceptanceLimit, 3.568, 1e-12);
    const LimitVerdict ilac = decide(3.45, fixed, DecisionRule::IlacG8);
    EXPECT_EQ(ilac.outcome, Outcome::ConditionallyExceeds);
    EXPECT_DOUBLE_EQ(*ilac.acceptanceLimit, 3.332);  // L − w: the largest result that plainly conforms
    EXPECT_EQ(decide(3.60, fixed, DecisionRule::IlacG8).outcome,
              Outcome::ConditionallyConforms);  // 3.482 < X
    EXPECT_EQ(decide(3.70, fixed, DecisionRule::IlacG8).outcome, Outcome::Conforms);
    const Reproducibility linear{0.05, 0.01};  // 0.1867 at X, w 0.1102
    EXPECT_EQ(decide(3.45, linear, DecisionRule::Iso4259).outcome, Outcome::Conforms);
    EXPECT_EQ(decide(3.42, linear, DecisionRule::Iso4259).outcome, Outcome::Exceeds);
    // A result on an edge of the zone, as printed, takes the side the rule gives it.
    const auto at = [&](double measured, double maximum, DecisionRule rule) {
        LimitVerdict verdict = decide(maximum, fixed, rule);
        verdict.measured = measured;
        Decide(verdict, rule);
        return verdict.outcome;
    };
    EXPECT_EQ(at(3.568, 3.45, DecisionRule::Iso4259), Outcome::Conforms);
    EXPECT_EQ(at(3.5681, 3.45, DecisionRule::Iso4259), Outcome::Exceeds);
    EXPECT_EQ(at(3.332, 3.45, DecisionRule::IlacG8), Outcome::Conforms);
    EXPECT_EQ(at(3.3321, 3.45, DecisionRule::IlacG8), Outcome::ConditionallyConforms);
    EXPECT_EQ(at(3.45, 3.45, DecisionRule::IlacG8), Outcome::ConditionallyConforms);
    EXPECT_EQ(at(3.4501, 3.45, DecisionRule::IlacG8), Outcome::ConditionallyExceeds);
    const LimitVerdict shown = decide(3.45, linear, DecisionRule::Iso4259);
    EXPECT_DOUBLE_EQ(*shown.reproducibility, 0.1867);
    EXPECT_DOUBLE_EQ(*shown.guardBand, 0.1102);
    EXPECT_DOUBLE_EQ(*shown.acceptanceLimit, 3.5602);
    // The edges are the limit ± the guard band as printed, not as computed: w = 0.59 · 0.025 = 0.01475 is
    // printed 0.0148, so L − w = 3.5342 < X.
    const auto edge = [](double measured, double maximum, double r, DecisionRule rule) {
        LimitVerdict verdict;
        verdict.limit = {L"",     {},  false,        LimitQuantity::MassPercent,
                         maximum, L"", std::nullopt, Reproducibility{0.0, r}};
        verdict.measured = measured;
        Decide(verdict, rule);
        return verdict;
    };
    const LimitVerdict printed = edge(3.5343, 3.549, 0.025, DecisionRule::IlacG8);
    EXPECT_DOUBLE_EQ(*printed.guardBand, 0.0148);
    EXPECT_DOUBLE_EQ(*printed.acceptanceLimit, 3.5342);
    EXPECT_EQ(printed.outcome, Outcome::ConditionallyConforms);
    const LimitVerdict methanol = edge(0.1204, 0.0938, 0.045, DecisionRule::Iso4259);  // w 0.0266
    EXPECT_DOUBLE_EQ(*methanol.acceptanceLimit, 0.1204);
    EXPECT_EQ(methanol.outcome, Outcome::Conforms);
    // Values far beyond any percentage do not overflow the arithmetic into a verdict on every result.
    const LimitVerdict huge = edge(3.5343, 1e15, 0.2, DecisionRule::IlacG8);
    EXPECT_EQ(huge.outcome, Outcome::Conforms);
    EXPECT_GT(*huge.acceptanceLimit, 9e14);
    EXPECT_EQ(edge(3.5343, 3.45, 2e15, DecisionRule::IlacG8).outcome, Outcome::ConditionallyExceeds);
    EXPECT_EQ(edge(3.5343, 3.45, 2e15, DecisionRule::Iso4259).outcome, Outcome::Conforms);
    // A guard-banded rule without R is no simple acceptance in disguise.
    const LimitVerdict none = decide(3.60, std::nullopt, DecisionRule::IlacG8);
    EXPECT_EQ(none.outcome, Outcome::Undetermined);
    EXPECT_EQ(none.doubt, Message(MessageCode::DoubtNoReproducibility));
    EXPECT_EQ(decide(3.60, std::nullopt, DecisionRule::Simple).outcome, Outcome::Conforms);
}

TEST(Limits, ReadTheRuleLineAndNameEveryBadRuleOrRByItsLine) {
    TempFolder folder;
    const std::optional<LimitsFile> ilac =
        ReadLimitsFile(folder.Write(L"ilac.csv",
                                    "Правило принятия решения;ILAC G8\nКислород;;% "
                                    "масс.;3,7;;0,2\nЭтанол;Этанол;% об.;10;0,05;0,05*X+0,01\n"));
    ASSERT_TRUE(ilac);
    EXPECT_EQ(Russian(ilac->errors), std::vector<std::wstring>{});
    EXPECT_EQ(ilac->rule, DecisionRule::IlacG8);
    ASSERT_EQ(ilac->limits.size(), 2u);  // the rule line is no header and no limit
    EXPECT_DOUBLE_EQ(ilac->limits[0].reproducibility->At(3.5), 0.2);
    EXPECT_DOUBLE_EQ(ilac->limits[1].reproducibility->slope, 0.05);

    const std::optional<LimitsFile> bad = ReadLimitsFile(folder.Write(
        L"bad.csv",
        "Норма;Компоненты;Величина;Не более;r;R\nПравило принятия решения;строгое\n"
        "Кислород;;% масс.;3,7;;abc\nМетанол;Метанол;% об.;3;;-0,1\nПравило принятия решения;простое\n"));
    ASSERT_TRUE(bad);
    EXPECT_FALSE(bad->rule.has_value());  // every verdict undetermined
    EXPECT_EQ(
        Russian(bad->errors),
        (std::vector<std::wstring>{
            L"строка 2: правило принятия решения «строгое» неизвестно: допустимы «простое», «ISO 4259-2», "
            L"«ILAC G8»",
            L"строка 3: воспроизводимость R «abc» — не число и не a·X+b",
            L"строка 4: воспроизводимость R «-0,1» отрицательна",
            L"строка 5: правило принятия решения задано дважды: выводов нет"}));

    // Two rules: which one the lab meant is not known, so no verdict under either; numbers the
    // arithmetic cannot carry are refused by their line.
    const std::optional<LimitsFile> twice = ReadLimitsFile(folder.Write(
        L"twice.csv",
        "Правило принятия решения;ISO 4259-2\nПравило принятия решения;простое\nКислород;;% масс.;3,7;;0,2\n"
        "Этанол;Этанол;% масс.;1e15;;\nМетанол;Метанол;% масс.;3;;2e15\nМТБЭ;МТБЭ;% масс.;15;0,5*X\n"));
    ASSERT_TRUE(twice);
    EXPECT_FALSE(twice->rule.has_value());
    EXPECT_EQ(Russian(twice->errors),
              (std::vector<std::wstring>{
                  L"строка 2: правило принятия решения задано дважды: выводов нет",
                  L"строка 4: «1e15» больше 1 000 000 000: таких норм, r и R не бывает, а четырёх знаков "
                  L"после запятой у такого числа расчёт не сохраняет",
                  L"строка 5: «2e15» больше 1 000 000 000: таких норм, r и R не бывает, а четырёх знаков "
                  L"после запятой у такого числа расчёт не сохраняет",
                  L"строка 6: предел повторяемости r «0,5*X» — не число"}));
}
