#include <windows.h>

#include <climits>

#include "platform/Codepage1251.h"

namespace {

constexpr UINT kCodepage1251 = 1251;

}  // namespace

std::wstring FromCodepage1251(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return std::wstring();
    const int length = static_cast<int>(bytes.size());
    std::wstring text(bytes.size(), L'\0');
    const int written = MultiByteToWideChar(kCodepage1251, 0, bytes.data(), length, text.data(), length);
    text.resize(static_cast<size_t>(written > 0 ? written : 0));
    return text;
}

std::optional<std::string> ToCodepage1251(std::wstring_view text) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const int length = static_cast<int>(text.size());
    std::string bytes(text.size(), '\0');
    BOOL usedDefault = FALSE;
    // Without WC_NO_BEST_FIT_CHARS Windows quietly writes look-alikes ("e" for "é") and reports nothing.
    const int written = WideCharToMultiByte(kCodepage1251, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                            bytes.data(), length, nullptr, &usedDefault);
    if (written != length || usedDefault) return std::nullopt;
    return bytes;
}
