#include "calc/ResultTotals.h"

#include <gtest/gtest.h>

#include "report/ReportSample.h"

TEST(ResultTotals, SumsEachColumnIntoItsOwnFieldStartingFromZero) {
    EXPECT_EQ(SumOfResults({}).mass, 0);
    const ResultSums sums =
        SumOfResults({MakeResult(L"a", 1, 2, 3, 4, 5, 6), MakeResult(L"b", 10, 20, 30, 40, 50, 60)});
    EXPECT_EQ(sums.mass, 11);
    EXPECT_EQ(sums.massPercent, 22);
    EXPECT_EQ(sums.delta, 33);
    EXPECT_EQ(sums.volume, 44);
    EXPECT_EQ(sums.volumePercent, 55);
    EXPECT_EQ(sums.oxygen, 66);
}

TEST(ResultTotals, SumsWithoutTheStandardLeaveOutTheRowMarkedAsItsRow) {
    std::vector<ComponentResult> results = {MakeResult(L"a", 1, 2, 3, 4, 5, 6),
                                            MakeResult(L"ДМЭ", 10, 20, 30, 40, 50, 0)};
    results[1].isStandard = true;
    const ResultSums sums = SumsWithoutStandard(results);
    EXPECT_EQ(sums.mass, 1);
    EXPECT_EQ(sums.massPercent, 2);
    EXPECT_EQ(sums.volumePercent, 5);
    EXPECT_EQ(sums.oxygen, 6);
}
