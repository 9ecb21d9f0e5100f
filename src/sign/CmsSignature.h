#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "messages/Message.h"

// A certificate as a signature names its signer.
struct CertificateIdentity {
    std::wstring subject;     // the whole subject, "CN=…, O=…"
    std::wstring commonName;  // its CN; the subject when it has none
    std::wstring issuer;      // the issuer's subject
    std::string serial;       // uppercase hex
    int64_t notBefore = 0;    // seconds since 1970, UTC
    int64_t notAfter = 0;
};

// A signature that could not be made, or a key that could not be used, said as a code (a wrong password,
// a certificate without its private key, an expired one) with the platform's own words beside it.
class SignatureError : public std::runtime_error {
public:
    explicit SignatureError(Message message_)
        : std::runtime_error(MessageKey(message_.code)), message(std::move(message_)) {}
    Message message;
};

// The signer's certificate and private key. Natively from a PKCS #12 file and its password (OpenSSL); on
// Windows from the user's certificate store through CryptoAPI, so that whatever provider holds the key (a
// token, a ГОСТ provider) signs, asking for its own PIN.
class SigningKey {
public:
    ~SigningKey();
    SigningKey(SigningKey&&) noexcept;
    SigningKey& operator=(SigningKey&&) noexcept;

    // Throws SignatureError: the file unreadable, the password wrong, no private key in it.
    static SigningKey FromPkcs12(const std::wstring& path, const std::string& password);
    // The user's certificate whose subject holds `which` (or whose SHA-1 thumbprint it is) and has a
    // private key. Throws SignatureError; natively there is no store (SignatureNoStore).
    static SigningKey FromUserStore(const std::wstring& which);

    const CertificateIdentity& Certificate() const;
    // A detached CMS (PKCS #7) signature of `content`, DER, the signer's certificate included, the digest
    // SHA-256 (ГОСТ Р 34.11-2012 for a ГОСТ key). Throws SignatureError.
    std::string SignDetached(std::string_view content) const;

    struct Impl;

private:
    explicit SigningKey(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// What a detached signature says of `content`.
struct SignatureCheck {
    bool intact = false;   // the signature is over exactly these bytes, by the key of `signer`
    bool trusted = false;  // the signer's certificate chains to a certificate the lab trusts
    bool validAt = false;  // and was valid at the moment asked
    std::optional<CertificateIdentity> signer;
    Message why;  // the first of the three that failed, with the platform's words; empty when all hold
};

// Where the lab's trusted certificates are: a folder of PEM certificates; on Windows, without a folder,
// the system's store of trusted roots.
struct TrustAnchors {
    std::optional<std::wstring> folder;
};

// Checks a detached CMS signature (DER) of `content`. Never throws for a bad signature: that is `why`.
SignatureCheck CheckDetached(std::string_view content, std::string_view signature, const TrustAnchors& trust,
                             int64_t at);
