#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/RegularFile.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"

namespace {

// Linux moves at most this much in one read call; larger requests are split.
constexpr size_t kMaxChunk = size_t{1} << 30;

}  // namespace

RegularFile::RegularFile(const std::wstring& path) : descriptor_(-1) {
    // O_NONBLOCK lets the open of a FIFO return at once instead of waiting for a writer; the file
    // is then refused below. It is switched off again for a regular file.
    descriptor_ = open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor_ < 0) return;
    struct stat status;
    if (fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) {
        Close();
        return;
    }
    const int flags = fcntl(descriptor_, F_GETFL);
    if (flags < 0 || fcntl(descriptor_, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        Close();
        return;
    }
    size_ = static_cast<uint64_t>(status.st_size);
}

RegularFile::~RegularFile() {
    Close();
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      size_(std::exchange(other.size_, 0)),
      position_(std::exchange(other.position_, 0)),
      digest_(std::exchange(other.digest_, nullptr)),
      digestFailed_(std::exchange(other.digestFailed_, false)) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        size_ = std::exchange(other.size_, 0);
        position_ = std::exchange(other.position_, 0);
        digest_ = std::exchange(other.digest_, nullptr);
        digestFailed_ = std::exchange(other.digestFailed_, false);
    }
    return *this;
}

void RegularFile::Close() noexcept {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = -1;
    size_ = 0;
    position_ = 0;
}

bool RegularFile::IsOpen() const {
    return descriptor_ >= 0;
}

size_t RegularFile::Read(void* buffer, size_t count) {
    if (!IsOpen()) return 0;
    char* const bytes = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t got = pread(descriptor_, bytes + done, std::min(count - done, kMaxChunk),
                                  static_cast<off_t>(position_ + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    position_ += done;
    if (done > 0) Feed(bytes, done);
    return done;
}
