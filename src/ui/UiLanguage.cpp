#include "ui/UiLanguage.h"

#include "messages/Catalogue.h"
#include "res/ResourceIds.h"
#include "win/Resources.h"

Language UiLanguage() {
    return LanguageOfKey(ResourceTextOr(IDS_OXY_LANGUAGE, L"ru")).value_or(Language::Russian);
}

std::wstring UiText(const Message& message) {
    return Render(message, UiLanguage());
}
