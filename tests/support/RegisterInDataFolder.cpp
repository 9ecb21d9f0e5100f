#include "support/RegisterInDataFolder.h"

#include <filesystem>
#include <system_error>

#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "register/NumberPattern.h"
#include "register/RegisterFile.h"
#include "register/ReportRegister.h"
#include "tables/DataFilePath.h"

RegisterInDataFolder::RegisterInDataFolder(const std::wstring& componentsPath)
    : place{DataFileBeside(componentsPath, kRegisterFileName)} {
    Remove();
    QuietMessages quiet;
    Message problem;
    const std::optional<NumberPattern> pattern = NumberPattern::Parse(L"ОХ-{NNNNN}", problem);
    started_ = pattern && ReportRegister(place).Start(*pattern, 1, L"тест", quiet);
}

RegisterInDataFolder::~RegisterInDataFolder() {
    Remove();
}

size_t RegisterInDataFolder::Entries() const {
    return RegisterFile(place.file).Read().entries;
}

void RegisterInDataFolder::Remove() const {
    std::error_code error;
    for (const std::wstring& path : {place.file, place.Reports(), place.Staging()})
        std::filesystem::remove_all(ToFileSystemPath(path), error);
}
