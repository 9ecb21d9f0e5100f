#include "DataFileSetAside.h"

#include <filesystem>
#include <system_error>

#include "platform/FileSystemPath.h"
#include "support/RecordingMessages.h"
#include "tables/DataFilePath.h"

namespace {

std::filesystem::path Aside(const std::wstring& path) {
    return ToFileSystemPath(path + L".set-aside");
}

}  // namespace

DataFileSetAside::DataFileSetAside(const std::wstring& fileName) {
    RecordingMessages quiet;
    const std::wstring path = DataFilePath(fileName, quiet);
    if (path.empty()) return;
    for (const wchar_t* suffix : {L"", L".log", L".versions"}) {
        paths_.push_back(path + suffix);
        std::error_code error;
        std::filesystem::rename(ToFileSystemPath(paths_.back()), Aside(paths_.back()), error);
        setAside_.push_back(!error);
    }
}

DataFileSetAside::~DataFileSetAside() {
    for (size_t i = 0; i < paths_.size(); ++i) {
        std::error_code ignored;
        std::filesystem::remove_all(ToFileSystemPath(paths_[i]), ignored);
        if (setAside_[i]) std::filesystem::rename(Aside(paths_[i]), ToFileSystemPath(paths_[i]), ignored);
    }
}
