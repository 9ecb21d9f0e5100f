#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Case folding of names as the host writes them: Latin (ASCII and Latin-1) and Cyrillic letters,
// Ё/ё and the other letters of Windows-1251 included. It uses no locale.

namespace name_compare_detail {

// Letters with a case are all below U+0500 here.
constexpr uint32_t kTableSize = 0x500;

constexpr wchar_t FoldLetter(uint32_t c) {
    if (c >= 'A' && c <= 'Z') return static_cast<wchar_t>(c + 0x20);
    // À–Þ without the multiplication sign ×.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
    // Ѐ–Џ (Ё, Ђ, Є, І, Ї, Ј, Љ, Њ, Ћ, Ў, Џ, …) fold to ѐ–џ.
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
    if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 0x20);
    if (c == 0x490) return static_cast<wchar_t>(0x491);  // Ґ
    return static_cast<wchar_t>(c);
}

constexpr std::array<wchar_t, kTableSize> MakeFoldTable() {
    std::array<wchar_t, kTableSize> table{};
    for (uint32_t c = 0; c < kTableSize; ++c) table[c] = FoldLetter(c);
    return table;
}

// A table, inline, because the calculation folds every character of every peak name it looks at.
inline constexpr std::array<wchar_t, kTableSize> kFoldTable = MakeFoldTable();

}  // namespace name_compare_detail

// The lower-case form of an upper-case Latin or Cyrillic letter; any other character unchanged.
inline wchar_t FoldCase(wchar_t c) {
    const uint32_t code = static_cast<uint32_t>(c);
    return code < name_compare_detail::kTableSize ? name_compare_detail::kFoldTable[code] : c;
}

// Whether two names are equal, whole, without regard to letter case.
bool EqualNoCase(std::wstring_view a, std::wstring_view b);

// Whether a character is a blank (a space, a no-break space, a zero-width space, …) or a control character:
// one that a name shows as nothing or as nothing a person tells apart.
bool IsBlankOrControl(wchar_t c);

// A name folded without regard to case, with its blanks and control characters taken out: two names with
// the same key differ, if at all, only in what a person does not see.
std::wstring LooseNameKey(std::wstring_view name);

// The name with each control character and each blank other than the plain space shown as "[U+0001]":
// what tells two such names apart on a page.
std::wstring VisibleName(std::wstring_view name);
