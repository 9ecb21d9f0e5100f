#include "HostSetup.h"

#include <windows.h>

#include "platform/PublicDocuments.h"

std::wstring InstallPluginData(const std::wstring& hostFolder) {
    const std::wstring documents = PublicDocumentsFolder();
    if (documents.empty()) return L"Не найден путь до общих документов.";
    const std::wstring veltar = documents + L"\\Veltar4";
    const std::wstring data = veltar + L"\\oxycalc";
    CreateDirectoryW(veltar.c_str(), nullptr);
    CreateDirectoryW(data.c_str(), nullptr);
    // A stylesheet already there (installed, or changed by the lab) stays as it is.
    for (const wchar_t* name : {L"Report.xsl", L"Report.ENU.xsl"}) {
        const std::wstring stylesheet = hostFolder + L"\\" + name;
        if (GetFileAttributesW(stylesheet.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        if (!CopyFileW(stylesheet.c_str(), (data + L"\\" + name).c_str(), TRUE) &&
            GetLastError() != ERROR_FILE_EXISTS) {
            return L"Не удалось установить " + std::wstring(name) + L" в " + data;
        }
    }
    return L"Готово";
}
