#include "qc/QcDocument.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "qc/ChartScale.h"
#include "qc/QcJson.h"
#include "qc/QcSample.h"
#include "report/ReportSample.h"
#include "report/TransformAndOpen.h"
#include "support/MessageText.h"
#include "support/ScopedTimeZone.h"
#include "support/TempFolder.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The QC page of the sample charts, as QcChart.xsl draws it.
class QcDocumentTest : public ::testing::Test {
protected:
    std::string Page() {
        XMLWrapper document;
        document.CreateDocument();
        FillQcDocument(document, SampleQcCharts(), L"с 2024-03-01 по 2024-03-09", 1710410940,
                       Language::Russian);
        const std::wstring output = folder.File(L"qc.html");
        std::wstring error;
        EXPECT_TRUE(TransformToFile(document, StylesheetFile(L"QcChart.xsl"), output, &error))
            << std::string(error.begin(), error.end());
        return ReadBytes(output);
    }

    const ScopedTimeZone utc{"UTC0"};
    TempFolder folder;
};

}  // namespace

TEST_F(QcDocumentTest, DrawsEachChartFromItsDataAndNamesEveryHitOnItsPoint) {
    const std::string page = Page();
    // Eight points with a value on the individuals chart, the one without a value as a cross on its axis;
    // the first shown has its moving range to the last result before the range.
    EXPECT_EQ(Count(page, "<circle"), 8u + 7u + 1u);  // I points, moving ranges, the oxygen's one point
    EXPECT_TRUE(Holds(page, ">×</text>"));
    // The rules and the tolerance the point broke, in red beside it.
    const size_t mark = page.find(">1,5,Д</text>");
    ASSERT_NE(mark, std::string::npos) << page;
    EXPECT_TRUE(Holds(page.substr(page.rfind("<text", mark)), "fill=\"#b00020\" font-weight=\"bold\""));
    EXPECT_TRUE(Holds(page,
                      "<title>08.03.24  07:30 · КО-1 &lt;контроль &amp; проверка&gt;: 5.3012 % масс. "
                      "(на карте 0.3012) — не пройден: за пределом 3σ; скользящий размах выше предела; вне "
                      "допуска ±0.15 · отчёт "
                      "2024-03-08_0730_КО-1</title>"));
    EXPECT_TRUE(Holds(page, "Пределы не установлены (oxycalc-cli qc --establish)"));
    EXPECT_TRUE(Holds(page, "ВКП "));
    EXPECT_TRUE(Holds(page, "Для следующего результата пределов нет: до него на карте 1 используемых"));
    // The return from the failed point: above the MR limit, counted to that point, and said so.
    EXPECT_TRUE(Holds(page,
                      "скользящий размах 0.3012 выше предела 0.0793: возврат от точки 08.03.24  07:30, "
                      "нарушившей правило; отнесён к ней, правило 5 не засчитано"))
        << page;
    EXPECT_TRUE(Holds(page, "строка 4: допуск задаётся вместе с принятым значением"));
    EXPECT_TRUE(Holds(page, "<a href=\"2024-03-08_0730_КО-1.html\">08.03.24  07:30</a>"));
    // Every SVG element unprefixed (an HTML parser reads no prefix), and the limits drawn.
    EXPECT_FALSE(Holds(page, ":line")) << page;
    EXPECT_TRUE(Holds(page, "stroke=\"#b00020\" stroke-width=\"1.3\" stroke-dasharray=\"7,4\"/>"));
    // Saved as HTML reads it: no HTML element left empty.
    for (const char* empty : {"<td/>", "<th/>", "<p/>", "<div/>", "<span/>", "<b/>", "<tr/>"})
        EXPECT_FALSE(Holds(page, empty)) << empty;
}

TEST_F(QcDocumentTest, DrawsAValueBeyondTheScaleAtItsEdgeAndLetsNoNumberLessValueIntoTheDrawing) {
    QcLine oxygen;
    oxygen.sample = L"КО-1";
    std::vector<QcResult> results;
    for (int day = 0; day < 12; ++day) {
        QcResult result;
        result.first = 1709278200 + int64_t{86400} * day;
        result.last = result.first + 900;
        result.seriesKey = std::to_wstring(day);
        result.measurement.value = day == 9 ? 1e300 : day % 2 == 0 ? 2.10 : 2.12;
        results.push_back(result);
    }
    results[10].measurement = {std::nullopt, MessageCode::QcNotFinite};
    QcCharts qc;
    qc.charts = {MakeQcChart(oxygen, results)};
    XMLWrapper document;
    document.CreateDocument();
    FillQcDocument(document, qc, L"все даты", 1710410940, Language::Russian);
    const std::wstring output = folder.File(L"wild.html");
    ASSERT_TRUE(TransformToFile(document, StylesheetFile(L"QcChart.xsl"), output));
    const std::string page = ReadBytes(output);
    EXPECT_FALSE(Holds(page, "NaN"));
    EXPECT_FALSE(Holds(page, "Infinity"));
    // The wild value at the top edge with an arrow, on both charts; the others keep a readable scale.
    EXPECT_EQ(Count(page, ">▲</text>"), 3u);  // its point, and the moving ranges into it and back
    EXPECT_TRUE(Holds(page, "text-anchor=\"end\">2.175</text>")) << page;
    EXPECT_TRUE(Holds(page, "1e+300 % масс."));
    EXPECT_TRUE(Holds(page, "(за шкалой карты: нарисован у её края)"));
    EXPECT_TRUE(Holds(page, ">×</text>"));  // the result without a number
}

// MSXML (under Wine) and libxslt are expected to give this same page.
TEST_F(QcDocumentTest, GivesTheGoldenQcPageOnEveryPlatform) {
    ExpectMatchesGolden(Page(), L"qc/QcChart.golden.html");
}

TEST(QcJson, CarriesTheChartsPointsLimitsAndRuleHits) {
    const ScopedTimeZone utc{"UTC0"};
    using Json = nlohmann::ordered_json;
    const Json json =
        Json::parse(QcJson(SampleQcCharts(), L"с 2024-03-01 по 2024-03-09", 1710410940, Language::Russian));
    EXPECT_EQ(json["format"], "oxycalc-qc");
    EXPECT_EQ(json["created_utc"], "2024-03-14T10:09:00Z");
    EXPECT_EQ(json["errors"].size(), 1u);
    const Json& mtbe = json["charts"][0];
    EXPECT_EQ(mtbe["peak_name"], "МТБЭ");
    EXPECT_EQ(mtbe["plotted"], "result_minus_accepted");
    EXPECT_EQ(mtbe["tolerance"], 0.15);
    EXPECT_EQ(mtbe["limits"]["provisional"], true);
    EXPECT_EQ(mtbe["limits"]["established"], false);
    // Ten results before the range and six in it that did not fail: the limits for the next result.
    EXPECT_EQ(mtbe["limits"]["baseline_results"], 16);
    const Json& bad = mtbe["points"][7];
    EXPECT_EQ(bad["value"], 5.3012);
    EXPECT_EQ(bad["plotted"], 0.3012);
    EXPECT_EQ(bad["within_tolerance"], false);
    EXPECT_EQ(bad["outcome"], "failed");
    EXPECT_EQ(bad["rule_hits"][0]["rule"], 1);
    EXPECT_EQ(bad["first_analysis_utc"], "2024-03-08T07:30:00Z");
    EXPECT_EQ(bad["limits"]["kind"], "provisional");
    EXPECT_EQ(bad["limits"]["baseline_results"], 15);
    EXPECT_EQ(mtbe["points"][8]["moving_range_return"], true);
    EXPECT_EQ(json["none_judged"], false);
    EXPECT_EQ(mtbe["points"][3]["used"], false);
    EXPECT_EQ(mtbe["points"][3]["outcome"], "undetermined");
    EXPECT_TRUE(mtbe["points"][6]["value"].is_null());
    const Json& oxygen = json["charts"][1];
    EXPECT_TRUE(oxygen["peak_name"].is_null());
    EXPECT_EQ(oxygen["limits"]["determined"], false);
    EXPECT_TRUE(oxygen["limits"]["centre"].is_null());
    EXPECT_EQ(oxygen["points"][0]["outcome"], "unjudged");
}

TEST(ChartScale, CutsTheRangeAtRoundStepsAndLabelsEachTickWithTheDecimalsItNeeds) {
    ChartScale scale = NiceScale(2.0427, 2.1718);
    EXPECT_DOUBLE_EQ(scale.step, 0.05);
    EXPECT_EQ(scale.labels, (std::vector<std::wstring>{L"2.00", L"2.05", L"2.10", L"2.15", L"2.20"}));
    scale = NiceScale(-0.1523, 0.3345);
    EXPECT_EQ(scale.labels,
              (std::vector<std::wstring>{L"-0.2", L"-0.1", L"0.0", L"0.1", L"0.2", L"0.3", L"0.4"}));
    EXPECT_EQ(NiceScale(0.0, 10.0, 5).labels,
              (std::vector<std::wstring>{L"0.0", L"2.5", L"5.0", L"7.5", L"10.0"}));
    // Equal values get a range around them.
    scale = NiceScale(5.0, 5.0);
    EXPECT_LT(scale.low, 5.0);
    EXPECT_GT(scale.high, 5.0);
}
