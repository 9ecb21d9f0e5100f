#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

std::wstring_view SkipBlanks(std::wstring_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexPrefix(std::string_view text, size_t at) {
    return text.size() > at + 1 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X');
}

// The blank-free ASCII head of a text; a number never holds other characters. A head as short as
// real numbers are stays on the stack: the chromatogram files hold thousands of numbers.
class AsciiHead {
public:
    explicit AsciiHead(std::wstring_view text) {
        size_t start = 0;
        while (start < text.size() && IsBlank(text[start])) ++start;
        size_t end = start;
        while (end < text.size() && text[end] > 0 && text[end] < 0x80) ++end;
        const size_t length = end - start;
        char* out = local_;
        if (length > sizeof local_) {
            long_.resize(length);
            out = long_.data();
        }
        for (size_t i = 0; i < length; ++i) out[i] = static_cast<char>(text[start + i]);
        head_ = std::string_view(out, length);
    }
    AsciiHead(const AsciiHead&) = delete;
    AsciiHead& operator=(const AsciiHead&) = delete;

    std::string_view Text() const { return head_; }

private:
    char local_[64];
    std::string long_;
    std::string_view head_;
};

// Whether a decimal number that from_chars found out of range is too large (rather than too small):
// the position of its first significant digit plus its exponent decides.
bool IsOverflow(const char* first, const char* last) {
    long long magnitude = 0;
    const char* p = first;
    while (p != last && *p == '0') ++p;
    while (p != last && IsDigit(*p)) ++magnitude, ++p;
    if (p != last && *p == '.') {
        ++p;
        if (magnitude == 0) {
            while (p != last && *p == '0') --magnitude, ++p;
        }
        while (p != last && IsDigit(*p)) ++p;
    }
    if (p != last && (*p == 'e' || *p == 'E' || *p == 'p' || *p == 'P')) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '-' || *p == '+')) ++p;
        long long exponent = 0;
        while (p != last && IsDigit(*p) && exponent < 100000) exponent = exponent * 10 + (*p++ - '0');
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

double ParseUnsigned(std::string_view text, size_t at) {
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) return 0.0;  // a second sign
    const bool hex = IsHexPrefix(text, at);
    const char* first = text.data() + at + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const std::from_chars_result result =
        std::from_chars(first, last, value, hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        return IsOverflow(first, result.ptr) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    // "0x" without hex digits is the number 0 followed by text.
    return result.ec == std::errc() ? value : 0.0;
}

}  // namespace

std::wstring_view TrimBlanks(std::wstring_view text) {
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::wstring FormatDouble17(double value) {
    char buffer[40];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::wstring(buffer, result.ptr);
}

double ParseDouble(std::wstring_view text) {
    const AsciiHead ascii(text);
    const std::string_view head = ascii.Text();
    size_t at = 0;
    bool negative = false;
    if (!head.empty() && (head[0] == '+' || head[0] == '-')) {
        negative = head[0] == '-';
        at = 1;
    }
    const double value = ParseUnsigned(head, at);
    return negative ? -value : value;
}

std::optional<double> ReadWholeNumber(std::wstring_view text) {
    text = TrimBlanks(text);
    std::string ascii;
    for (const wchar_t c : text) {
        if (c <= 0 || c >= 0x80) return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    // from_chars takes a minus but no plus; a second sign is refused below as any other stray text.
    const size_t comma = ascii.find(',');
    if (comma != std::string::npos && ascii.find('.') == std::string::npos) ascii[comma] = '.';
    const size_t at = !ascii.empty() && ascii[0] == '+' ? 1 : 0;
    if (at == 1 && ascii.size() > 1 && ascii[1] == '-') return std::nullopt;
    const char* first = ascii.data() + at;
    const char* last = ascii.data() + ascii.size();
    double value = 0;
    const std::from_chars_result result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

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

std::wstring FormatFixed(double value, int precision) {
    // The largest double has 309 integer digits.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return result.ec == std::errc() ? std::wstring(buffer, result.ptr) : std::wstring();
}

std::wstring FormatGeneral(double value, int precision) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return result.ec == std::errc() ? std::wstring(buffer, result.ptr) : std::wstring();
}
