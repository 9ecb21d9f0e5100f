#include "calc/QcChart.h"

#include <gtest/gtest.h>

#include "calc/Component.h"

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
QcResult Result(int day, std::optional<double> value, std::wstring doubt = {}) {
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
    EXPECT_EQ(MeasureQc(Line(L"ЭТБЭ"), qc.data, qc.assays).doubt,
              L"компонент «ЭТБЭ» не найден в хроматограммах");
    EXPECT_EQ(MeasureQc(Line(L"ТАМЭ"), qc.data, qc.assays).doubt,
              L"компонента «ТАМЭ» нет в таблице компонентов");
    // The standard's own oxygen would count in the total: the value is shown, not used.
    qc.data.warnings.emplace_back(CalculationWarning::Kind::StandardNotFound, L"ДМЭ");
    const QcMeasurement unsure = MeasureQc(Line(L""), qc.data, qc.assays);
    EXPECT_TRUE(unsure.value.has_value());
    EXPECT_FALSE(unsure.Used());
}

TEST(QcChart, ChartsResultMinusAcceptedValueAndFailsAResultOutsideItsTolerance) {
    const QcChart chart = MakeQcChart(Line(L"МТБЭ", 5.0, 0.15),
                                      {Result(1, 5.01), Result(2, 4.98), Result(3, 5.1501), Result(4, 4.85)},
                                      std::nullopt, L"");
    ASSERT_EQ(chart.points.size(), 4u);
    EXPECT_DOUBLE_EQ(*chart.points[0].plotted, 0.01);
    EXPECT_DOUBLE_EQ(chart.limits.centre, (0.01 - 0.02 + 0.1501 - 0.15) / 4);
    EXPECT_EQ(chart.points[2].withinTolerance, false);
    EXPECT_EQ(chart.points[2].outcome, QcOutcome::Failed);
    EXPECT_EQ(chart.points[2].Why(chart.line), L"вне допуска ±0.15");
    EXPECT_EQ(chart.points[3].withinTolerance, true);  // exactly on the tolerance passes
    EXPECT_EQ(chart.points[3].outcome, QcOutcome::InControl);
    EXPECT_TRUE(chart.limits.provisional);
}

TEST(QcChart, TakesTheFirstTwentyUsedResultsAsBaselineUnlessDatesAreGiven) {
    std::vector<QcResult> results;
    for (int day = 1; day <= 25; ++day) results.push_back(Result(day, day % 2 == 0 ? 2.0 : 2.1));
    results[3].measurement.doubt = L"внутренний стандарт не задан";  // shown, not used
    results.push_back(Result(26, 2.4));
    const QcChart chart = MakeQcChart(Line(L""), results, std::nullopt, L"первые 20 результатов");
    EXPECT_FALSE(chart.limits.provisional);
    EXPECT_EQ(chart.limits.baselineCount, 20u);
    EXPECT_FALSE(chart.points[3].inBaseline);
    EXPECT_EQ(chart.points[3].outcome, QcOutcome::Undetermined);
    EXPECT_TRUE(chart.points[20].inBaseline);  // the 20th used result
    EXPECT_FALSE(chart.points[21].inBaseline);
    EXPECT_EQ(chart.points[25].check.hits.front(), RunRule::BeyondLimit);
    EXPECT_EQ(chart.points[25].outcome, QcOutcome::Failed);

    // A baseline of dates outside the range: its results give the limits, none is charted as baseline.
    const QcChart dated =
        MakeQcChart(Line(L""), {Result(30, 2.0), Result(31, 2.05)},
                    std::vector<QcResult>{Result(1, 1.0), Result(2, 1.2), Result(3, 1.1)}, L"");
    EXPECT_DOUBLE_EQ(dated.limits.centre, 1.1);
    EXPECT_EQ(dated.limits.baselineCount, 3u);
    EXPECT_FALSE(dated.points[0].inBaseline);
    EXPECT_EQ(dated.points[0].outcome, QcOutcome::Failed);
}

TEST(QcChart, LeavesAResultUnjudgedWithoutLimitsOrTolerance) {
    const QcChart chart = MakeQcChart(Line(L""), {Result(1, 2.0)}, std::nullopt, L"");
    EXPECT_FALSE(chart.limits.determined);
    EXPECT_EQ(chart.points[0].outcome, QcOutcome::Unjudged);
    QcCharts qc;
    qc.charts = {chart};
    EXPECT_FALSE(QcNeedsLook(qc));
    qc.errors = {L"строка 2: нет названия контрольной пробы"};
    EXPECT_TRUE(QcNeedsLook(qc));
}
