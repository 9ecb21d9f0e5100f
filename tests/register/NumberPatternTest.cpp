#include "register/NumberPattern.h"

#include <gtest/gtest.h>

// The counter keeps at least its digits and takes more once it outgrows them: a number is never cut to fit.
TEST(NumberPattern, GivesTheCounterItsDigitsAndMoreWhenItOutgrowsThem) {
    Message problem;
    const std::optional<NumberPattern> pattern = NumberPattern::Parse(L"ОХ-{YYYY}-{NNNNN}", problem);
    ASSERT_TRUE(pattern) << MessageKey(problem.code);
    EXPECT_EQ(pattern->Format(17, 2026), L"ОХ-2026-00017");
    EXPECT_EQ(pattern->Format(123456, 2027), L"ОХ-2027-123456");
    const std::optional<NumberPattern> plain = NumberPattern::Parse(L"{NN}/ЛАБ", problem);
    EXPECT_FALSE(plain);  // "/" cannot stand in a file name, and numbers name the reports' files
    EXPECT_EQ(problem.code, MessageCode::PatternCharacter);
    EXPECT_EQ(NumberPattern::Parse(L"Л{NN}", problem)->Format(7, 2026), L"Л07");
}

// Each pattern that could give one number twice, or none, is refused with its reason.
TEST(NumberPattern, RefusesAPatternThatCouldRepeatANumber) {
    const std::pair<const wchar_t*, MessageCode> refused[] = {
        {L"ОХ-{YYYY}", MessageCode::PatternCounter},           // no counter: every report of a year alike
        {L"{NNN}-{NN}", MessageCode::PatternCounter},          // two counters
        {L"{YYYY}{YYYY}-{NNN}", MessageCode::PatternCounter},  // the year twice
        {L"ОХ-{YY}-{NNN}", MessageCode::PatternBrace},         // a brace of anything else
        {L"ОХ-{NNN", MessageCode::PatternBrace},               // unclosed
        {L"ОХ}-{NNN}", MessageCode::PatternBrace},
        {L"", MessageCode::PatternLength},
        {L"ОХ\t{NNN}", MessageCode::PatternCharacter},
    };
    for (const auto& [text, code] : refused) {
        Message problem;
        EXPECT_FALSE(NumberPattern::Parse(text, problem)) << text;
        EXPECT_EQ(problem.code, code) << text;
    }
}
