#include <windows.h>

#include <bcrypt.h>

#include <stdexcept>
#include <vector>

#include "platform/Sha256.h"

namespace {

bool Succeeded(NTSTATUS status) {
    return status >= 0;
}

}  // namespace

// The algorithm provider and the hash object, closed in reverse order.
struct Sha256::Impl {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    ~Impl() {
        if (hash != nullptr) BCryptDestroyHash(hash);
        if (algorithm != nullptr) BCryptCloseAlgorithmProvider(algorithm, 0);
    }
};

Sha256::Sha256() : impl_(std::make_unique<Impl>()) {
    if (!Succeeded(BCryptOpenAlgorithmProvider(&impl_->algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)) ||
        !Succeeded(BCryptCreateHash(impl_->algorithm, &impl_->hash, nullptr, 0, nullptr, 0, 0)))
        throw std::runtime_error("SHA-256 is not available (CNG)");
}

Sha256::~Sha256() = default;

void Sha256::Update(const void* data, size_t size) {
    // BCryptHashData takes at most 4 GiB at a time.
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ULONG chunk = size > 0x40000000u ? 0x40000000u : static_cast<ULONG>(size);
        if (!Succeeded(BCryptHashData(impl_->hash, const_cast<PUCHAR>(bytes), chunk, 0)))
            throw std::runtime_error("SHA-256 failed");
        bytes += chunk;
        size -= chunk;
    }
}

std::string Sha256::HexDigest() {
    unsigned char digest[32];
    if (!Succeeded(BCryptFinishHash(impl_->hash, digest, sizeof digest, 0)))
        throw std::runtime_error("SHA-256 failed");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 15];
    }
    return hex;
}
