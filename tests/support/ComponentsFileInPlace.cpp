#include "ComponentsFileInPlace.h"

#include <filesystem>
#include <stdexcept>

#include "TempFolder.h"
#include "calc/DataFilePath.h"
#include "platform/FileSystemPath.h"
#include "support/RecordingMessages.h"

ComponentsFileInPlace::ComponentsFileInPlace(const std::string& bytes) {
    RecordingMessages quiet;
    path_ = DataFilePath(L"\\CompsTableOxycalc.csv", quiet);
    if (path_.empty()) throw std::runtime_error("no public documents folder");
    if (FileExists(path_)) saved_ = ReadBytes(path_);
    std::filesystem::create_directories(ToFileSystemPath(path_).parent_path());
    Write(bytes);
}

ComponentsFileInPlace::~ComponentsFileInPlace() {
    if (saved_) {
        Write(*saved_);
    } else {
        std::error_code ignored;
        std::filesystem::remove(ToFileSystemPath(path_), ignored);
    }
}

void ComponentsFileInPlace::Write(const std::string& bytes) const {
    WriteBytes(path_, bytes);
}
