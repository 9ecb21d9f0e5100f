#include "verify/ReportSyntax.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/WideText.h"
#include "support/MessageText.h"

namespace {

std::string Nested(size_t depth, const std::string& open, const std::string& close) {
    std::string text;
    for (size_t i = 0; i < depth; ++i) text += open;
    for (size_t i = 0; i < depth; ++i) text += close;
    return text;
}

}  // namespace

// A key twice: a reader that keeps the first and one that keeps the last see different verdicts.
TEST(ReportSyntax, RefusesAJsonKeyGivenTwiceAndNestingNoReportHasWithoutRecursing) {
    EXPECT_FALSE(JsonReportProblem(R"({"a": {"verdict": "conforms"}, "b": [1, {"verdict": "x"}]})"));
    const auto problem = JsonReportProblem(R"({"limits": [{"verdict": "conforms", "verdict": "exceeds"}]})");
    ASSERT_TRUE(problem);
    EXPECT_EQ(Russian(*problem), L"ключ «verdict» записан дважды в «limits[0]»");
    EXPECT_TRUE(JsonReportProblem(R"({"a": 1, "b": {"a": 2}, "a": 3})"));
    // 100,000 nested arrays, inside a member the comparison passes over as well.
    const auto deep = JsonReportProblem("{\"program\": " + Nested(100000, "[", "]") + "}");
    ASSERT_TRUE(deep);
    EXPECT_NE(Russian(*deep).find(L"глубже 32 уровней (в «program"), std::wstring::npos) << *deep;
    EXPECT_FALSE(JsonReportProblem("{\"a\": " + Nested(30, "[", "]") + "}"));
    EXPECT_TRUE(JsonReportProblem("{\"a\": "));
}

// What every reader shows of an element is its whole text; a comment or CDATA section splits it, so that a
// first text node says something else.
TEST(ReportSyntax, RefusesXmlThatSplitsTheTextAReaderSeesOrHoldsWhatTheProgramNeverWrites) {
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    EXPECT_FALSE(XmlReportProblem(head + "<Document><a>АИ-95-К5, партия 2417</a><b/></Document>"));
    for (const std::string& body :
         {std::string("<Document><a>партия 2417<!---->1</a></Document>"),
          std::string("<Document><maximum>3.7<![CDATA[5]]></maximum></Document>"),
          std::string("<Document><?x y?></Document>"), std::string("<Document><a v=\"1\">1</a></Document>"),
          std::string("<!DOCTYPE Document [<!ENTITY e \"5\">]><Document/>"),
          std::string("<Document/><!-- after -->"), "<Document>" + Nested(100, "<a>", "</a>") + "</Document>",
          std::string("<Document><a>")}) {
        EXPECT_TRUE(XmlReportProblem(head + body)) << body;
    }
    EXPECT_TRUE(XmlReportProblem("<Document/>" + head));

    pugi::xml_document document;
    document.load_string(L"<a>3.7<b/>5</a>");
    EXPECT_EQ(ElementText(document.child(L"a")), L"3.75");
}
