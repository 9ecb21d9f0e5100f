#include "platform/WideText.h"

#include <gtest/gtest.h>

TEST(WideText, RoundTripsCyrillicAndAstralCharactersThroughUtf8AndUtf16) {
    const std::wstring text = L"Масса пробы, г — \U0001F9EA ok";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    const std::u16string units = ToUtf16(text);
    EXPECT_EQ(FromUtf16(units.c_str()), text);
    EXPECT_EQ(ToUtf8(L"Ё"), "\xD0\x81");
}

TEST(WideText, ReplacesMalformedUtf8InsteadOfReadingPastTheEndAndTellsItIsMalformed) {
    EXPECT_EQ(FromUtf8("a\xD0"), L"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");              // overlong '/'
    EXPECT_EQ(FromUtf8("\xED\xA0\x80x"), L"\uFFFD\uFFFD\uFFFDx");  // encoded surrogate
    EXPECT_EQ(FromUtf16(nullptr), L"");
    for (const char* bad : {"a\xD0", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_TRUE(IsValidUtf8("\xD0\x81 \xF0\x9F\xA7\xAA ok"));
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(WideText, CarriesWhatXmlCanCarryAndShowsEveryOtherCharacterAsTheReplacement) {
    EXPECT_EQ(XmlCarriableText(L"АИ-95\tК5\r\n"), L"АИ-95\tК5\r\n");
    EXPECT_EQ(XmlCarriableText(std::wstring(L"a\x01"
                                            L"b\x1F"
                                            L"c\xFFFE",
                                            6)),
              L"a\uFFFDb\uFFFDc\uFFFD");
}
