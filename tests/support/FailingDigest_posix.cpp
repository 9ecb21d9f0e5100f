#include "support/FailingDigest.h"

#include <dlfcn.h>
#include <openssl/evp.h>

#include <atomic>

namespace {
std::atomic<bool> digestFails{false};
}  // namespace

// The program's calls reach this definition before OpenSSL's, which it hands every other call to.
extern "C" int EVP_DigestUpdate(EVP_MD_CTX* context, const void* data, size_t size) {
    if (digestFails) return 0;
    using Update = int (*)(EVP_MD_CTX*, const void*, size_t);
    static const auto real = reinterpret_cast<Update>(dlsym(RTLD_NEXT, "EVP_DigestUpdate"));
    return real(context, data, size);
}

FailingDigest::FailingDigest() {
    digestFails = true;
}

FailingDigest::~FailingDigest() {
    digestFails = false;
}

bool CanMakeDigestsFail() {
    return true;
}
