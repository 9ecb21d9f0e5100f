#include "DataFileInPlace.h"

#include <filesystem>
#include <stdexcept>

#include "TempFolder.h"
#include "platform/FileSystemPath.h"
#include "support/RecordingMessages.h"
#include "tables/DataFilePath.h"

DataFileInPlace::DataFileInPlace(const std::wstring& fileName, const std::string& bytes) {
    RecordingMessages quiet;
    path_ = DataFilePath(fileName, quiet);
    if (path_.empty()) throw std::runtime_error("no public documents folder");
    if (FileExists(path_)) saved_ = ReadBytes(path_);
    logWasThere_ = FileExists(path_ + L".log");
    std::filesystem::create_directories(ToFileSystemPath(path_).parent_path());
    WriteBytes(path_, bytes);
}

DataFileInPlace::~DataFileInPlace() {
    if (saved_) {
        WriteBytes(path_, *saved_);
    } else {
        std::error_code ignored;
        std::filesystem::remove(ToFileSystemPath(path_), ignored);
    }
    // The change log that reading the file started goes with it.
    if (!logWasThere_) {
        std::error_code ignored;
        std::filesystem::remove(ToFileSystemPath(path_ + L".log"), ignored);
    }
}
