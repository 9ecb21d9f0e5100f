#pragma once

#include <optional>
#include <string>

// The languages people read this program in: its reports, its dialogs, its messages. What the program
// knows of each (its key, its words, its spreadsheets) is its row in Languages.h.
enum class Language { Russian, English };

// "ru" or "en": how documents and the command line name a language.
const char* LanguageKey(Language language);
// The language of such a key; nothing for any other text.
std::optional<Language> LanguageOfKey(const std::wstring& key);
