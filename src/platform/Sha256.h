#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// SHA-256 from the platform's cryptography: Windows' CNG, OpenSSL's libcrypto elsewhere. A failure of
// the platform (no provider, no memory) is raised as std::runtime_error.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Update(const void* data, size_t size);
    // The digest of everything given, as 64 lowercase hex digits; the object is used up.
    std::string HexDigest();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The digest of some bytes, 64 lowercase hex digits.
std::string Sha256Hex(std::string_view bytes);

// The digest of a whole file; nothing when it cannot be opened or read.
std::optional<std::string> Sha256OfFile(const std::wstring& path);
