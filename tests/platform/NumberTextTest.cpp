#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/WideText.h"
#include "support/CommaLocale.h"

TEST(NumberText, WritesSeventeenDigitsThatReadBackBitForBit) {
    EXPECT_EQ(FormatDouble17(0.1), L"0.10000000000000001");
    EXPECT_EQ(FormatDouble17(42), L"42");
    for (double value : {0.1, -1.0 / 3, 1e-310, 6.02214076e23, std::numeric_limits<double>::lowest()}) {
        const double back = ParseDouble(FormatDouble17(value));
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << value;
    }
}

TEST(NumberText, ReadsTheLeadingNumberAsStrtodDoesInTheCLocale) {
    EXPECT_EQ(ParseDouble(L"12.5"), 12.5);
    EXPECT_EQ(ParseDouble(L"12,5"), 12.0);
    EXPECT_EQ(ParseDouble(L"abc"), 0.0);
    EXPECT_EQ(ParseDouble(L""), 0.0);
    EXPECT_EQ(ParseDouble(L" \t-.5e1 г"), -5.0);
    EXPECT_EQ(ParseDouble(L"+7"), 7.0);
    EXPECT_EQ(ParseDouble(L"+-7"), 0.0);
    EXPECT_EQ(ParseDouble(L"0x1p4"), 16.0);
    EXPECT_EQ(ParseDouble(L"1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDouble(L"-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDouble(L"1e-400"), 0.0);
    EXPECT_TRUE(std::isnan(ParseDouble(L"nan")));
}

TEST(NumberText, KeepsThePointWhenTheProcessLocaleUsesAComma) {
    const CommaLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 2.5);
    ASSERT_STREQ(printed, "2,5");
    EXPECT_EQ(FormatDouble17(2.5), L"2.5");
    EXPECT_EQ(ParseDouble(L"2.5"), 2.5);
}

TEST(NumberText, ReadsTheLeadingNumberOfAComponentsFileField) {
    EXPECT_DOUBLE_EQ(ParseDouble(L"  32.04 г/моль"), 32.04);
    EXPECT_DOUBLE_EQ(ParseDouble(L"+789"), 789.0);
    EXPECT_DOUBLE_EQ(ParseDouble(L"-1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(ParseDouble(L"1,5"), 1.0);
    EXPECT_EQ(ParseDouble(L""), 0.0);
    EXPECT_EQ(ParseDouble(L"+-1"), 0.0);
}

TEST(NumberText, ReadsTheLeadingIntegerAndClampsIt) {
    EXPECT_EQ(ReadInteger(L" \t-12;"), -12);
    EXPECT_EQ(ReadInteger(L"+7.9"), 7);
    EXPECT_EQ(ReadInteger(L"x1"), 0);
    EXPECT_EQ(ReadInteger(L"99999999999"), 2147483647);
    EXPECT_EQ(ReadInteger(L"-99999999999"), -2147483647 - 1);
}

TEST(NumberText, FormatsFixedDecimalsWithAPoint) {
    EXPECT_EQ(FormatFixed(789, 2), L"789.00");
    EXPECT_EQ(FormatFixed(32.045, 1), L"32.0");
}

TEST(NumberText, ReadsAWholeNumberAndRefusesAnyOtherText) {
    EXPECT_EQ(ReadWholeNumber(L"750"), 750.0);
    EXPECT_EQ(ReadWholeNumber(L" 7.5e2\t"), 750.0);
    EXPECT_EQ(ReadWholeNumber(L"750."), 750.0);
    EXPECT_EQ(ReadWholeNumber(L"+.5"), 0.5);
    EXPECT_EQ(ReadWholeNumber(L"-0.25"), -0.25);
    EXPECT_EQ(ReadWholeNumber(L"745,68"), 745.68);  // the decimal comma of Russian keyboards
    EXPECT_EQ(ReadWholeNumber(L"745,"), 745.0);
    for (const wchar_t* text : {L"", L"  ", L"7,5,0", L"1,5.0", L"750 кг", L"abc", L"+-1", L"--1", L"1e400",
                                L"inf", L"nan", L"0x10", L"７５０"}) {
        EXPECT_FALSE(ReadWholeNumber(text).has_value()) << ToUtf8(text);
    }
}

TEST(NumberText, GeneralFormIsShortestWithFifteenDigits) {
    EXPECT_EQ(FormatGeneral(750.0, 15), L"750");
    EXPECT_EQ(FormatGeneral(1.2346, 15), L"1.2346");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, 15), L"0.3");
    EXPECT_EQ(FormatGeneral(0.0, 15), L"0");
}
