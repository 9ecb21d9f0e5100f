#include "Profile.h"

#include <string_view>

#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

// Values may hold anything; tabs, line breaks and backslashes are escaped.
std::wstring Escape(const std::wstring& value) {
    std::wstring out;
    for (wchar_t c : value) {
        switch (c) {
            case L'\\':
                out += L"\\\\";
                break;
            case L'\t':
                out += L"\\t";
                break;
            case L'\n':
                out += L"\\n";
                break;
            case L'\r':
                out += L"\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::wstring Unescape(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const wchar_t next = text[++i];
        out += next == L't' ? L'\t' : next == L'n' ? L'\n' : next == L'r' ? L'\r' : next;
    }
    return out;
}

}  // namespace

Profile::Profile(std::wstring file) : file_(std::move(file)) {
    Load();
}

std::optional<std::wstring> Profile::Get(const std::wstring& path) const {
    const auto it = values_.find(path);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void Profile::Set(const std::wstring& path, const std::wstring& value) {
    values_[path] = value;
    Save();
}

void Profile::Delete(const std::wstring& path) {
    if (values_.erase(path) != 0) Save();
}

void Profile::Load() {
    StdioFile file = OpenStdioFile(file_, "rb");
    if (!file) return;
    std::string bytes;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    const std::wstring text = FromUtf8(bytes);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring_view line(text.data() + start, end - start);
        const size_t tab = line.find(L'\t');
        if (tab != std::wstring_view::npos)
            values_[std::wstring(line.substr(0, tab))] = Unescape(line.substr(tab + 1));
        start = end + 1;
    }
}

void Profile::Save() const {
    std::wstring text;
    for (const auto& [path, value] : values_) text += path + L'\t' + Escape(value) + L'\n';
    const std::string bytes = ToUtf8(text);
    StdioFile file = OpenStdioFile(file_, "wb");
    if (file) std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}
