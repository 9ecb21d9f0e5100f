#include "qc/ControlChart.h"

#include <gtest/gtest.h>

namespace {

// A chart whose σ is 1 around 0, so that the zones are the whole numbers.
ChartLimits UnitLimits() {
    ChartLimits limits;
    limits.determined = true;
    limits.sigma = 1.0;
    limits.upper = 3.0;
    limits.lower = -3.0;
    limits.movingRangeMean = 3.0 / kIndividualsFactor;
    limits.movingRangeUpper = kMovingRangeFactor * limits.movingRangeMean;  // 3.685
    return limits;
}

std::vector<std::vector<RunRule>> Hits(const std::vector<std::optional<double>>& values) {
    std::vector<std::vector<RunRule>> hits;
    for (const ChartPointCheck& check : CheckPoints(values, UnitLimits())) hits.push_back(check.hits);
    return hits;
}

using Rules = std::vector<RunRule>;

}  // namespace

TEST(ControlChart, TakesTheCentreAndLimitsFromTheBaselinesMeanAndMeanMovingRange) {
    // Moving ranges 2, 1, 2, 1: MR̄ 1.5; mean 11.6.
    const ChartLimits limits = LimitsFromBaseline({10.0, 12.0, 11.0, 13.0, 12.0});
    ASSERT_TRUE(limits.determined);
    EXPECT_DOUBLE_EQ(limits.centre, 11.6);
    EXPECT_DOUBLE_EQ(limits.movingRangeMean, 1.5);
    EXPECT_DOUBLE_EQ(limits.upper, 15.59);  // 11.6 + 2.66 · 1.5
    EXPECT_DOUBLE_EQ(limits.lower, 7.61);
    EXPECT_DOUBLE_EQ(limits.sigma, 1.33);
    EXPECT_DOUBLE_EQ(limits.movingRangeUpper, 4.9005);  // 3.267 · 1.5
    EXPECT_EQ(limits.baselineCount, 5u);
    EXPECT_TRUE(limits.provisional);
}

TEST(ControlChart, CallsLimitsProvisionalBelowTwentyResultsAndGivesNoneWithoutASpread) {
    std::vector<double> twenty;
    for (int i = 0; i < 20; ++i) twenty.push_back(i % 2 == 0 ? 1.0 : 2.0);
    EXPECT_FALSE(LimitsFromBaseline(twenty).provisional);
    twenty.pop_back();
    EXPECT_TRUE(LimitsFromBaseline(twenty).provisional);

    const ChartLimits one = LimitsFromBaseline({5.0});
    EXPECT_FALSE(one.determined);
    EXPECT_FALSE(one.why.Empty());
    EXPECT_FALSE(LimitsFromBaseline({5.0, 5.0, 5.0}).determined);
    // Without limits no rule is applied, and the moving ranges are still there to draw.
    const std::vector<ChartPointCheck> checks = CheckPoints({5.0, 9.0}, one);
    EXPECT_TRUE(checks[1].hits.empty());
    EXPECT_DOUBLE_EQ(*checks[1].movingRange, 4.0);
}

TEST(ControlChart, NamesAPointBeyondThreeSigma) {
    EXPECT_EQ(Hits({0.0, 3.5, 0.5}), (std::vector<Rules>{{}, {RunRule::BeyondLimit}, {}}));
    EXPECT_EQ(Hits({-3.01}), (std::vector<Rules>{{RunRule::BeyondLimit}}));
    EXPECT_EQ(Hits({3.0}), (std::vector<Rules>{{}}));  // on the limit is not beyond it
}

TEST(ControlChart, NamesTwoOfThreeBeyondTwoSigmaOnOneSideOnThePointThatCompletesThem) {
    EXPECT_EQ(Hits({2.5, 0.0, 2.5}), (std::vector<Rules>{{}, {}, {RunRule::TwoOfThree}}));
    EXPECT_EQ(Hits({2.5, 0.0, -2.5}), (std::vector<Rules>{{}, {}, {}}));  // on both sides
    EXPECT_EQ(Hits({2.5, 2.5, 0.0}), (std::vector<Rules>{{}, {RunRule::TwoOfThree}, {}}));
    EXPECT_EQ(Hits({2.5, 0.0, 0.0, 2.5}), (std::vector<Rules>{{}, {}, {}, {}}));  // 4 apart
}

TEST(ControlChart, NamesFourOfFiveBeyondOneSigmaOnOneSide) {
    EXPECT_EQ(Hits({1.5, 1.5, 0.0, 1.5, 1.5}), (std::vector<Rules>{{}, {}, {}, {}, {RunRule::FourOfFive}}));
    EXPECT_EQ(Hits({-1.5, -1.5, 0.0, -1.5, 1.5}), (std::vector<Rules>{{}, {}, {}, {}, {}}));
}

TEST(ControlChart, NamesEightInARowOnOneSideFromTheEighthOnAndLetThePointOnTheLineBreakTheRun) {
    const std::vector<std::optional<double>> nine(9, 0.5);
    const std::vector<Rules> hits = Hits(nine);
    EXPECT_TRUE(hits[6].empty());
    EXPECT_EQ(hits[7], Rules{RunRule::EightOnOneSide});
    EXPECT_EQ(hits[8], Rules{RunRule::EightOnOneSide});
    std::vector<std::optional<double>> broken(9, -0.5);
    broken[4] = 0.0;
    for (const Rules& rules : Hits(broken)) EXPECT_TRUE(rules.empty());
}

TEST(ControlChart, CountsAMovingRangeAboveItsLimitUnlessTheJumpComesBackFromABrokenPoint) {
    // 3.8 between two points inside the limits: a hit of its own.
    EXPECT_EQ(Hits({0.0, 1.9, -1.9}), (std::vector<Rules>{{}, {}, {RunRule::MovingRangeAbove}}));
    // The way back from a point beyond the limit is that point's, drawn but not counted again.
    const std::vector<ChartPointCheck> checks = CheckPoints({0.0, 4.0, 0.0}, UnitLimits());
    EXPECT_EQ(checks[1].hits, (Rules{RunRule::BeyondLimit, RunRule::MovingRangeAbove}));
    EXPECT_FALSE(checks[1].movingRangeReturn);
    EXPECT_TRUE(checks[2].hits.empty());
    EXPECT_TRUE(checks[2].movingRangeAbove);
    EXPECT_TRUE(checks[2].movingRangeReturn);  // what the page says of it
}

TEST(ControlChart, HoldsEachValueAgainstTheLimitsInForceForItWithTheWindowsReachingBack) {
    RunRuleCheck rules;
    // Seven values on one side while no limits are set: no rule applied, yet they count for the eighth.
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(rules.Next(0.5, ChartLimits()).hits.empty());
    EXPECT_EQ(rules.Next(0.5, UnitLimits()).hits, Rules{RunRule::EightOnOneSide});
    // Limits moved by an accepted value of 10: the same zones around 10.
    const ChartLimits moved = Shifted(UnitLimits(), 10.0);
    EXPECT_DOUBLE_EQ(moved.upper, 13.0);
    EXPECT_EQ(rules.Next(13.5, moved).hits.front(), RunRule::BeyondLimit);
    // Limits of a centre and MR̄ already known, as a lab established them.
    const ChartLimits known = LimitsFromMeans(2.0, 0.1);
    EXPECT_TRUE(known.determined);
    EXPECT_DOUBLE_EQ(known.upper, 2.266);
    EXPECT_FALSE(LimitsFromMeans(2.0, 0.0).determined);
}

TEST(ControlChart, SkipsUnusedResultsInTheRulesAndTheMovingRanges) {
    const std::vector<ChartPointCheck> checks = CheckPoints({2.5, std::nullopt, 2.5}, UnitLimits());
    EXPECT_FALSE(checks[1].movingRange.has_value());
    EXPECT_TRUE(checks[1].hits.empty());
    EXPECT_DOUBLE_EQ(*checks[2].movingRange, 0.0);
    EXPECT_EQ(checks[2].hits, Rules{RunRule::TwoOfThree});
}
