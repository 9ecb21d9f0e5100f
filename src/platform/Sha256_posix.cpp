#include <openssl/evp.h>

#include <stdexcept>

#include "platform/Sha256.h"

struct Sha256::Impl {
    struct Free {
        void operator()(EVP_MD_CTX* digest) const { EVP_MD_CTX_free(digest); }
    };
    std::unique_ptr<EVP_MD_CTX, Free> context{EVP_MD_CTX_new()};
};

Sha256::Sha256() : impl_(std::make_unique<Impl>()) {
    if (!impl_->context || EVP_DigestInit_ex(impl_->context.get(), EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 is not available (OpenSSL)");
}

Sha256::~Sha256() = default;

void Sha256::Update(const void* data, size_t size) {
    if (EVP_DigestUpdate(impl_->context.get(), data, size) != 1) throw std::runtime_error("SHA-256 failed");
}

std::string Sha256::HexDigest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(impl_->context.get(), digest, &length) != 1)
        throw std::runtime_error("SHA-256 failed");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 15];
    }
    return hex;
}
