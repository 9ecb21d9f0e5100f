#include "ComponentsFileInPlace.h"

#include <filesystem>
#include <stdexcept>

#include "TempFolder.h"
#include "platform/FileSystemPath.h"
#include "support/RecordingMessages.h"
#include "tables/DataFilePath.h"

namespace {

// The table's change log and kept versions: a test's table starts a log of its own, so that no test
// meets another's table as "changed outside".
void RemoveLog(const std::wstring& table) {
    std::error_code ignored;
    std::filesystem::remove(ToFileSystemPath(table + L".log"), ignored);
    std::filesystem::remove_all(ToFileSystemPath(table + L".versions"), ignored);
}

}  // namespace

ComponentsFileInPlace::ComponentsFileInPlace(const std::string& bytes) {
    RecordingMessages quiet;
    path_ = DataFilePath(L"\\CompsTableOxycalc.csv", quiet);
    if (path_.empty()) throw std::runtime_error("no public documents folder");
    if (FileExists(path_)) saved_ = ReadBytes(path_);
    std::filesystem::create_directories(ToFileSystemPath(path_).parent_path());
    Write(bytes);
}

ComponentsFileInPlace::~ComponentsFileInPlace() {
    RemoveLog(path_);
    if (saved_) {
        Write(*saved_);
    } else {
        std::error_code ignored;
        std::filesystem::remove(ToFileSystemPath(path_), ignored);
    }
}

void ComponentsFileInPlace::Write(const std::string& bytes) const {
    RemoveLog(path_);
    WriteBytes(path_, bytes);
}
