#include "plugin/LanguageModule.h"

std::wstring LanguageModulePath(const std::wstring& pluginPath, LANGID language) {
    wchar_t abbreviation[4] = {};
    if (GetLocaleInfoW(MAKELCID(language, SORT_DEFAULT), LOCALE_SABBREVLANGNAME, abbreviation, 4) == 0) {
        return {};
    }
    std::wstring path = pluginPath;
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) path.erase(dot);
    return path + abbreviation + L".dll";
}
