#include "platform/StagedFiles.h"

#include <filesystem>

#include "platform/FileSystemPath.h"
#include "platform/ReplaceFile.h"
#include "platform/TemporaryFile.h"

StagedFiles::~StagedFiles() {
    Discard();
}

std::wstring StagedFiles::Stage(const std::wstring& target, std::wstring* why) {
    std::filesystem::path folder =
        stagingFolder_.empty() ? ToFileSystemPath(target).parent_path() : ToFileSystemPath(stagingFolder_);
    if (folder.empty()) folder = ".";
    const std::wstring temporary = CreateTemporaryFile(FromFileSystemPath(folder), L"oxy", why);
    if (temporary.empty()) return std::wstring();
    files_.push_back({target, temporary, std::make_unique<RemovedOnInterrupt>(temporary)});
    return temporary;
}

bool StagedFiles::Commit() {
    bool committed = true;
    for (File& file : files_) {
        if (committed && ReplaceFileWith(file.target, file.temporary)) {
            file.temporary.clear();
        } else {
            committed = false;
        }
    }
    Discard();
    return committed;
}

void StagedFiles::Discard() {
    for (const File& file : files_) {
        if (!file.temporary.empty()) RemoveFile(file.temporary);
    }
    files_.clear();
}
