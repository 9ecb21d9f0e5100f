#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/ExclusiveFile.h"

namespace {

// ReadFile and WriteFile take 32-bit counts.
constexpr size_t kMaxChunk = 1u << 30;

bool Seek(HANDLE handle, int64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle, distance, nullptr, FILE_BEGIN) != 0;
}

// Windows refuses write access to a read-only file by itself; Wine run by a superuser does not, so
// the attribute is checked as well.
bool IsMarkedReadOnly(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information;
    return !GetFileInformationByHandle(handle, &information) ||
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

ExclusiveFile::ExclusiveFile(const std::wstring& path, Disposition disposition)
    : handle_(INVALID_HANDLE_VALUE) {
    if (path.empty()) return;
    // Share mode 0: nobody else may open the file while it is held.
    handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          disposition == Disposition::OpenOrCreate ? OPEN_ALWAYS : OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ != INVALID_HANDLE_VALUE && IsMarkedReadOnly(handle_)) Close();
}

ExclusiveFile::~ExclusiveFile() {
    Close();
}

ExclusiveFile::ExclusiveFile(ExclusiveFile&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
}

void ExclusiveFile::Close() noexcept {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

bool ExclusiveFile::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

bool ExclusiveFile::ReadAll(std::string& bytes) {
    LARGE_INTEGER size;
    if (!IsOpen() || !GetFileSizeEx(handle_, &size) || !Seek(handle_, 0)) return false;
    if (static_cast<unsigned long long>(size.QuadPart) >= SIZE_MAX / 2) return false;
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD got = 0;
        if (!ReadFile(handle_, bytes.data() + done, wanted, &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool ExclusiveFile::WriteAt(int64_t offset, std::string_view bytes) {
    if (!IsOpen() || offset < 0 || !Seek(handle_, offset)) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data() + done, wanted, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool ExclusiveFile::SetLength(int64_t length) {
    return IsOpen() && length >= 0 && Seek(handle_, length) && SetEndOfFile(handle_) != 0;
}
