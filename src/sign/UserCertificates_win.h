#pragma once

// The Windows half of the signatures, for the windows that let a user choose a certificate.
#include <windows.h>

#include <wincrypt.h>

#include <memory>
#include <string>

struct StoreCloser {
    void operator()(HCERTSTORE store) const noexcept { CertCloseStore(store, 0); }
};
struct CertFreer {
    void operator()(PCCERT_CONTEXT cert) const noexcept { CertFreeCertificateContext(cert); }
};
using StorePtr = std::unique_ptr<void, StoreCloser>;
using CertPtr = std::unique_ptr<const CERT_CONTEXT, CertFreer>;

// The user's certificates that can sign now: those of the user's store with their private keys (a token's
// among them while it is attached), valid now, copied into a store in memory; `count` of them. Empty when
// there are none or the user's store does not open.
StorePtr SigningCertificatesOfUser(int& count);

// A certificate's SHA-1 thumbprint in lowercase hex, as SigningKey::FromUserStore takes it.
std::string ThumbprintOf(PCCERT_CONTEXT cert);
