#include "messages/Languages.h"

#include <string>

extern const CatalogueLine kRussianCatalogue[];
extern const size_t kRussianCatalogueSize;
extern const CatalogueLine kEnglishCatalogue[];
extern const size_t kEnglishCatalogueSize;

const std::vector<LanguageEntry>& Languages() {
    static const std::vector<LanguageEntry> languages = {
        {Language::Russian, "ru", L"", {kRussianCatalogue, kRussianCatalogueSize}, L';', L','},
        {Language::English, "en", L"ENU", {kEnglishCatalogue, kEnglishCatalogueSize}, L',', L'.'},
    };
    return languages;
}

const LanguageEntry& LanguageEntryOf(Language language) {
    for (const LanguageEntry& entry : Languages()) {
        if (entry.language == language) return entry;
    }
    return Languages().front();
}

const char* LanguageKey(Language language) {
    return LanguageEntryOf(language).key;
}

std::optional<Language> LanguageOfKey(const std::wstring& key) {
    const std::vector<std::wstring> keys = LanguageKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        if (key == keys[i]) return Languages()[i].language;
    }
    return std::nullopt;
}

std::vector<std::wstring> LanguageKeys() {
    std::vector<std::wstring> keys;
    for (const LanguageEntry& entry : Languages())
        keys.emplace_back(entry.key, entry.key + std::char_traits<char>::length(entry.key));
    return keys;
}
