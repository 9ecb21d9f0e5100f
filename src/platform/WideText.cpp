#include "platform/WideText.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Calls sink(code point) for every code point of a wide text.
template <typename Sink>
void DecodeWide(std::wstring_view text, Sink sink) {
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            c &= 0xFFFF;
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
                const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    sink(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                    ++i;
                    continue;
                }
            }
        }
        sink(IsSurrogate(c) || c > 0x10FFFF ? kReplacement : c);
    }
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(c));
}

// Calls sink(code point) for every code point of UTF-8 bytes, and sink(U+FFFD) for each byte that
// starts no valid sequence; true when there was none.
template <typename Sink>
bool DecodeUtf8(std::string_view bytes, Sink sink) {
    bool allValid = true;
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80           ? 0
                          : (lead >> 5) == 0x6  ? 1
                          : (lead >> 4) == 0xE  ? 2
                          : (lead >> 3) == 0x1E ? 3
                                                : -1;
        bool valid = extra >= 0 && i + static_cast<size_t>(extra) < bytes.size();
        char32_t c = valid && extra > 0 ? lead & (0x3F >> extra) : lead;
        for (int k = 1; valid && k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (!valid || c < minimum[extra] || c > 0x10FFFF || IsSurrogate(c)) {
            sink(kReplacement);
            allValid = false;
            ++i;
            continue;
        }
        sink(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return allValid;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    DecodeWide(text, [&out](char32_t c) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    });
    return out;
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    DecodeUtf8(bytes, [&out](char32_t c) { AppendWide(out, c); });
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    return DecodeUtf8(bytes, [](char32_t) {});
}

std::u16string ToUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    DecodeWide(text, [&out](char32_t c) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    });
    return out;
}

std::wstring FromUtf16(const char16_t* units) {
    std::wstring out;
    if (units == nullptr) return out;
    for (size_t i = 0; units[i] != 0; ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(units[i + 1]) - 0xDC00);
            ++i;
        } else if (IsSurrogate(c)) {
            c = kReplacement;
        }
        AppendWide(out, c);
    }
    return out;
}

bool IsXmlCharacter(wchar_t c) {
    const unsigned long code = static_cast<unsigned long>(c);
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code != 0xFFFE && code != 0xFFFF);
}

std::wstring XmlCarriableText(std::wstring_view text) {
    std::wstring carried(text);
    for (wchar_t& c : carried) {
        if (!IsXmlCharacter(c)) c = L'\uFFFD';
    }
    return carried;
}
