#include "tables/NameCompare.h"

#include <string>

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

bool IsBlankOrControl(wchar_t c) {
    const uint32_t code = static_cast<uint32_t>(c);
    if (code <= 0x20 || (code >= 0x7F && code <= 0xA0)) return true;
    return code == 0xAD || code == 0x1680 || (code >= 0x2000 && code <= 0x200F) || code == 0x2028 ||
           code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x2060 || code == 0x3000 ||
           code == 0xFEFF;
}

std::wstring LooseNameKey(std::wstring_view name) {
    std::wstring key;
    for (const wchar_t c : name) {
        if (!IsBlankOrControl(c)) key += FoldCase(c);
    }
    return key;
}

std::wstring VisibleName(std::wstring_view name) {
    std::wstring shown;
    for (const wchar_t c : name) {
        if (c == L' ' || !IsBlankOrControl(c)) {
            shown += c;
            continue;
        }
        const wchar_t* const digits = L"0123456789ABCDEF";
        const uint32_t code = static_cast<uint32_t>(c);
        shown += L"[U+";
        for (int shift = 12; shift >= 0; shift -= 4) shown += digits[(code >> shift) & 0xF];
        shown += L']';
    }
    return shown;
}
