#include "qc/QcChart.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/MessageText.h"
#include "tables/Component.h"

namespace {

// A QC sample's calculation: MTBE found, the standard known, three parallels ticked.
struct Calculated {
    Calculated() {
        data.standard = L"ДМЭ";
        data.sampleDensity = 742.5;
        data.totalOxygen = 2.1061;
        data.components = {{1, L"МТБЭ", L"МТБЭ", 88.15, 745.82},
                           {2, L"ЭТБЭ", L"ЭТБЭ", 102.17, 745.17},
                           {3, L"ДМЭ", L"ДМЭ", 90.12, 872.06}};
        ComponentResult mtbe;
        mtbe.peakName = mtbe.name = L"МТБЭ";
        mtbe.massPercent = 5.01234;
        mtbe.molarMass = 88.15;
        mtbe.density = 745.82;
        data.results = {mtbe};
        assays.resize(3);
        for (Assay& assay : assays) assay.isTicked = 1;
    }
    CalculationData data;
    std::vector<Assay> assays;
};

QcLine Line(std::wstring peakName, std::optional<double> accepted = {},
            std::optional<double> tolerance = {}) {
    QcLine line;
    line.sample = L"КО-1";
    line.peakName = std::move(peakName);
    line.accepted = accepted;
    line.tolerance = tolerance;
    if (tolerance) line.toleranceText = L"0.15";
    return line;
}

// A result a day, made at `day` · 1000 seconds, with a used value or a doubt.
QcResult Result(int day, std::optional<double> value, Message doubt = {}) {
    QcResult result;
    result.first = day * 1000;
    result.last = result.first + 100;
    result.seriesKey = std::to_wstring(day);
    result.measurement = {value, std::move(doubt)};
    return result;
}

}  // namespace

TEST(QcChart, MeasuresTheLinesValueAndSaysWhyOneCannotBeUsed) {
    Calculated qc;
    const QcMeasurement oxygen = MeasureQc(Line(L""), qc.data, qc.assays);
    EXPECT_DOUBLE_EQ(*oxygen.value, 2.1061);
    EXPECT_TRUE(oxygen.Used());
    EXPECT_DOUBLE_EQ(*MeasureQc(Line(L"мтбэ"), qc.data, qc.assays).value, 5.0123);  // rounded as shown

    // The component of the line is in the table but in no chromatogram: no zero is charted.
    EXPECT_EQ(Russian(MeasureQc(Line(L"ЭТБЭ"), qc.data, qc.assays).doubt),
              L"компонент «ЭТБЭ» не найден в хроматограммах");
    EXPECT_EQ(Russian(MeasureQc(Line(L"ТАМЭ"), qc.data, qc.assays).doubt),
              L"компонента «ТАМЭ» нет в таблице компонентов");
    // The standard's own oxygen would count in the total: the value is shown, not used.
    qc.data.warnings.emplace_back(CalculationWarning::Kind::StandardNotFound, L"ДМЭ");
    const QcMeasurement unsure = MeasureQc(Line(L""), qc.data, qc.assays);
    EXPECT_TRUE(unsure.value.has_value());
    EXPECT_FALSE(unsure.Used());
    // A damaged concentration gives no number: nothing to chart or judge by.
    qc.data.warnings.clear();
    qc.data.totalOxygen = std::numeric_limits<double>::infinity();
    const QcMeasurement infinite = MeasureQc(Line(L""), qc.data, qc.assays);
    EXPECT_FALSE(infinite.value.has_value());
    EXPECT_EQ(Russian(infinite.doubt), L"результат — не конечное число");
}

TEST(QcChart, ChartsResultMinusAcceptedValueAndFailsAResultOutsideItsTolerance) {
    const QcChart chart = MakeQcChart(Line(L"МТБЭ", 5.0, 0.15),
                                      {Result(1, 5.01), Result(2, 4.98), Result(3, 5.1501), Result(4, 4.85)});
    ASSERT_EQ(chart.points.size(), 4u);
    EXPECT_DOUBLE_EQ(*chart.points[0].plotted, 0.01);
    // Too few results before any of them for limits: the tolerance alone judges.
    EXPECT_FALSE(chart.points[3].limits.determined);
    EXPECT_EQ(chart.points[2].withinTolerance, false);
    EXPECT_EQ(chart.points[2].outcome, QcOutcome::Failed);
    EXPECT_EQ(Russian(chart.points[2].Why(chart.line)), L"вне допуска ±0.15");
    EXPECT_EQ(chart.points[3].withinTolerance, true);  // exactly on the tolerance passes
    EXPECT_EQ(chart.points[3].outcome, QcOutcome::InControl);
}

TEST(QcChart, JudgesEachResultByTheFirstTwentyBeforeItLeavingOutThoseThatFailed) {
    std::vector<QcResult> results;
    for (int day = 1; day <= 25; ++day) results.push_back(Result(day, day % 2 == 0 ? 2.0 : 2.1));
    results[3].measurement.doubt = MessageCode::DoubtNoStandard;  // shown, not used
    results[9].measurement.value = 2.4;                           // out of control: no part of later limits
    results.push_back(Result(26, 2.4));
    const QcChart chart = MakeQcChart(Line(L""), results);
    // Never judged by limits made from itself: the first five used results have fewer than five before them.
    for (const size_t unjudged : {0u, 1u, 2u, 4u, 5u}) {
        EXPECT_EQ(chart.points[unjudged].outcome, QcOutcome::Unjudged) << unjudged;
        EXPECT_TRUE(chart.points[unjudged].inBaseline);
    }
    EXPECT_NE(Russian(chart.points[0].Why(chart.line)).find(L"нужно не менее 5"), std::wstring::npos);
    EXPECT_EQ(chart.points[3].outcome, QcOutcome::Undetermined);
    EXPECT_FALSE(chart.points[3].inBaseline);
    const QcPoint& sixth = chart.points[6];
    EXPECT_EQ(sixth.limits.baselineCount, 5u);
    EXPECT_EQ(sixth.outcome, QcOutcome::InControl);
    EXPECT_EQ(chart.points[9].outcome, QcOutcome::Failed);
    EXPECT_FALSE(chart.points[9].inBaseline);
    EXPECT_EQ(chart.points[10].limits.baselineCount, 8u);  // the outlier left out
    // From the 21st usable result in control on, the first twenty judge: what an established baseline gives.
    EXPECT_EQ(chart.points[25].limits.baselineCount, 20u);
    EXPECT_FALSE(chart.points[25].limits.provisional);
    EXPECT_EQ(chart.points[25].outcome, QcOutcome::Failed);
    EXPECT_EQ(chart.limits.baselineCount, 20u);
    EXPECT_FALSE(chart.limits.established);
}

TEST(QcChart, HoldsTheResultsAfterAnEstablishedBaselineAgainstTheRecordedLimits) {
    QcLine line = Line(L"");
    EstablishedLimits established;
    established.centre = 1.1;
    established.movingRangeMean = 0.1;
    established.count = 3;
    established.baselineFrom = 1000;
    established.baselineTo = 3100;
    line.established = established;
    const QcChart chart = MakeQcChart(
        line, {Result(1, 1.0), Result(2, 1.2), Result(3, 1.1), Result(30, 2.0), Result(31, 1.15)});
    EXPECT_TRUE(chart.limits.established);
    EXPECT_DOUBLE_EQ(chart.limits.upper, 1.1 + 0.266);
    // The baseline's own results are judged as before establishing: not by limits made from themselves.
    EXPECT_EQ(chart.points[2].outcome, QcOutcome::Unjudged);
    EXPECT_TRUE(chart.points[2].inBaseline);
    EXPECT_FALSE(chart.points[3].inBaseline);
    EXPECT_TRUE(chart.points[3].limits.established);
    EXPECT_EQ(chart.points[3].outcome, QcOutcome::Failed);
    EXPECT_EQ(chart.points[4].outcome, QcOutcome::InControl);
    EXPECT_TRUE(chart.points[4].check.movingRangeReturn);
}

TEST(QcChart, ShowsARangeWithEachPointJudgedAsOnTheWholeChart) {
    std::vector<QcResult> results;
    for (int day = 1; day <= 20; ++day) results.push_back(Result(day, day % 2 == 0 ? 2.0 : 2.1));
    // Seven results above the centre line before the range, the eighth in it.
    for (int day = 21; day <= 28; ++day) results.push_back(Result(day, 2.08));
    const QcChart whole = MakeQcChart(Line(L""), results);
    const QcChart day = ChartStartingIn(whole, 28 * 1000, 29 * 1000);
    ASSERT_EQ(day.points.size(), 1u);
    EXPECT_EQ(day.points[0].check.hits, std::vector<RunRule>{RunRule::EightOnOneSide});
    EXPECT_DOUBLE_EQ(*day.points[0].check.movingRange, 0.0);  // to the day before, outside the range
    EXPECT_EQ(day.limits.baselineCount, whole.limits.baselineCount);
}

TEST(QcChart, LeavesAResultUnjudgedWithoutLimitsOrTolerance) {
    const QcChart chart = MakeQcChart(Line(L""), {Result(1, 2.0)});
    EXPECT_FALSE(chart.limits.determined);
    EXPECT_EQ(chart.points[0].outcome, QcOutcome::Unjudged);
    QcCharts qc;
    qc.charts = {chart};
    EXPECT_FALSE(QcNeedsLook(qc));
    EXPECT_TRUE(NoneJudged(qc));
    qc.errors = {Message(MessageCode::QcNoSample)};
    EXPECT_TRUE(QcNeedsLook(qc));
    // Thirty equal results give no spread to judge by.
    std::vector<QcResult> equal;
    for (int day = 1; day <= 30; ++day) equal.push_back(Result(day, 2.1));
    qc.charts = {MakeQcChart(Line(L""), equal)};
    EXPECT_TRUE(NoneJudged(qc));
    EXPECT_NE(Russian(qc.charts[0].points[29].Why(qc.charts[0].line)).find(L"все одинаковы"),
              std::wstring::npos);
    qc.charts.push_back(MakeQcChart(Line(L"МТБЭ", 5.0, 0.15), {Result(1, 5.0)}));  // judged by its tolerance
    EXPECT_FALSE(NoneJudged(qc));
}
