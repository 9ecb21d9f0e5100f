#include "win/Resources.h"

namespace {
HINSTANCE gResourceModule = nullptr;
HINSTANCE gOwnModule = nullptr;
}  // namespace

HINSTANCE ResourceModule() {
    return gResourceModule;
}
void SetResourceModule(HINSTANCE module) {
    gResourceModule = module;
}
HINSTANCE OwnModule() {
    return gOwnModule;
}
void SetOwnModule(HINSTANCE module) {
    gOwnModule = module;
}

std::wstring ResourceTextOr(UINT id, const wchar_t* fallback) {
    std::wstring text = ResourceText(id);
    return text.empty() ? std::wstring(fallback) : text;
}

std::wstring LoadResourceString(HINSTANCE module, UINT id) {
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
