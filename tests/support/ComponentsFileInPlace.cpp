#include "ComponentsFileInPlace.h"

#include <windows.h>

#include <stdexcept>

#include "TempFolder.h"
#include "calc/DataFilePath.h"
#include "support/RecordingMessages.h"

namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolders(const std::wstring& file) {
    for (size_t at = file.find(L'\\', 3); at != std::wstring::npos; at = file.find(L'\\', at + 1)) {
        CreateDirectoryW(file.substr(0, at).c_str(), nullptr);
    }
}

}  // namespace

ComponentsFileInPlace::ComponentsFileInPlace(const std::string& bytes) {
    RecordingMessages quiet;
    path_ = DataFilePath(L"\\CompsTableOxycalc.csv", quiet);
    if (path_.empty()) throw std::runtime_error("no public documents folder");
    if (Exists(path_)) saved_ = ReadBytes(path_);
    MakeFolders(path_);
    Write(bytes);
}

ComponentsFileInPlace::~ComponentsFileInPlace() {
    if (saved_) {
        Write(*saved_);
    } else {
        DeleteFileW(path_.c_str());
    }
}

void ComponentsFileInPlace::Write(const std::string& bytes) const {
    WriteBytes(path_, bytes);
}
