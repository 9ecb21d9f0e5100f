#include "platform/ConsoleText.h"

#include <gtest/gtest.h>

TEST(ConsoleText, ReplacesEveryControlCharacterButLineEndsAndTabs) {
    EXPECT_EQ(ConsoleSafe(L"Проба\x1B]0;x\x07\r1\n\t2\x7F\x9B"),
              L"Проба\xFFFD]0;x\xFFFD\xFFFD"
              L"1\n\t2\xFFFD\xFFFD");
}
