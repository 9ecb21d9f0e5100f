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
