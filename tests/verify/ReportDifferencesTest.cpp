#include "verify/ReportDifferences.h"

#include <gtest/gtest.h>

#include "platform/WideText.h"

namespace {

std::vector<std::wstring> Lines(const std::vector<ReportDifference>& differences) {
    std::vector<std::wstring> lines;
    for (const ReportDifference& d : differences)
        lines.push_back(d.where + L": " + d.recorded + L" → " + d.present);
    return lines;
}

}  // namespace

TEST(ReportDifferences, NamesEachJsonMemberByItsPathAndItsItemsByNameOrId) {
    const std::string recorded = R"({"a": 1, "results": [{"name": "Этанол", "x": 1.5}], "rows": [{"id": 7}],
        "gone": true, "created_utc": "2024-01-01T00:00:00Z", "inputs": {"file": {"sha256": "ab"}}})";
    const std::string present = R"({"a": 1.0, "results": [{"name": "Этанол", "x": 1.6}, {"name": "МТБЭ"}],
        "rows": [{"id": 8}], "created_utc": "2025-01-01T00:00:00Z", "inputs": {"file": {"sha256": "cd"}},
        "added": null})";
    EXPECT_EQ(Lines(CompareJsonReports(recorded, present, {"created_utc", "inputs.file.sha256"})),
              (std::vector<std::wstring>{
                  L"results[1 «Этанол»].x: 1.5 → 1.6", L"results[2 «МТБЭ»]: нет → {\"name\":\"МТБЭ\"}",
                  L"rows[1 №7].id: 7 → 8", L"gone: true → нет", L"added: нет → null"}));
    EXPECT_TRUE(CompareJsonReports(recorded, recorded, {}).empty());
}

TEST(ReportDifferences, ComparesDocumentsElementByElementInTheirOrder) {
    const std::string recorded =
        "<Document><oxygen>3.5343</oxygen><row><name>1</name><name>a</name></row><created>x</created></"
        "Document>";
    const std::string present =
        "<Document><oxygen>3.3572</oxygen><row><name>1</name><name>b</name></row><created>y</created>"
        "<limits/></Document>";
    EXPECT_EQ(Lines(CompareXmlReports(recorded, present, {"Document/created"})),
              (std::vector<std::wstring>{L"Document/oxygen: 3.5343 → 3.3572", L"Document/row/name[2]: a → b",
                                         L"Document/limits: нет → <limits>"}));
}
