#include "platform/Codepage1251.h"

#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "support/ScarceMemory.h"

TEST(Codepage1251, ConvertsEveryByteToOneCharacterAndBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    const std::wstring text = FromCodepage1251(all);
    ASSERT_EQ(text.size(), all.size());  // byte offsets in the file equal character offsets
    EXPECT_EQ(text[0xC0], L'А');
    EXPECT_EQ(text[0xFF], L'я');
    EXPECT_EQ(text[0xA8], L'Ё');
    EXPECT_EQ(text[0xB8], L'ё');
    EXPECT_EQ(text[0xB9], L'№');
    EXPECT_EQ(text[0x98], L'\u0098');
    EXPECT_EQ(ToCodepage1251(text), all);
}

TEST(Codepage1251, RefusesCharactersItLacksRatherThanWritingLookAlikes) {
    EXPECT_EQ(ToCodepage1251(L"Метанол"), std::string("\xCC\xE5\xF2\xE0\xED\xEE\xEB"));
    EXPECT_EQ(ToCodepage1251(L""), std::string());
    EXPECT_FALSE(ToCodepage1251(L"Caf\u00E9"));
    EXPECT_FALSE(ToCodepage1251(L"\u03B1-пинен"));
    EXPECT_FALSE(ToCodepage1251(L"\U0001F9EA"));
}

#ifndef _WIN32
// When memory ran out the converter did not load, and the components table read as empty: the
// results were zeros without a word. The text's own room takes more and more of the spare memory, so
// that what is left for the converter shrinks past every size it needs.
TEST(Codepage1251, WhenMemoryIsShortTheTextIsWholeOrNotGivenAtAll) {
    constexpr size_t kSpare = 16 * 1024;
    for (size_t length = 2560; length <= kSpare / sizeof(wchar_t); length += 8) {
        const std::string bytes(length, '\xC0');
        EXPECT_EQ(RunWithScarceMemory(kSpare,
                                      [&]() -> std::string {
                                          try {
                                              const std::wstring text = FromCodepage1251(bytes);
                                              return text.size() == length && text.back() == L'А'
                                                         ? ""
                                                         : "wrong text";
                                          } catch (const std::exception&) {
                                              return "";
                                          }
                                      }),
                  "")
            << "length " << length;
    }
}
#endif
