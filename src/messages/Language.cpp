#include "messages/Language.h"

const char* LanguageKey(Language language) {
    return language == Language::English ? "en" : "ru";
}

std::optional<Language> LanguageOfKey(const std::wstring& key) {
    if (key == L"ru") return Language::Russian;
    if (key == L"en") return Language::English;
    return std::nullopt;
}
