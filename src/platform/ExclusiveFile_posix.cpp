#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "platform/ExclusiveFile.h"
#include "platform/WideText.h"

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// A file without any write bit is what Windows calls read-only. The superuser would be let in
// anyway, so the bits are checked here rather than left to open().
bool IsMarkedReadOnly(int descriptor) {
    struct stat status;
    return fstat(descriptor, &status) != 0 || (status.st_mode & kAnyWriteBit) == 0;
}

}  // namespace

ExclusiveFile::ExclusiveFile(const std::wstring& path, Disposition disposition) : descriptor_(-1) {
    if (path.empty()) return;
    const int flags = O_RDWR | O_CLOEXEC | (disposition == Disposition::OpenOrCreate ? O_CREAT : 0);
    descriptor_ = open(ToUtf8(path).c_str(), flags, 0666);
    if (descriptor_ < 0) return;
    // flock is advisory: it keeps out every other opener that asks for the lock as this class does.
    if (IsMarkedReadOnly(descriptor_) || flock(descriptor_, LOCK_EX | LOCK_NB) != 0) Close();
}

ExclusiveFile::~ExclusiveFile() {
    Close();
}

ExclusiveFile::ExclusiveFile(ExclusiveFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

void ExclusiveFile::Close() noexcept {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = -1;
}

bool ExclusiveFile::IsOpen() const {
    return descriptor_ >= 0;
}

bool ExclusiveFile::ReadAll(std::string& bytes) {
    struct stat status;
    if (!IsOpen() || fstat(descriptor_, &status) != 0 || status.st_size < 0) return false;
    bytes.assign(static_cast<size_t>(status.st_size), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            pread(descriptor_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return true;
}

bool ExclusiveFile::WriteAt(int64_t offset, std::string_view bytes) {
    if (!IsOpen() || offset < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = pwrite(descriptor_, bytes.data() + done, bytes.size() - done,
                                       static_cast<off_t>(offset + static_cast<int64_t>(done)));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

bool ExclusiveFile::SetLength(int64_t length) {
    return IsOpen() && length >= 0 && ftruncate(descriptor_, static_cast<off_t>(length)) == 0;
}
