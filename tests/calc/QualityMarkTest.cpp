#include "calc/QualityMark.h"

#include <gtest/gtest.h>

#include "calc/QcChart.h"
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
    return MakeQcChart(line, {Result(1000, 5.0), Result(2000, 5.5), Result(3000, 5.02)}, std::nullopt, L"");
}

}  // namespace

TEST(QualityMark, PutsTheSeriesOnEitherSideOfAFailedCheckInDoubtAndConfirmsThoseBracketedByPassedOnes) {
    const ScopedTimeZone utc{"UTC0"};
    const std::vector<QcChart> charts = {CheckStandard()};
    const QualityMark before = MarkSeries(1700, 1800, charts);
    EXPECT_EQ(before.status, Status::InDoubt);
    EXPECT_EQ(before.Text(), L"под сомнением: контроль качества не пройден");
    EXPECT_EQ(before.detail, L"контроль «КО-1 — МТБЭ, % масс.» 01.01.70  00:33 не пройден: вне допуска ±0.1");
    // Made after the failed check, before the next in control: the method was known to be out of control.
    const QualityMark after = MarkSeries(2700, 2800, charts);
    EXPECT_EQ(after.status, Status::InDoubt);
    EXPECT_NE(after.detail.find(L"после не пройденного контроля"), std::wstring::npos) << after.detail;

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
    const QcChart unjudged = MakeQcChart(oxygen, {Result(1000, 2.1)}, std::nullopt, L"");
    const QualityMark mark = MarkSeries(100, 900, {CheckStandard(), unjudged});
    EXPECT_EQ(mark.status, Status::NotYetConfirmed);
    EXPECT_NE(mark.detail.find(L"нет пределов и нет допуска"), std::wstring::npos) << mark.detail;
    EXPECT_EQ(MarkSeries(1700, 1800, {unjudged, CheckStandard()}).status, Status::InDoubt);
}
