#pragma once

#include <string>
#include <vector>

#include "messages/Catalogue.h"
#include "messages/Language.h"

// What the program knows of one language it speaks: how it is named, where its words are and how a
// spreadsheet of that language reads numbers. A new language is a row of Languages() and its catalogue.
struct LanguageEntry {
    Language language;
    const char* key;  // how documents and the command line name it: "ru", "en"
    const wchar_t*
        resourceSuffix;    // of its resource library and stylesheets ("" for the plug-in's own, "ENU")
    Catalogue catalogue;   // the words of every code
    wchar_t csvSeparator;  // between the fields of a spreadsheet's line
    wchar_t decimalMark;   // in the numbers a spreadsheet reads
};

// Every language, Russian first: the one of whatever names no language.
const std::vector<LanguageEntry>& Languages();

// The row of a language.
const LanguageEntry& LanguageEntryOf(Language language);

// The keys of every language, in the order of Languages().
std::vector<std::wstring> LanguageKeys();
