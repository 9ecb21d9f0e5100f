#include "data/SampleMass.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/WideText.h"

TEST(SampleMass, APositiveNumberWithAPointOrACommaIsTheMass) {
    EXPECT_EQ(ReadSampleMass(L"12.5"), 12.5);
    EXPECT_EQ(ReadSampleMass(L"12,5"), 12.5);
    EXPECT_EQ(ReadSampleMass(L" 10.0213 "), 10.0213);
    EXPECT_EQ(ReadSampleMass(L"7"), 7.0);
    EXPECT_EQ(ReadSampleMass(L"1e1"), 10.0);
}

TEST(SampleMass, ANumberMustBeTheWholeTextAndPositiveAndFinite) {
    for (const wchar_t* text :
         {L"",    L" ",    L"abc",   L"12abc", L"12.5 г",  L"0",       L"-0",    L"0.0", L"-3",   L"nan",
          L"inf", L"-inf", L"1e999", L"0x10",  L"1,234.5", L"1.234,5", L"1,2,3", L",",   L"12 5", L"１２"}) {
        EXPECT_EQ(ReadSampleMass(text), std::nullopt) << ToUtf8(text);
    }
}
