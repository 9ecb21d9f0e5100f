#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between wide text and Windows-1251, the one-byte Cyrillic code page of the components
// file. They use no locale, so they change nothing in the process that hosts the plug-in.

// The text of Windows-1251 bytes: exactly one character per byte. The one byte the code page leaves
// undefined (0x98) becomes U+0098, as Windows converts it. Throws when the bytes cannot be converted
// (memory short, no converter) rather than give a text that is not theirs.
std::wstring FromCodepage1251(std::string_view bytes);

// The Windows-1251 bytes of a text, one per character; nothing when a character has no byte of its
// own in the code page (no look-alike substitutes: "é" is refused, not written as "e").
std::optional<std::string> ToCodepage1251(std::wstring_view text);
