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
    const std::wstring stylesheet = hostFolder + L"\\Report.xsl";
    if (GetFileAttributesW(stylesheet.c_str()) == INVALID_FILE_ATTRIBUTES) return L"Готово";
    // A stylesheet already there (installed, or changed by the lab) stays as it is.
    if (!CopyFileW(stylesheet.c_str(), (data + L"\\Report.xsl").c_str(), TRUE) &&
        GetLastError() != ERROR_FILE_EXISTS) {
        return L"Не удалось установить Report.xsl в " + data;
    }
    return L"Готово";
}
