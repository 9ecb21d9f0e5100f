#include "calc/NumberText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring_view SkipBlanks(std::wstring_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

// The leading run of ASCII characters, narrowed; nothing a number could use lies beyond it.
std::string LeadingAscii(std::wstring_view text) {
    std::string ascii;
    for (const wchar_t c : text) {
        if (c <= 0 || c >= 0x80) break;
        ascii.push_back(static_cast<char>(c));
    }
    return ascii;
}

}  // namespace

int32_t ReadInteger(std::wstring_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        magnitude = std::min(magnitude * 10 + (c - L'0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<int32_t>(value);
}

double ReadDecimal(std::wstring_view text) {
    std::string ascii = LeadingAscii(SkipBlanks(text));
    // from_chars takes no "+" of its own.
    if (!ascii.empty() && ascii.front() == '+') {
        ascii.erase(0, 1);
        if (!ascii.empty() && ascii.front() == '-') return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

std::wstring FormatFixed(double value, int precision) {
    // The largest double has 309 integer digits.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return result.ec == std::errc() ? std::wstring(buffer, result.ptr) : std::wstring();
}
