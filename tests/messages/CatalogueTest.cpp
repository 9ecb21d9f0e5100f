#include "messages/Catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr size_t kCodes = static_cast<size_t>(MessageCode::Count);

// The places "%1" … "%9" a text fills, "%%" not counted.
std::set<wchar_t> Places(const std::wstring& text) {
    std::set<wchar_t> places;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'%') continue;
        if (text[i + 1] >= L'1' && text[i + 1] <= L'9') places.insert(text[i + 1]);
        ++i;
    }
    return places;
}

bool HasCyrillic(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (c >= 0x0400 && c <= 0x052F) return true;
    }
    return false;
}

// The English words, but the tokens a limits file is written with (its units, its simple rule), which a
// text may quote.
std::wstring WithoutFileTokens(std::wstring text) {
    for (const std::wstring unit : {L"% масс.", L"% об.", L"простое"}) {
        for (size_t at = text.find(unit); at != std::wstring::npos; at = text.find(unit))
            text.erase(at, unit.size());
    }
    return text;
}

}  // namespace

// A code said without its words in one language would print its key on that language's page: every
// code has one text in each catalogue, both fill the same places, and the English one is English.
TEST(Catalogue, EveryCodeHasOneTextInEachLanguageWithTheSamePlaces) {
    for (const Language language : {Language::Russian, Language::English}) {
        const Catalogue catalogue = CatalogueOf(language);
        std::set<size_t> seen;
        for (size_t i = 0; i < catalogue.count; ++i) {
            const size_t code = static_cast<size_t>(catalogue.lines[i].code);
            EXPECT_TRUE(seen.insert(code).second) << MessageKey(catalogue.lines[i].code) << " stands twice";
        }
        EXPECT_EQ(seen.size(), kCodes) << LanguageKey(language);
    }
    std::set<std::string> keys;
    for (size_t i = 1; i < kCodes; ++i) {
        const auto code = static_cast<MessageCode>(i);
        EXPECT_TRUE(keys.insert(MessageKey(code)).second) << MessageKey(code);
        const wchar_t* russian = MessagePattern(code, Language::Russian);
        const wchar_t* english = MessagePattern(code, Language::English);
        ASSERT_NE(russian, nullptr) << MessageKey(code);
        ASSERT_NE(english, nullptr) << MessageKey(code);
        EXPECT_EQ(Places(russian), Places(english)) << MessageKey(code);
        EXPECT_FALSE(HasCyrillic(WithoutFileTokens(english))) << MessageKey(code);
    }
}

// A nested message and a list are said in the language of the sentence around them; a number keeps
// its decimals and its point in both.
TEST(Catalogue, NestedMessagesAndNumbersAreSaidInTheLanguageAroundThem) {
    const Message doubt(
        MessageCode::DoubtOfComponent,
        {L"Этанол", Nested(Message(MessageCode::DoubtSpread, {Decimal(0.1224, 4), General(0.05)}))});
    EXPECT_EQ(Render(doubt, Language::Russian),
              L"у компонента «Этанол» расхождение параллельных определений выше r (0.1224 > 0.05)");
    const std::wstring english = Render(doubt, Language::English);
    EXPECT_NE(english.find(L"Этанол"), std::wstring::npos);  // the data stay as they are
    EXPECT_NE(english.find(L"0.1224 > 0.05"), std::wstring::npos);
    EXPECT_FALSE(HasCyrillic(english.substr(english.find(L"”") + 1)));
    const Message list = ListMessage({MessageCode::VerdictConforms, Message(), MessageCode::VerdictExceeds});
    EXPECT_EQ(Render(list, Language::Russian), L"соответствует; превышает");
    // A code a catalogue lacks still says what it was, by its key and values.
    EXPECT_EQ(
        Render(Message(MessageCode::Count, {L"x"}), Language::English).find(L"«x»") != std::wstring::npos,
        true);
}
