#include "report/ReportDocument.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>
#include <vector>

#include "calc/CalculationChecks.h"
#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "platform/WideText.h"
#include "report/ReportSample.h"
#include "support/ScopedTimeZone.h"
#include "tables/NotSet.h"
#include "xml/XMLWrapper.h"

namespace {

std::vector<std::wstring> ChildNames(const pugi::xml_node& node) {
    std::vector<std::wstring> names;
    for (const pugi::xml_node& child : node.children()) names.push_back(child.name());
    return names;
}

// The names of the first `count` children: the elements every stylesheet relies on.
std::vector<std::wstring> FirstNames(const pugi::xml_node& node, size_t count) {
    std::vector<std::wstring> names = ChildNames(node);
    names.resize(std::min(count, names.size()));
    return names;
}

std::vector<std::wstring> ChildTexts(const pugi::xml_node& node) {
    std::vector<std::wstring> texts;
    for (const pugi::xml_node& child : node.children()) texts.push_back(child.text().get());
    return texts;
}

std::vector<pugi::xml_node> Rows(const pugi::xml_node& table) {
    std::vector<pugi::xml_node> rows;
    for (const pugi::xml_node& row : table.children()) rows.push_back(row);
    return rows;
}

class ReportDocumentTest : public ::testing::Test {
protected:
    // The document of the model made of assays and data, as text and read back; the limits' verdicts
    // are taken as the calculation takes them.
    const pugi::xml_node& Fill() {
        MarkResults(data);
        if (data.limits) data.verdicts = CheckLimits(data.limits->limits, data, assays);
        XMLWrapper wrapper;
        EXPECT_TRUE(wrapper.CreateDocument());
        FillReportDocument(wrapper, MakeReportModel(assays, data, createdAt));
        text = wrapper.ToText();
        EXPECT_TRUE(document.load_string(FromUtf8(text).c_str()));
        root = document.child(L"Document");
        return root;
    }

    const ScopedTimeZone utc{"UTC0"};
    CalculationData data;
    int64_t createdAt = 0;
    std::vector<Assay> assays;
    std::string text;
    pugi::xml_document document;
    pugi::xml_node root;
};

}  // namespace

TEST_F(ReportDocumentTest, LeavesOutTheFilesElementForAnEmptyList) {
    Fill();
    EXPECT_EQ(FirstNames(root, 4),
              (std::vector<std::wstring>{L"standart", L"density_proba", L"calc_table", L"oxygen"}));
    EXPECT_FALSE(root.child(L"files"));
    EXPECT_FALSE(root.child(L"chromatograms"));
}

TEST_F(ReportDocumentTest, WritesNResultRowsThenTheSeparatorAndTheTotalsEachOfEightCells) {
    data = SampleCalculation();
    Fill();
    const std::vector<pugi::xml_node> rows = Rows(root.child(L"calc_table"));
    ASSERT_EQ(rows.size(), 3u + 2u);
    for (const pugi::xml_node& row : rows) {
        EXPECT_EQ(ChildNames(row), std::vector<std::wstring>(8, L"name"));
    }
    EXPECT_EQ(ChildTexts(rows[0]),
              (std::vector<std::wstring>{L"1", L"Метил-трет-бутиловый эфир", L"0.8278", L"8.2357", L"0.0195",
                                         L"1.1179", L"8.2932", L"1.4949"}));
    EXPECT_EQ(ChildTexts(rows[1])[0], L"2");
    EXPECT_EQ(ChildTexts(rows[1])[2], L"0.0000");
    EXPECT_EQ(ChildTexts(rows[2])[0], L"3");
    EXPECT_EQ(ChildTexts(rows[3]), std::vector<std::wstring>(8, L"-"));
    EXPECT_EQ(ChildTexts(rows[4]), (std::vector<std::wstring>{L"", L"Всего", L"1.3183", L"13.6153", L"0.0558",
                                                              L"1.9328", L"12.6087", L"1.4949"}));
}

TEST_F(ReportDocumentTest, WithoutResultsTheTableHoldsOnlyTheSeparatorAndZeroTotals) {
    Fill();
    const std::vector<pugi::xml_node> rows = Rows(root.child(L"calc_table"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(ChildTexts(rows[1]), (std::vector<std::wstring>{L"", L"Всего", L"0.0000", L"0.0000", L"0.0000",
                                                              L"0.0000", L"0.0000", L"0.0000"}));
}

TEST_F(ReportDocumentTest, ListsEveryChromatogramTickedOrNotWithItsMassAsANumber) {
    assays = SampleAssays();
    Fill();
    const std::vector<pugi::xml_node> rows = Rows(root.child(L"files"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(ChildNames(rows[0]),
              (std::vector<std::wstring>{L"name", L"name", L"name", L"name", L"analyse_time", L"name"}));
    EXPECT_EQ(ChildTexts(rows[0]),
              (std::vector<std::wstring>{L"1", L"Да", L"C:\\Хроматограммы\\2024\\Проба 2417-1.stg",
                                         L"ГОСТ EN 13132, TCEP", L"14.03.24  09:12", L"10.02"}));
    EXPECT_EQ(ChildTexts(rows[1]),
              (std::vector<std::wstring>{L"2", L"Нет", L"C:\\Хроматограммы\\2024\\Проба <0988> & Co.stg",
                                         L"Метод \"A\" > B", L"15.03.24  11:03", L"-1.00"}));
    EXPECT_EQ(ChildTexts(rows[2])[0], L"3");
    EXPECT_EQ(ChildTexts(rows[2])[5], L"0.00");
}

// "Да", "Нет" and "Всего" are the document's own tokens whatever the report's language: the stylesheet puts
// them into words. With nothing ticked the total is 0, no result to hold against anything.
TEST_F(ReportDocumentTest, ItsTokensStandWhateverTheLanguageAndNothingTickedGivesATotalOfZero) {
    assays = SampleAssays();
    for (Assay& assay : assays) assay.isTicked = 0;
    ComponentsSnapshot table;
    table.source = ComponentsSource::File;
    data = Recalculate({L"", 745.68, true}, table, assays, std::nullopt);
    XMLWrapper wrapper;
    ASSERT_TRUE(wrapper.CreateDocument());
    ReportModel model = MakeReportModel(assays, data, createdAt);
    model.language = Language::English;
    FillReportDocument(wrapper, model);
    ASSERT_TRUE(document.load_string(FromUtf8(wrapper.ToText()).c_str()));
    root = document.child(L"Document");
    EXPECT_EQ(ChildTexts(Rows(root.child(L"files"))[0])[1], L"Нет");
    EXPECT_EQ(ChildTexts(Rows(root.child(L"calc_table")).back())[1], L"Всего");
    EXPECT_EQ(std::wstring(root.child(L"oxygen").text().get()), L"0.0000");
    EXPECT_FALSE(data.TotalOxygenDetermined());
}

TEST_F(ReportDocumentTest, KeepsTheStandardAsTypedWhenAComponentBearsItsName) {
    data.components = {{1, L"МТБЭ", L"МЕТИЛ-ТРЕТ-БУТИЛОВЫЙ ЭФИР", 88.15, 740.5}};
    data.standard = L"метил-трет-бутиловый эфир";
    EXPECT_EQ(std::wstring(Fill().child(L"standart").text().get()), L"метил-трет-бутиловый эфир");
    // Matched against the component's name, not its peak name.
    data.standard = L"мтбэ";
    EXPECT_EQ(std::wstring(Fill().child(L"standart").text().get()), L"---");
    data.standard = L"";
    EXPECT_EQ(std::wstring(Fill().child(L"standart").text().get()), L"---");
    data.components.push_back({2, L"", L"", 0, 0});
    EXPECT_EQ(std::wstring(Fill().child(L"standart").text().get()), L"");
}

TEST_F(ReportDocumentTest, FormatsDensityWithTwoDecimalsAndTheOxygenWithFour) {
    data.sampleDensity = 745.678;
    data.totalOxygen = 2.71828;
    Fill();
    EXPECT_EQ(std::wstring(root.child(L"density_proba").text().get()), L"745.68");
    EXPECT_EQ(std::wstring(root.child(L"oxygen").text().get()), L"2.7183");
}

TEST_F(ReportDocumentTest, PutsTheNewElementsAfterTheDescribedOnesAndWarningsOnlyWhenThereAreAny) {
    assays = SampleAssays();
    Fill();
    const std::vector<std::wstring> described{L"standart", L"density_proba", L"files", L"calc_table",
                                              L"oxygen"};
    const std::vector<std::wstring> added{
        L"samples",      L"chromatograms", L"result_rows",      L"totals_without_standard",
        L"oxygen_scope", L"oxygen_doubt",  L"oxygen_arithmetic"};
    std::vector<std::wstring> expected = described;
    expected.insert(expected.end(), added.begin(), added.end());
    expected.insert(expected.end(), {L"program", L"format_version", L"inputs", L"decision_rule",
                                     L"decision_rule_name", L"columns", L"words"});
    EXPECT_EQ(ChildNames(root), expected);
    data.standard = L"1,2-диметоксиэтн";
    data.components = {{1, L"DME", L"1,2-Диметоксиэтан", 90.12, 868.3}};
    data.warnings = CheckCalculation(data);
    data.limits = LimitsFile{L"LimitsOxycalc.csv", {}, {Message(MessageCode::LimitsNoName)}, {}};
    Fill();
    expected = described;
    expected.push_back(L"warnings");
    expected.insert(expected.end(), added.begin(), added.end());
    expected.push_back(L"limits");
    expected.insert(expected.end(), {L"program", L"format_version", L"inputs", L"decision_rule",
                                     L"decision_rule_name", L"columns", L"words"});
    EXPECT_EQ(ChildNames(root), expected);
    EXPECT_EQ(std::wstring(root.child(L"standart").text().get()), L"---");
    const pugi::xml_node warning = root.child(L"warnings").child(L"warning");
    EXPECT_EQ(ChildTexts(warning), (std::vector<std::wstring>{L"standard_not_found", L"1,2-диметоксиэтн",
                                                              data.warnings[0].Text(Language::Russian)}));
}

TEST_F(ReportDocumentTest, TellsTheSamplesTheKindsTheConstantsTheStandardsRowAndTheVerdicts) {
    assays = SampleAssaysWithSamples();
    data = SampleCalculation();
    data.results[1].molarMass = NotSet;
    data.results[0].peakName = L"МТБЭ";
    data.results[0].delta = 0.12;
    data.results[0].molarMass = 88.15;
    data.results[0].density = 740.5;
    Limit oxygen{L"Кислород", {}, false, LimitQuantity::MassPercent, 2.7, L"2.7", std::nullopt, std::nullopt};
    Limit mtbe{L"МТБЭ", {L"мтбэ"}, false, LimitQuantity::MassPercent, 22.0, L"22.0", 0.1, std::nullopt};
    data.limits = LimitsFile{L"LimitsOxycalc.csv", {oxygen, mtbe}, {}, {}};
    Fill();
    const pugi::xml_node samples = root.child(L"samples");
    EXPECT_EQ(std::wstring(samples.child(L"distinct").text().get()), L"2");
    EXPECT_EQ(std::wstring(samples.child(L"sample").child(L"name").text().get()), L"АИ-95-К5, партия 2417");
    const std::vector<pugi::xml_node> kinds = Rows(root.child(L"chromatograms"));
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_EQ(std::wstring(kinds[2].child(L"kind").text().get()), L"Градуировка");
    const std::vector<pugi::xml_node> rows = Rows(root.child(L"result_rows"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(ChildTexts(rows[0]),
              (std::vector<std::wstring>{L"МТБЭ", L"88.15", L"740.50", L"нет", L"0.1", L"да", L"", L"1"}));
    EXPECT_EQ(std::wstring(rows[1].child(L"molar_mass").text().get()), L"---");
    EXPECT_EQ(std::wstring(rows[2].child(L"standard").text().get()), L"да");
    const std::vector<pugi::xml_node> limits = Rows(root.child(L"limits"));
    ASSERT_EQ(limits.size(), 3u);  // file, two limits
    // MTBE's parallels spread more than its r: no verdict on any limit that counts it, and why.
    const std::wstring spread = L"расхождение параллельных определений выше r (0.1200 > 0.1)";
    EXPECT_EQ(ChildTexts(limits[1]),
              (std::vector<std::wstring>{L"Кислород", L"общее содержание кислорода", L"% масс.", L"2.7183",
                                         L"2.7", L"не определено", L"",
                                         L"у компонента «Метил-трет-бутиловый эфир» " + spread,
                                         L"undetermined", L"doubt_of_component", L"", L"", L""}));
    EXPECT_EQ(std::wstring(limits[2].child(L"verdict").text().get()), L"не определено");
    EXPECT_EQ(std::wstring(limits[2].child(L"doubt").text().get()), spread);
    // Within r, the oxygen still rests on a component without molar mass; MTBE conforms.
    data.results[0].delta = 0.1;
    Fill();
    const std::vector<pugi::xml_node> within = Rows(root.child(L"limits"));
    EXPECT_EQ(std::wstring(within[1].child(L"doubt").text().get()),
              L"у компонента «Спирты & эфиры <C5>» нет молярной массы");
    EXPECT_EQ(std::wstring(within[2].child(L"verdict").text().get()), L"соответствует");
    // Without the standard's row: every sum but the standard's own.
    EXPECT_EQ(std::wstring(root.child(L"totals_without_standard").child(L"mass").text().get()), L"0.8278");
}

// The same document is expected from MSXML (checked under Wine) and from libxml2.
TEST_F(ReportDocumentTest, GivesTheGoldenDocumentForTheSampleOnEveryPlatform) {
    assays = SampleAssays();
    data = SampleCalculation();
    createdAt = 1710410940;
    Fill();
    ExpectMatchesGolden(text, L"report/ReportDocument.golden.xml");
}
