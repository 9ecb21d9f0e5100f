#include "register/NumberPattern.h"

#include <cwchar>

#include "platform/LocalTime.h"

namespace {

constexpr size_t kLongestPattern = 64;
constexpr size_t kMostCounterDigits = 12;
const wchar_t kYear[] = L"{YYYY}";

// What one brace of a pattern holds: the year, a counter of so many digits, or neither (0).
size_t CounterDigits(const std::wstring& inside) {
    if (inside.empty() || inside.size() > kMostCounterDigits) return 0;
    return inside.find_first_not_of(L'N') == std::wstring::npos ? inside.size() : 0;
}

bool FitForFileName(wchar_t c) {
    return c >= 0x20 && c != 0x7F && std::wcschr(L"/\\:*?\"<>|", c) == nullptr;
}

std::wstring Padded(uint64_t value, size_t digits) {
    std::wstring text = std::to_wstring(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), L'0');
    return text;
}

}  // namespace

std::optional<NumberPattern> NumberPattern::Parse(const std::wstring& text, Message& problem) {
    problem = Message();
    if (text.empty() || text.size() > kLongestPattern) {
        problem = Message(MessageCode::PatternLength, {static_cast<int64_t>(kLongestPattern)});
        return std::nullopt;
    }
    size_t counters = 0;
    size_t years = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (!FitForFileName(text[at])) {
            problem = Message(MessageCode::PatternCharacter, {std::wstring(1, text[at])});
            return std::nullopt;
        }
        if (text[at] == L'}') {
            problem = MessageCode::PatternBrace;
            return std::nullopt;
        }
        if (text[at] != L'{') continue;
        const size_t end = text.find(L'}', at);
        const std::wstring inside = end == std::wstring::npos ? L"" : text.substr(at + 1, end - at - 1);
        if (end != std::wstring::npos && text.compare(at, end - at + 1, kYear) == 0) {
            ++years;
        } else if (CounterDigits(inside) > 0) {
            ++counters;
        } else {
            problem = MessageCode::PatternBrace;
            return std::nullopt;
        }
        at = end;
    }
    if (counters != 1 || years > 1) {
        problem = MessageCode::PatternCounter;
        return std::nullopt;
    }
    return NumberPattern(text);
}

std::wstring NumberPattern::Format(uint64_t counter, int year) const {
    std::wstring number;
    for (size_t at = 0; at < text_.size(); ++at) {
        if (text_[at] != L'{') {
            number += text_[at];
            continue;
        }
        const size_t end = text_.find(L'}', at);
        const std::wstring inside = text_.substr(at + 1, end - at - 1);
        number += inside == L"YYYY" ? Padded(static_cast<uint64_t>(year), 4)
                                    : Padded(counter, CounterDigits(inside));
        at = end;
    }
    return number;
}

int LocalYear(int64_t secondsSince1970) {
    const std::wstring stamp = LocalFileStamp(secondsSince1970, false);
    return stamp.size() >= 4 ? std::stoi(stamp.substr(0, 4)) : 0;
}
