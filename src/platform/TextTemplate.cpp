#include "platform/TextTemplate.h"

std::wstring FillTemplate(const std::wstring& pattern, const std::vector<std::wstring>& values) {
    std::wstring text;
    text.reserve(pattern.size());
    for (size_t at = 0; at < pattern.size(); ++at) {
        const wchar_t next = at + 1 < pattern.size() ? pattern[at + 1] : L'\0';
        if (pattern[at] != L'%') {
            text += pattern[at];
        } else if (next == L'%') {
            text += L'%';
            ++at;
        } else if (next >= L'1' && next <= L'9' && static_cast<size_t>(next - L'1') < values.size()) {
            text += values[static_cast<size_t>(next - L'1')];
            ++at;
        } else {
            text += L'%';
        }
    }
    return text;
}

namespace {

// Whether `text` from `at` reads as `pattern` from `from`, each place taking the shortest text that lets the
// rest read; a place met again must read as before.
bool MatchFrom(const std::wstring& pattern, size_t from, const std::wstring& text, size_t at,
               std::vector<std::optional<std::wstring>>& values) {
    if (from == pattern.size()) return at == text.size();
    const wchar_t next = from + 1 < pattern.size() ? pattern[from + 1] : L'\0';
    if (pattern[from] == L'%' && next >= L'1' && next <= L'9') {
        std::optional<std::wstring>& value = values[static_cast<size_t>(next - L'1')];
        if (value) {
            return text.compare(at, value->size(), *value) == 0 &&
                   MatchFrom(pattern, from + 2, text, at + value->size(), values);
        }
        for (size_t end = at; end <= text.size(); ++end) {
            value = text.substr(at, end - at);
            if (MatchFrom(pattern, from + 2, text, end, values)) return true;
        }
        value.reset();
        return false;
    }
    const bool percent = pattern[from] == L'%' && next == L'%';
    if (at >= text.size() || text[at] != pattern[from]) return false;
    return MatchFrom(pattern, from + (percent ? 2 : 1), text, at + 1, values);
}

}  // namespace

std::optional<std::vector<std::wstring>> MatchTemplate(const std::wstring& pattern,
                                                       const std::wstring& text) {
    std::vector<std::optional<std::wstring>> values(9);
    if (!MatchFrom(pattern, 0, text, 0, values)) return std::nullopt;
    size_t count = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i]) count = i + 1;
    }
    std::vector<std::wstring> matched(count);
    for (size_t i = 0; i < count; ++i) matched[i] = values[i].value_or(L"");
    return matched;
}
