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

TEST(ReportCsv, KeepsANameThatLooksLikeAFormulaTextAndANegativeNumberANumber) {
    CalculationData data;
    for (const wchar_t* name : {L"=HYPERLINK(\"http://x\")", L"+1", L"-метанол", L"@sum", L"\tтаб"}) {
        ComponentResult result;
        result.name = name;
        result.peakName = L"ПИК";
        result.mass = -0.5;
        data.results.push_back(result);
    }
    const std::string csv = ResultsCsv(data);
    EXPECT_TRUE(Holds(csv, "\r\n1;\"'=HYPERLINK(\"\"http://x\"\")\";ПИК;1;-0.5000;")) << csv;
    EXPECT_TRUE(Holds(csv, "\r\n2;'+1;"));
    EXPECT_TRUE(Holds(csv, "\r\n3;'-метанол;"));
    EXPECT_TRUE(Holds(csv, "\r\n4;'@sum;"));
    EXPECT_TRUE(Holds(csv, "\r\n5;'\tтаб;"));
}

TEST(ReportCsv, SaysTheTotalIsNotDeterminedAndWhyWithTheArithmeticValueOnlyInTheNote) {
    CalculationData data;
    data.totalOxygen = 2.65068;
    EXPECT_TRUE(Holds(ResultsCsv(data),
                      "Общее содержание органически связанного кислорода, % масс.;;;;;;;;2.6507;\r\n"));
    data.totalOxygenDoubt = L"в отмеченной хроматограмме нет пика внутреннего стандарта";
    const std::string csv = ResultsCsv(data);
    EXPECT_TRUE(
        Holds(csv,
              "кислорода, % масс.;;;;;;;;не определено;в отмеченной хроматограмме нет пика внутреннего "
              "стандарта. Арифметическое значение 2.6507 % масс. — не результат\r\n"))
        << csv;
}
