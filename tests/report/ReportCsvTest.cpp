#include "report/ReportCsv.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/SpreadsheetImport.h"

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
    EXPECT_TRUE(Holds(csv, "\r\n1;\"Спирты; \"\"C5\"\"\";ПИК;1;0,0000;")) << csv;
    EXPECT_TRUE(Holds(csv, "\r\n;Всего;;;0,0000;"));
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
    EXPECT_TRUE(Holds(csv, "\r\n1;\"'=HYPERLINK(\"\"http://x\"\")\";ПИК;1;-0,5000;")) << csv;
    EXPECT_TRUE(Holds(csv, "\r\n2;'+1;"));
    EXPECT_TRUE(Holds(csv, "\r\n3;'-метанол;"));
    EXPECT_TRUE(Holds(csv, "\r\n4;'@sum;"));
    EXPECT_TRUE(Holds(csv, "\r\n5;'\tтаб;"));
}

TEST(ReportCsv, SaysTheTotalIsNotDeterminedAndWhyWithTheArithmeticValueOnlyInTheNote) {
    CalculationData data;
    data.totalOxygen = 2.65068;
    EXPECT_TRUE(Holds(ResultsCsv(data),
                      "Общее содержание органически связанного кислорода, % масс.;;;;;;;;2,6507;\r\n"));
    data.totalOxygenDoubt = MessageCode::DoubtNoStandardPeak;
    const std::string csv = ResultsCsv(data);
    EXPECT_TRUE(
        Holds(csv,
              "кислорода, % масс.;;;;;;;;не определено;в отмеченной хроматограмме нет пика внутреннего "
              "стандарта. Арифметическое значение 2.6507 % масс. — не результат\r\n"))
        << csv;
}

// What a lab's spreadsheet makes of the file: every number of the six columns and the total a number in
// the report's language, ";" and the decimal comma in Russian, "," and the point in English, where a
// name with a comma is quoted.
TEST(ReportCsv, EveryNumberIsANumberToASpreadsheetOfTheReportsLanguage) {
    CalculationData data;
    for (const wchar_t* name : {L"Метанол", L"Спирты, эфиры C5"}) {
        ComponentResult result;
        result.name = name;
        result.peakName = L"ПИК";
        result.mass = 0.00504;
        result.massPercent = 12.5;
        result.delta = -0.0195;
        data.results.push_back(result);
    }
    data.totalOxygen = 3.5343;
    for (const auto& [language, separator, mark] :
         {std::tuple{Language::Russian, ';', ','}, std::tuple{Language::English, ',', '.'}}) {
        const std::vector<std::vector<std::string>> rows = ImportCsv(ResultsCsv(data, language), separator);
        ASSERT_EQ(rows.size(), 5u);  // header, two components, the sums, the total
        for (size_t row = 1; row <= 3; ++row) {
            ASSERT_EQ(rows[row].size(), 11u) << row;
            for (size_t column = 4; column < 10; ++column)
                EXPECT_TRUE(IsNumberCell(rows[row][column], mark))
                    << row << ":" << column << " " << rows[row][column];
        }
        EXPECT_EQ(rows[2][1], "Спирты, эфиры C5");
        EXPECT_EQ(rows[1][4], mark == ',' ? "0,0050" : "0.0050");
        EXPECT_TRUE(IsNumberCell(rows[4][9], mark)) << rows[4][9];
    }
}
