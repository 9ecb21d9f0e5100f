#include "calc/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, ReadsTheLeadingNumberWithAPointWhateverFollows) {
    EXPECT_DOUBLE_EQ(ReadDecimal(L"  32.04 г/моль"), 32.04);
    EXPECT_DOUBLE_EQ(ReadDecimal(L"+789"), 789.0);
    EXPECT_DOUBLE_EQ(ReadDecimal(L"-1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(ReadDecimal(L"1,5"), 1.0);
    EXPECT_EQ(ReadDecimal(L""), 0.0);
    EXPECT_EQ(ReadDecimal(L"+-1"), 0.0);
}

TEST(NumberText, ReadsTheLeadingIntegerAndClampsIt) {
    EXPECT_EQ(ReadInteger(L" \t-12;"), -12);
    EXPECT_EQ(ReadInteger(L"+7.9"), 7);
    EXPECT_EQ(ReadInteger(L"x1"), 0);
    EXPECT_EQ(ReadInteger(L"99999999999"), 2147483647);
    EXPECT_EQ(ReadInteger(L"-99999999999"), -2147483647 - 1);
}
