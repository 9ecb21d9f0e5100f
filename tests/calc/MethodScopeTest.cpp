#include "calc/MethodScope.h"

#include <gtest/gtest.h>

namespace {

ComponentResult Row(std::wstring name, double massPercent) {
    ComponentResult result;
    result.name = std::move(name);
    result.massPercent = massPercent;
    return result;
}

}  // namespace

TEST(MethodScope, MarksComponentsOutsideTheRangeButNeverTheInternalStandard) {
    const std::wstring standard = L"1,2-Диметоксиэтан";
    EXPECT_EQ(ResultScope(Row(L"Метанол", 0.1699), standard), ScopeNote::Below);
    EXPECT_EQ(ResultScope(Row(L"Метанол", 0.17), standard), ScopeNote::Within);
    EXPECT_EQ(ResultScope(Row(L"МТБЭ", 15.0), standard), ScopeNote::Within);
    EXPECT_EQ(ResultScope(Row(L"МТБЭ", 15.0001), standard), ScopeNote::Above);
    EXPECT_EQ(ResultScope(Row(L"1,2-ДИМЕТОКСИЭТАН", 0.05), standard), ScopeNote::Within);
    EXPECT_EQ(TotalOxygenScope(3.7), ScopeNote::Within);
    EXPECT_EQ(TotalOxygenScope(3.7001), ScopeNote::Above);
    EXPECT_EQ(ScopeNoteText(ScopeNote::Within, Language::Russian), L"");
    EXPECT_EQ(ScopeNoteText(ScopeNote::Below, Language::Russian), L"ниже области метода");
}
