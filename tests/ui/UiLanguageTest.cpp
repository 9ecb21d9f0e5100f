#include "ui/UiLanguage.h"

#include <gtest/gtest.h>

#include "UiFixture.h"
#include "calc/CalculationWarning.h"
#include "messages/Catalogue.h"
#include "ui/PluginMessages.h"

// The plug-in's own module speaks Russian, the English library English: a warning, a message box and
// the total's note come out in the language of the module the host chose, from the one catalogue.
TEST(UiLanguage, TheWindowsSpeakTheResourceModulesLanguage) {
    const CalculationWarning warning{CalculationWarning::Kind::NoStandardPeak, L"1,2-Диметоксиэтан",
                                     L"Проба 2417-3.stg", L"ДМЭ"};
    EXPECT_EQ(UiLanguage(), Language::Russian);
    EXPECT_EQ(warning.Text(UiLanguage()), warning.Text(Language::Russian));
    EXPECT_EQ(UiText(MessageCode::TotalUndetermined), L"не определено");

    const EnglishResources english;
    EXPECT_EQ(UiLanguage(), Language::English);
    const std::wstring text = warning.Text(UiLanguage());
    EXPECT_EQ(text, warning.Text(Language::English));
    EXPECT_NE(text.find(L"Проба 2417-3.stg"), std::wstring::npos);
    EXPECT_EQ(text.find(L"хроматограмм"), std::wstring::npos);
    EXPECT_EQ(PluginMessages(nullptr).MessageLanguage(), Language::English);
}
