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
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write a test file");
    }
    return path;
}
