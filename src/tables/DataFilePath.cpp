#include "tables/DataFilePath.h"

#include <algorithm>

#include "messages/UserMessages.h"
#include "platform/PublicDocuments.h"

namespace {

const wchar_t kDataFolders[] = L"\\Veltar4\\oxycalc";

std::wstring WithNativeSeparators(std::wstring tail) {
#ifndef _WIN32
    std::replace(tail.begin(), tail.end(), L'\\', L'/');
#endif
    return tail;
}

}  // namespace

std::wstring DataFilePath(const std::wstring& fileName, UserMessages& messages) {
    const std::wstring folder = PublicDocumentsFolder();
    if (folder.empty()) {
        messages.ShowMessage(Message(MessageCode::NoPublicDocuments));
        return std::wstring();
    }
    return folder + WithNativeSeparators(kDataFolders + fileName);
}

std::wstring DataFileBeside(const std::wstring& dataFile, const std::wstring& name) {
    const size_t separator = dataFile.find_last_of(L"\\/");
    if (dataFile.empty()) return std::wstring();
    return separator == std::wstring::npos ? name : dataFile.substr(0, separator + 1) + name;
}
