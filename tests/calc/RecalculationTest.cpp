// The one road from chromatograms to a finished calculation, driven without a window on the demo data.
#include "calc/Recalculation.h"

#include <gtest/gtest.h>

#include "DemoData.h"
#include "calc/LastReadComponents.h"
#include "calc/Limits.h"
#include "calc/ResultTotals.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "report/ReportSample.h"
#include "support/SilentMessages.h"
#include "support/TempFolder.h"

namespace {

class RecalculationTest : public ::testing::Test {
protected:
    RecalculationTest() {
        DemoData::WriteDemo(folder.Path(), 200);
        DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
        DataBase::DbHandle db;
        SilentMessages messages;
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
    EXPECT_EQ(data.sums.oxygen, SumOfResults(data.results).oxygen);
    EXPECT_TRUE(data.warnings.empty());
    EXPECT_FALSE(data.limits.has_value());
    EXPECT_TRUE(data.verdicts.empty());
    EXPECT_EQ(data.componentsSource, ComponentsSource::File);
}

TEST_F(RecalculationTest, HoldsTheResultsAgainstTheLimitsWithTheWarningsTaken) {
    const std::optional<LimitsFile> e10 =
        ReadLimitsFile(CopyOfSourceFile(L"src/calc/LimitsOxycalc-EN228-E10.csv", folder));
    CalculationData data = Recalculate(settings, components, assays, e10);
    ASSERT_EQ(data.verdicts.size(), 8u);
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Conforms) << verdict.doubt;

    // The calibration ticked too: another sample, so nothing is judged.
    assays[3].isTicked = 1;
    data = Recalculate(settings, components, assays, e10);
    EXPECT_TRUE(HasWarning(data.warnings, CalculationWarning::Kind::SeveralSamples));
    for (const LimitVerdict& verdict : data.verdicts)
        EXPECT_EQ(verdict.outcome, LimitVerdict::Outcome::Undetermined);
}
