#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"

TempFolder::TempFolder() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            base / ("oxycalc-test-" + std::to_string(stamp) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            path_ = FromFileSystemPath(candidate);
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ToFileSystemPath(path_), ignored);
}

// A forward slash separates folders on both platforms.
std::wstring TempFolder::File(const std::wstring& name) const {
    return path_ + L"/" + name;
}

std::wstring TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
    const std::wstring path = File(name);
    WriteBytes(path, bytes);
    return path;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write a test file");
    }
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) return bytes;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    return bytes;
}

void SetReadOnly(const std::wstring& path, bool readOnly) {
    using std::filesystem::perms;
    std::filesystem::permissions(
        ToFileSystemPath(path), perms::owner_write | perms::group_write | perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}
