#include "calc/ResultTotals.h"

#include <gtest/gtest.h>

#include "report/ReportSample.h"

TEST(ResultTotals, SumsEachColumnIntoItsOwnFieldStartingFromZero) {
    CalculationData data;
    data.sumMass = data.sumOxygen = 99;
    FillResultTotals(data);
    EXPECT_EQ(data.sumMass, 0);
    EXPECT_EQ(data.sumOxygen, 0);
    data.results = {MakeResult(L"a", 1, 2, 3, 4, 5, 6), MakeResult(L"b", 10, 20, 30, 40, 50, 60)};
    FillResultTotals(data);
    EXPECT_EQ(data.sumMass, 11);
    EXPECT_EQ(data.sumMassPercent, 22);
    EXPECT_EQ(data.sumDelta, 33);
    EXPECT_EQ(data.sumVolume, 44);
    EXPECT_EQ(data.sumVolumePercent, 55);
    EXPECT_EQ(data.sumOxygen, 66);
}

TEST(ResultTotals, SumsWithoutTheStandardLeaveOutItsRowWhateverItsCase) {
    CalculationData data;
    data.standard = L"дмэ";
    data.results = {MakeResult(L"a", 1, 2, 3, 4, 5, 6), MakeResult(L"ДМЭ", 10, 20, 30, 40, 50, 0)};
    const ResultSums sums = SumsWithoutStandard(data);
    EXPECT_EQ(sums.mass, 1);
    EXPECT_EQ(sums.massPercent, 2);
    EXPECT_EQ(sums.volumePercent, 5);
    EXPECT_EQ(sums.oxygen, 6);
}
