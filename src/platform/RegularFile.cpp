#include "platform/RegularFile.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "platform/Sha256.h"

namespace {

// What a skip read through a digest reads at a time: small enough to cost no memory worth the name,
// large enough to cost no time.
constexpr size_t kSkipChunk = size_t{1} << 16;

}  // namespace

bool RegularFile::Skip(uint64_t count) {
    if (!IsOpen() || count > size_ - std::min(position_, size_)) return false;
    if (digest_ != nullptr) return ReadPast(count);
    position_ += count;
    return true;
}

bool RegularFile::ReadPast(uint64_t count) {
    const std::unique_ptr<char[]> chunk(new char[kSkipChunk]);
    while (count > 0) {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(count, kSkipChunk));
        if (Read(chunk.get(), wanted) != wanted) return false;
        count -= wanted;
    }
    return true;
}

void RegularFile::Feed(const void* bytes, size_t count) noexcept {
    if (digest_ == nullptr) return;
    try {
        digest_->Update(bytes, count);
    } catch (const std::exception&) {
        digest_ = nullptr;
        digestFailed_ = true;
    }
}
