#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/RegularFile.h"
#include "platform/Sha256.h"

namespace {

// ReadFile takes a 32-bit count.
constexpr size_t kMaxChunk = size_t{1} << 30;

}  // namespace

RegularFile::RegularFile(const std::wstring& path) : handle_(INVALID_HANDLE_VALUE) {
    // Others may go on reading and writing the file, as with the C library's fopen.
    handle_ = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) return;
    // A folder does not open without backup semantics; pipes and devices (NUL, CON, COM1) do, and
    // are told apart from files by their type.
    LARGE_INTEGER size;
    if (GetFileType(handle_) != FILE_TYPE_DISK || !GetFileSizeEx(handle_, &size) || size.QuadPart < 0) {
        Close();
        return;
    }
    size_ = static_cast<uint64_t>(size.QuadPart);
}

RegularFile::~RegularFile() {
    Close();
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)),
      size_(std::exchange(other.size_, 0)),
      position_(std::exchange(other.position_, 0)),
      digest_(std::exchange(other.digest_, nullptr)),
      digestFailed_(std::exchange(other.digestFailed_, false)) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        size_ = std::exchange(other.size_, 0);
        position_ = std::exchange(other.position_, 0);
        digest_ = std::exchange(other.digest_, nullptr);
        digestFailed_ = std::exchange(other.digestFailed_, false);
    }
    return *this;
}

void RegularFile::Close() noexcept {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    size_ = 0;
    position_ = 0;
}

bool RegularFile::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

size_t RegularFile::Read(void* buffer, size_t count) {
    if (!IsOpen()) return 0;
    char* const bytes = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const DWORD wanted = static_cast<DWORD>(std::min(count - done, kMaxChunk));
        const uint64_t at = position_ + done;
        OVERLAPPED offset{};
        offset.Offset = static_cast<DWORD>(at);
        offset.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD got = 0;
        if (!ReadFile(handle_, bytes + done, wanted, &got, &offset) || got == 0) break;
        done += got;
    }
    position_ += done;
    if (done > 0) Feed(bytes, done);
    return done;
}
