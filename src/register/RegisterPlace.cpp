#include "register/RegisterPlace.h"

#include <filesystem>
#include <system_error>

#include "platform/DurableFile.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "register/RegisterFile.h"
#include "report/ReportModel.h"
#include "tables/DataFilePath.h"

namespace {

const wchar_t kReportsSuffix[] = L".reports";
const wchar_t kStagingSuffix[] = L".staging";

// The link's one line, without the line end a person's editor may have added.
std::wstring LinkedPath(const std::wstring& link) {
    std::wstring path = FromUtf8(ReadFileBytes(link).value_or(""));
    while (!path.empty() && (path.back() == L'\n' || path.back() == L'\r' || path.back() == L' '))
        path.pop_back();
    return path;
}

bool InRegisterFolder(const std::filesystem::path& place) {
    for (std::filesystem::path folder = place.parent_path();
         !folder.empty() && folder != folder.parent_path(); folder = folder.parent_path()) {
        const std::wstring name = FromFileSystemPath(folder.filename());
        for (const std::wstring suffix : {kReportsSuffix, kStagingSuffix}) {
            if (name.size() <= suffix.size() ||
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::filesystem::path registerFile =
                folder.parent_path() / ToFileSystemPath(name.substr(0, name.size() - suffix.size()));
            if (ReadsAsRegister(FromFileSystemPath(registerFile))) return true;
        }
    }
    return false;
}

bool IsRegisterPlaceAsSpelt(const std::filesystem::path& place) {
    return ReadsAsRegister(FromFileSystemPath(place)) || InRegisterFolder(place);
}

}  // namespace

std::wstring RegisterPlace::Folder() const {
    return FromFileSystemPath(ToFileSystemPath(file).parent_path());
}

std::wstring RegisterPlace::Reports() const {
    return file + kReportsSuffix;
}

std::wstring RegisterPlace::Staging() const {
    return file + kStagingSuffix;
}

std::wstring RegisterPlace::ReportFile(const std::wstring& name) const {
    return JoinPath(Reports(), name);
}

std::optional<RegisterPlace> RegisterOf(const std::wstring& componentsFile) {
    if (componentsFile.empty()) return std::nullopt;
    const std::wstring beside = DataFileBeside(AbsolutePath(componentsFile), kRegisterFileName);
    if (FileExists(beside)) return RegisterPlace{beside};
    const std::wstring link = DataFileBeside(AbsolutePath(componentsFile), kRegisterLinkName);
    if (!FileExists(link)) return std::nullopt;
    // A link that names nothing still says the lab keeps a register: issuing then stops, saying so.
    return RegisterPlace{LinkedPath(link)};
}

RegisterPlace RegisterAt(const std::wstring& path) {
    return RegisterPlace{AbsolutePath(path)};
}

bool LinkRegister(const std::wstring& componentsFile, const RegisterPlace& place, std::wstring& why) {
    const std::wstring link = DataFileBeside(AbsolutePath(componentsFile), kRegisterLinkName);
    if (FileExists(link) && LinkedPath(link) == place.file) return true;
    std::error_code error;
    std::filesystem::remove(ToFileSystemPath(link), error);
    return CreateDurably(link, ToUtf8(place.file) + "\n", &why);
}

bool IsRegisterPlace(const std::wstring& path) {
    const std::filesystem::path place = ToFileSystemPath(path);
    std::error_code error;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(place, error), error);
    return IsRegisterPlaceAsSpelt(place) || (!error && IsRegisterPlaceAsSpelt(resolved));
}
