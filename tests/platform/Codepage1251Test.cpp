#include "platform/Codepage1251.h"

#include <gtest/gtest.h>

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
