// The one road from chromatograms to a finished calculation, driven without a window on the demo data.
#include "calc/Recalculation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "DemoData.h"
#include "calc/Limits.h"
#include "calc/ResultTotals.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "messages/UserMessages.h"
#include "records/LastReadComponents.h"
#include "records/TrackedTables.h"
#include "report/ReportSample.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"

namespace {

class RecalculationTest : public ::testing::Test {
protected:
    RecalculationTest() {
        DemoData::WriteDemo(folder.Path(), 200);
        DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
        DataBase::DbHandle db;
        QuietMessages messages;
        for (const int32_t id : {101, 102, 103, 104}) LoadAssay(assays, messages, db, id);
        for (size_t i = 0; i < 3; ++i) assays[i].isTicked = 1;  // the petrol's three parallels
        components = ReadComponents(folder.File(L"CompsTableOxycalc.csv"));
    }

    TempFolder folder;
    std::vector<Assay> assays;
    ComponentsSnapshot components;
    const CalculationSettings settings{L"1,2-Диметоксиэтан", 745.68};
};

}  // namespace

TEST_F(RecalculationTest, GivesTheRoundedTotalTheSumsAndNoWarningForTheDemoPetrol) {
    const CalculationData data = Recalculate(settings, components, assays, std::nullopt);
    EXPECT_EQ(data.results.size(), 10u);
    EXPECT_EQ(data.totalOxygen, 3.5343);
    EXPECT_EQ(data.sumOxygen, SumOfResults(data.results).oxygen);
    EXPECT_TRUE(data.warnings.empty());
    EXPECT_FALSE(data.limits.has_value());
    EXPECT_TRUE(data.verdicts.empty());
    EXPECT_EQ(data.componentsFile.source, ComponentsSource::File);
}

TEST_F(RecalculationTest, HoldsTheResultsAgainstTheLimitsWithTheWarningsTaken) {
    const std::optional<LimitsFile> e10 =
        ReadLimitsFile(CopyOfSourceFile(L"src/tables/LimitsOxycalc-EN228-E10.csv", folder));
    CalculationData data = Recalculate(settings, components, assays, e10);
    ASSERT_EQ(data.verdicts.size(), 8u);
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Conforms) << Russian(verdict.doubt);

    // The calibration ticked too: another sample, so nothing is judged.
    assays[3].isTicked = 1;
    data = Recalculate(settings, components, assays, e10);
    EXPECT_TRUE(HasWarning(data.warnings, CalculationWarning::Kind::SeveralSamples));
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Undetermined);
}

// The total is the mean of the ticked chromatograms: an unprocessed one pulls it down, one without the
// standard's peak or no standard at all lets the standard's own oxygen in. None of these is a result.
TEST_F(RecalculationTest, TheTotalIsNoResultWhileTheTickedChromatogramsCannotCarryIt) {
    EXPECT_TRUE(Recalculate(settings, components, assays, std::nullopt).TotalOxygenDetermined());
    const std::optional<LimitsFile> e10 =
        ReadLimitsFile(CopyOfSourceFile(L"src/tables/LimitsOxycalc-EN228-E10.csv", folder));
    std::vector<Assay> withUnprocessed = assays;
    withUnprocessed.push_back(assays[0]);
    withUnprocessed.back().id = 199;
    withUnprocessed.back().fileName = L"Проба 2417-4.stg";
    withUnprocessed.back().peaks.clear();
    CalculationData data = Recalculate(settings, components, withUnprocessed, e10);
    EXPECT_EQ(data.totalOxygen, 2.6507);  // the arithmetic, kept to be shown as such
    EXPECT_EQ(Russian(data.totalOxygenDoubt),
              L"отмечена хроматограмма без именованных пиков (не обработана)");
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Undetermined);

    std::vector<Assay> withoutStandard = assays;
    auto& peaks = withoutStandard[1].peaks;
    peaks.erase(std::remove_if(peaks.begin(), peaks.end(),
                               [](const Peak& peak) { return peak.name == L"1,2-Диметоксиэтан"; }),
                peaks.end());
    data = Recalculate(settings, components, withoutStandard, std::nullopt);
    EXPECT_EQ(Russian(data.totalOxygenDoubt), L"в отмеченной хроматограмме нет пика внутреннего стандарта");

    data = Recalculate({L"", 745.68}, components, assays, std::nullopt);
    EXPECT_EQ(Russian(data.totalOxygenDoubt), L"внутренний стандарт не задан");
    EXPECT_FALSE(Recalculate(settings, components, {}, std::nullopt).TotalOxygenDetermined());
}

// EN 13132 takes the mean of parallels only when they agree within r; otherwise the determination is
// repeated. The demo petrol's ethanol spreads 0.1224 % by mass.
TEST_F(RecalculationTest, AParallelSpreadAboveRLeavesEveryLimitCountingTheComponentOpen) {
    const std::optional<LimitsFile> limits =
        ReadLimitsFile(folder.Write(L"LimitsOxycalc.csv",
                                    "Норма;Компоненты;Величина;Не более;r\n"
                                    "Кислород;;% масс.;3.7\n"
                                    "Этанол;Этанол;% об.;10;0.05\n"
                                    "Метанол;Метанол;% об.;3;0.05\n"
                                    "Спирты;Этанол,Метанол;% об.;15\n"));
    ASSERT_TRUE(limits && limits->errors.empty());
    const CalculationData data = Recalculate(settings, components, assays, limits);
    ASSERT_EQ(data.verdicts.size(), 4u);
    const std::wstring spread = L"расхождение параллельных определений выше r (0.1224 > 0.05)";
    EXPECT_EQ(Russian(data.verdicts[1].doubt), spread);
    EXPECT_EQ(Russian(data.verdicts[0].doubt), L"у компонента «Этанол» " + spread);
    EXPECT_EQ(data.verdicts[3].doubt, data.verdicts[0].doubt);
    EXPECT_EQ(data.totalOxygenDoubt, data.verdicts[0].doubt);
    EXPECT_EQ(data.verdicts[2].outcome, LimitVerdict::Outcome::Conforms) << Russian(data.verdicts[2].doubt);
    for (const size_t i : {0, 1, 3}) EXPECT_EQ(data.verdicts[i].outcome, LimitVerdict::Outcome::Undetermined);
}

// Both rows take the same peak and ethanol is counted twice; a component shown under the standard's name
// has its oxygen dropped. The table contradicts itself, so nothing is judged.
TEST_F(RecalculationTest, ATableNamingAPeakTwiceOrShowingTheStandardTwiceJudgesNothing) {
    const std::optional<LimitsFile> e10 =
        ReadLimitsFile(CopyOfSourceFile(L"src/tables/LimitsOxycalc-EN228-E10.csv", folder));
    using Kind = CalculationWarning::Kind;
    ComponentsSnapshot twice = components;
    twice.components.push_back({12, L"ЭТАНОЛ", L"Этанол (второй раз)", 46.07, 793.50});
    CalculationData data = Recalculate(settings, twice, assays, e10);
    ASSERT_TRUE(HasWarning(data.warnings, Kind::PeakNameInSeveralRows));
    const auto named =
        std::find_if(data.warnings.begin(), data.warnings.end(),
                     [](const CalculationWarning& w) { return w.kind == Kind::PeakNameInSeveralRows; });
    EXPECT_EQ(Russian(named->detail), L"№6, №12");
    EXPECT_NE(named->Text().find(L"«Этанол»"), std::wstring::npos);
    EXPECT_EQ(Russian(data.totalOxygenDoubt), L"пик назван в нескольких строках таблицы компонентов");
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Undetermined);

    ComponentsSnapshot shownAsStandard = components;
    shownAsStandard.components[5].name = L"1,2-ДИМЕТОКСИЭТАН";  // ethanol's row
    data = Recalculate(settings, shownAsStandard, assays, e10);
    EXPECT_EQ(data.warnings, (std::vector<CalculationWarning>{
                                 {Kind::StandardInSeveralRows, L"1,2-Диметоксиэтан", L"", L"", L"№6, №10"}}));
    EXPECT_EQ(Russian(data.totalOxygenDoubt),
              L"под именем внутреннего стандарта несколько строк таблицы компонентов");
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Undetermined);
}
