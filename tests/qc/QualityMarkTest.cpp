#include "qc/QualityMark.h"

#include <gtest/gtest.h>

#include "qc/QcChart.h"
#include "support/MessageText.h"
#include "support/ScopedTimeZone.h"

namespace {

using Status = QualityMark::Status;

QcResult Result(int64_t at, double value) {
    QcResult result;
    result.first = at;
    result.last = at + 600;
    result.seriesKey = std::to_wstring(at);
    result.measurement.value = value;
    return result;
}

// A check standard of accepted value 5 ± 0.1, run at 1000, 2000 (out of tolerance) and 3000 seconds.
QcChart CheckStandard() {
    QcLine line;
    line.sample = L"КО-1";
    line.peakName = L"МТБЭ";
    line.accepted = 5.0;
    line.tolerance = 0.1;
    line.toleranceText = L"0.1";
    return MakeQcChart(line, {Result(1000, 5.0), Result(2000, 5.5), Result(3000, 5.02)});
}

}  // namespace

TEST(QualityMark, PutsTheSeriesOnEitherSideOfAFailedCheckInDoubtAndConfirmsThoseBracketedByPassedOnes) {
    const ScopedTimeZone utc{"UTC0"};
    const std::vector<QcChart> charts = {CheckStandard()};
    const QualityMark before = MarkSeries(1700, 1800, charts);
    EXPECT_EQ(before.status, Status::InDoubt);
    EXPECT_EQ(Russian(before.TextMessage()), L"под сомнением: контроль качества не пройден");
    EXPECT_EQ(Russian(before.detail),
              L"контроль «КО-1 — МТБЭ, % масс.» 01.01.70  00:33 не пройден: вне допуска ±0.1");
    // Made after the failed check, before the next in control: the method was known to be out of control.
    const QualityMark after = MarkSeries(2700, 2800, charts);
    EXPECT_EQ(after.status, Status::InDoubt);
    EXPECT_NE(Russian(after.detail).find(L"после не пройденного контроля"), std::wstring::npos)
        << Russian(after.detail);

    EXPECT_EQ(MarkSeries(100, 900, charts).status, Status::Confirmed);
    const QualityMark last = MarkSeries(3700, 3800, charts);
    EXPECT_EQ(last.status, Status::NotYetConfirmed);
    EXPECT_EQ(last.Key(), std::wstring(L"not_yet_confirmed"));
    // A series overlapping a check is not confirmed by it.
    EXPECT_EQ(MarkSeries(2900, 3100, charts).status, Status::InDoubt);
    EXPECT_EQ(MarkSeries(100, 900, {}).status, Status::None);
}

TEST(QualityMark, GivesTheWorstChartsMarkAndSaysWhyAChartConfirmsNothing) {
    const ScopedTimeZone utc{"UTC0"};
    QcLine oxygen;
    oxygen.sample = L"КО-1";
    // A single result: no limits and no tolerance to judge it by.
    const QcChart unjudged = MakeQcChart(oxygen, {Result(1000, 2.1)});
    const QualityMark mark = MarkSeries(100, 900, {CheckStandard(), unjudged});
    EXPECT_EQ(mark.status, Status::NotYetConfirmed);
    EXPECT_NE(Russian(mark.detail).find(L"нет пределов и нет допуска"), std::wstring::npos)
        << Russian(mark.detail);
    EXPECT_EQ(MarkSeries(1700, 1800, {unjudged, CheckStandard()}).status, Status::InDoubt);
}

TEST(QualityMark, DoubtsEveryAnalysisBetweenTheLastCheckInControlAndTheEndOfAFailedOne) {
    const ScopedTimeZone utc{"UTC0"};
    const std::vector<QcChart> charts = {CheckStandard()};  // in control at 1000, failed 2000–2600
    // Made between the failed check's parallels: in doubt, though the next check passes.
    const QualityMark between = MarkAnalyses({2100, 2200}, charts);
    EXPECT_EQ(between.status, Status::InDoubt);
    EXPECT_EQ(MarkSeries(1000 + 900, 2100, charts).status, Status::InDoubt);
    // Every series after the last check in control is in doubt, however many there are.
    EXPECT_EQ(MarkAnalyses({1650}, charts).status, Status::InDoubt);
    // One analysis of a series in doubt puts the series in doubt.
    EXPECT_EQ(MarkAnalyses({500, 1700}, charts).status, Status::InDoubt);
    // Without a check in control before the failed one, all before it is in doubt.
    QcLine line = charts[0].line;
    const QcChart failedFirst = MakeQcChart(line, {Result(2000, 5.5), Result(3000, 5.02)});
    EXPECT_EQ(MarkAnalyses({100}, {failedFirst}).status, Status::InDoubt);
}

TEST(QualityMark, RecordsTheChecksItRestsOnWithTheLimitsTheyWereHeldAgainst) {
    const std::vector<QcChart> charts = {CheckStandard()};
    const QualityMark confirmed = MarkSeries(100, 900, charts);
    ASSERT_EQ(confirmed.checks.size(), 1u);
    EXPECT_TRUE(confirmed.checks[0].passed);
    EXPECT_EQ(confirmed.checks[0].first, 1000);
    EXPECT_FALSE(confirmed.checks[0].limits.determined);  // judged by its tolerance alone
    EXPECT_EQ(confirmed.checks[0].tolerance, std::optional<double>(0.1));
    const QualityMark doubted = MarkSeries(1700, 1800, charts);
    ASSERT_EQ(doubted.checks.size(), 1u);
    EXPECT_FALSE(doubted.checks[0].passed);
    EXPECT_EQ(Russian(doubted.checks[0].why), L"вне допуска ±0.1");
    EXPECT_TRUE(MarkSeries(3700, 3800, charts).checks.empty());
}
