#pragma once

#include <string>

#include "messages/Language.h"
#include "messages/Message.h"

// One line of a language's catalogue: a code and its text, "%1" … "%9" where its values go ("%%" is "%").
struct CatalogueLine {
    MessageCode code;
    const wchar_t* text;
};

// The catalogue of a language: every code's text, each standing once (RussianCatalogue.cpp,
// EnglishCatalogue.cpp).
struct Catalogue {
    const CatalogueLine* lines;
    size_t count;
};
Catalogue CatalogueOf(Language language);

// The text of a code in a language, its places not filled; null when the catalogue lacks it.
const wchar_t* MessagePattern(MessageCode code, Language language);

// A value of a message in words, as it stands in the message's text.
std::wstring RenderArg(const MessageArg& arg, Language language);

// A message in words: its code's text with each value in its place, a nested message in the same language.
std::wstring Render(const Message& message, Language language);
