#pragma once

#include <string>
#include <string_view>

// Conversions between the plug-in's wide text and the encodings it meets at its edges.
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both are handled. Invalid input becomes U+FFFD.

// UTF-8 bytes of a wide text.
std::string ToUtf8(std::wstring_view text);
// The wide text of UTF-8 bytes.
std::wstring FromUtf8(std::string_view bytes);
// Whether bytes are well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or
// code points beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);
// The UTF-16 code units of a wide text (what SQLite's *16 functions take).
std::u16string ToUtf16(std::wstring_view text);
// Whether XML 1.0 can carry the character: tab, line feed, carriage return and everything from U+0020
// but U+FFFE and U+FFFF. Surrogates of UTF-16 text pass: ToUtf8 pairs them.
bool IsXmlCharacter(wchar_t c);
// The text with each character XML cannot carry replaced by U+FFFD: what every document made for a
// person or a program carries, so that the same name reads alike in all of them.
std::wstring XmlCarriableText(std::wstring_view text);
// The wide text of NUL-terminated UTF-16 (what SQLite's *16 functions return); null gives "".
std::wstring FromUtf16(const char16_t* units);
