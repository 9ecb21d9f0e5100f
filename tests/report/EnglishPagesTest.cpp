// The English pages say nothing in Russian but the data: every Cyrillic word of a page drawn in English
// stands in the document it was drawn from (a sample's name, a component, a path), none comes from the
// stylesheet or from a text the core forgot to say in English.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "calc/CalculationChecks.h"
#include "qc/QcChart.h"
#include "qc/QcDocument.h"
#include "qc/QcSample.h"
#include "report/ReportDocument.h"
#include "report/ReportModel.h"
#include "report/ReportSample.h"
#include "report/TransformAndOpen.h"
#include "support/ScopedTimeZone.h"
#include "support/TempFolder.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

// The words of a text that hold a Cyrillic letter, markup left out.
std::set<std::string> CyrillicWords(const std::string& text) {
    const std::string plain = std::regex_replace(text, std::regex("<[^>]*>"), " ");
    std::set<std::string> words;
    const std::regex word("[^\\s<>\"'«»“”(),.;:]*(\xD0[\x80-\xBF]|\xD1[\x80-\xBF])[^\\s<>\"'«»“”(),.;:]*");
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), word); it != std::sregex_iterator(); ++it)
        words.insert(it->str());
    return words;
}

// The Cyrillic words of `page` that its document does not hold.
std::set<std::string> NotFromTheData(const std::string& page, const std::string& document) {
    std::set<std::string> foreign;
    for (const std::string& word : CyrillicWords(page)) {
        if (document.find(word) == std::string::npos) foreign.insert(word);
    }
    return foreign;
}

std::string Drawn(const XMLWrapper& document, const wchar_t* stylesheet, const TempFolder& folder) {
    const std::wstring output = folder.File(L"page.html");
    std::wstring error;
    EXPECT_TRUE(TransformToFile(document, StylesheetFile(stylesheet), output, &error))
        << std::string(error.begin(), error.end());
    return ReadBytes(output);
}

}  // namespace

TEST(EnglishPages, TheReportSaysInRussianOnlyTheData) {
    const ScopedTimeZone utc{"UTC0"};
    const TempFolder folder;
    CalculationData data = SampleCalculation();
    data.standard = L"1,2-диметоксиэтн";  // a warning, a doubt on every verdict
    data.warnings = CheckCalculation(data);
    const Limit oxygen{L"Кислород", {},     false,        LimitQuantity::MassPercent,
                       2.7,         L"2.7", std::nullopt, std::nullopt};
    data.limits = LimitsFile{L"LimitsOxycalc.csv", {oxygen}, {Message(MessageCode::LimitsNoName)}, {}};
    data.verdicts = {LimitVerdict{
        oxygen, 2.7183, LimitVerdict::Outcome::Undetermined, {}, MessageCode::DoubtNoStandard, {}, {}, {}}};
    ReportModel model = MakeReportModel(SampleAssaysWithSamples(), data, 1710410940);
    model.language = Language::English;
    model.quality = SampleDoubt();
    XMLWrapper document;
    document.CreateDocument();
    FillReportDocument(document, model);
    const std::string page = Drawn(document, L"Report.ENU.xsl", folder);
    EXPECT_NE(page.find("Internal standard"), std::string::npos);
    // The document's tokens, exactly, in English words.
    EXPECT_NE(page.find(">Yes</td>"), std::string::npos);
    EXPECT_NE(page.find(">No</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>Total"), std::string::npos);
    EXPECT_EQ(NotFromTheData(page, document.ToText()), std::set<std::string>{});
}

TEST(EnglishPages, TheControlChartsSayInRussianOnlyTheData) {
    const ScopedTimeZone utc{"UTC0"};
    const TempFolder folder;
    XMLWrapper document;
    document.CreateDocument();
    FillQcDocument(document, SampleQcCharts(), L"from 2024-03-01 to 2024-03-09", 1710410940,
                   Language::English);
    const std::string page = Drawn(document, L"QcChart.ENU.xsl", folder);
    EXPECT_NE(page.find("Quality control"), std::string::npos);
    EXPECT_EQ(NotFromTheData(page, document.ToText()), std::set<std::string>{});
}
