#include "platform/TextTemplate.h"

#include <gtest/gtest.h>

TEST(TextTemplate, PutsEachValueInItsPlaceInAnyOrder) {
    EXPECT_EQ(FillTemplate(L"строка %1, «%2»", {L"5", L"Молярная масса"}), L"строка 5, «Молярная масса»");
    EXPECT_EQ(FillTemplate(L"%2 of row %1, %2 again", {L"5", L"Density"}),
              L"Density of row 5, Density again");
}

TEST(TextTemplate, LeavesPlacesWithoutValuesAndPercentSignsAndNeverFillsAValue) {
    EXPECT_EQ(FillTemplate(L"%1 and %3", {L"a"}), L"a and %3");
    EXPECT_EQ(FillTemplate(L"100%% of %1%", {L"x"}), L"100% of x%");
    EXPECT_EQ(FillTemplate(L"«%1»", {L"%2"}), L"«%2»");
    EXPECT_EQ(FillTemplate(L"%1", {L"%1 %2"}), L"%1 %2");
}
