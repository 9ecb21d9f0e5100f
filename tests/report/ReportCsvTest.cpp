#include "report/ReportCsv.h"

#include <gtest/gtest.h>

namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(ReportCsv, QuotesAFieldThatHoldsTheSeparatorAQuoteOrALineEnd) {
    CalculationData data;
    ComponentResult result;
    result.name = L"Спирты; \"C5\"";
    result.peakName = L"ПИК";
    data.results = {result};
    const std::string csv = ResultsCsv(data);
    EXPECT_TRUE(Holds(csv, "\r\n1;\"Спирты; \"\"C5\"\"\";ПИК;1;0.0000;")) << csv;
    EXPECT_TRUE(Holds(csv, "\r\n;Всего;;;0.0000;"));
}
