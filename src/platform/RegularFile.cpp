#include "platform/RegularFile.h"

#include <exception>

#include "platform/Sha256.h"

void RegularFile::Feed(const void* bytes, size_t count) noexcept {
    if (digest_ == nullptr) return;
    try {
        digest_->Update(bytes, count);
    } catch (const std::exception&) {
        digest_ = nullptr;
        digestFailed_ = true;
    }
}
