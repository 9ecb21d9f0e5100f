#include "report/TemporaryReportFile.h"

#include "messages/Languages.h"
#include "platform/FileSystemPath.h"
#include "platform/TemporaryFile.h"
#include "tables/DataFilePath.h"

namespace {

// The platform's names of one prefix run out long before this many would be passed over.
constexpr int kAttempts = 64;

}  // namespace

TemporaryReportFile::TemporaryReportFile(const std::wstring& folder) {
    if (folder.empty()) return;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::wstring name = CreateTemporaryFile(folder, L"vlt");
        if (name.empty()) return;
        if (!FileExists(name + L".html")) {
            html_ = name + L".html";
            return;
        }
    }
}

std::wstring ReportStylesheetPath(const std::wstring& preferred, UserMessages& messages) {
    const std::wstring standard = DataFilePath(L"\\Report.xsl", messages);
    if (standard.empty() || preferred.empty()) return standard;
    const std::wstring path =
        standard.substr(0, standard.size() - std::wstring(L"Report.xsl").size()) + preferred;
    return FileExists(path) ? path : standard;
}

std::wstring StylesheetName(const std::wstring& stem, Language language) {
    const std::wstring suffix = LanguageEntryOf(language).resourceSuffix;
    return stem + (suffix.empty() ? L"" : L"." + suffix) + L".xsl";
}
