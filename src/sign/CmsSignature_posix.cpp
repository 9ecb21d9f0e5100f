#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "sign/CmsSignature.h"

namespace {

// Owners of OpenSSL's objects, each freed by its own function.
template <typename T, void (*Free)(T*)>
struct Freer {
    void operator()(T* object) const noexcept { Free(object); }
};
template <typename T, void (*Free)(T*)>
using Owned = std::unique_ptr<T, Freer<T, Free>>;

void FreeBio(BIO* bio) {
    BIO_free(bio);
}
void FreeCerts(STACK_OF(X509) * certs) {
    sk_X509_pop_free(certs, X509_free);
}
void FreeCertsShallow(STACK_OF(X509) * certs) {
    sk_X509_free(certs);
}

using BioPtr = Owned<BIO, FreeBio>;
using CertPtr = Owned<X509, X509_free>;
using KeyPtr = Owned<EVP_PKEY, EVP_PKEY_free>;
using CertsPtr = Owned<STACK_OF(X509), FreeCerts>;
using CertsViewPtr = Owned<STACK_OF(X509), FreeCertsShallow>;
using Pkcs12Ptr = Owned<PKCS12, PKCS12_free>;
using CmsPtr = Owned<CMS_ContentInfo, CMS_ContentInfo_free>;
using StorePtr = Owned<X509_STORE, X509_STORE_free>;

// OpenSSL's own words for the errors it queued, the oldest first; the queue is emptied.
std::wstring OpenSslErrors() {
    std::string text;
    while (const unsigned long code = ERR_get_error()) {
        char line[256];
        ERR_error_string_n(code, line, sizeof line);
        if (!text.empty()) text += "; ";
        text += line;
    }
    return FromUtf8(text);
}

// `call` names what failed when OpenSSL queued no words of its own (a password that does not open a file).
[[noreturn]] void Fail(MessageCode code, std::vector<MessageArg> args = {}, const char* call = "OpenSSL") {
    const std::wstring errors = OpenSslErrors();
    args.emplace_back(errors.empty() ? FromUtf8(call) : errors);
    throw SignatureError(Message(code, std::move(args)));
}

BioPtr MemoryBio(std::string_view bytes) {
    BioPtr bio(BIO_new_mem_buf(bytes.data(), static_cast<int>(bytes.size())));
    if (!bio) throw std::bad_alloc();
    return bio;
}

std::wstring NameText(const X509_NAME* name) {
    BioPtr out(BIO_new(BIO_s_mem()));
    if (!out) throw std::bad_alloc();
    // "CN=…, O=…, C=…", the most specific part first, UTF-8 as it is: as Windows shows a name.
    const unsigned long flags =
        (XN_FLAG_RFC2253 & ~XN_FLAG_SEP_MASK & ~ASN1_STRFLGS_ESC_MSB) | XN_FLAG_SEP_CPLUS_SPC;
    X509_NAME_print_ex(out.get(), name, 0, flags);
    char* data = nullptr;
    const long size = BIO_get_mem_data(out.get(), &data);
    return FromUtf8(std::string(data, static_cast<size_t>(size)));
}

std::wstring CommonNameOf(const X509_NAME* name) {
    const int index = X509_NAME_get_index_by_NID(name, NID_commonName, -1);
    if (index < 0) return NameText(name);
    const ASN1_STRING* value = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, index));
    unsigned char* utf8 = nullptr;
    const int length = ASN1_STRING_to_UTF8(&utf8, value);
    if (length < 0) return NameText(name);
    std::wstring text = FromUtf8(std::string(reinterpret_cast<char*>(utf8), static_cast<size_t>(length)));
    OPENSSL_free(utf8);
    return text;
}

int64_t SecondsOf(const ASN1_TIME* time) {
    struct tm parts {};
    if (ASN1_TIME_to_tm(time, &parts) != 1) return 0;
    return static_cast<int64_t>(timegm(&parts));
}

std::string SerialOf(const X509* cert) {
    Owned<BIGNUM, BN_free> number(ASN1_INTEGER_to_BN(X509_get0_serialNumber(cert), nullptr));
    if (!number) return std::string();
    char* hex = BN_bn2hex(number.get());
    std::string text = hex != nullptr ? hex : "";
    OPENSSL_free(hex);
    return text;
}

CertificateIdentity IdentityOf(const X509* cert) {
    CertificateIdentity identity;
    identity.subject = NameText(X509_get_subject_name(cert));
    identity.commonName = CommonNameOf(X509_get_subject_name(cert));
    identity.issuer = NameText(X509_get_issuer_name(cert));
    identity.serial = SerialOf(cert);
    identity.notBefore = SecondsOf(X509_get0_notBefore(cert));
    identity.notAfter = SecondsOf(X509_get0_notAfter(cert));
    return identity;
}

bool ValidAt(const CertificateIdentity& certificate, int64_t at) {
    return certificate.notBefore <= at && at <= certificate.notAfter;
}

// The PEM certificates of the folder's files (*.pem, *.crt, *.cer), each file's every certificate.
StorePtr TrustStore(const std::wstring& folder, Message& why) {
    StorePtr store(X509_STORE_new());
    if (!store) throw std::bad_alloc();
    std::error_code error;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ToFileSystemPath(folder), error)) {
        const std::wstring name = FromFileSystemPath(entry.path());
        const std::optional<std::string> bytes = ReadFileBytes(name);
        if (!bytes) continue;
        BioPtr bio = MemoryBio(*bytes);
        while (CertPtr cert{PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr)}) {
            if (X509_STORE_add_cert(store.get(), cert.get()) == 1) ++count;
        }
        ERR_clear_error();  // the end of a file's certificates is queued as an error
    }
    if (error || count == 0) {
        why = Message(MessageCode::SignatureNoTrustedCertificates, {folder});
        return nullptr;
    }
    return store;
}

}  // namespace

struct SigningKey::Impl {
    CertPtr cert;
    KeyPtr key;
    CertsPtr chain;
    CertificateIdentity identity;
};

SigningKey::SigningKey(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
SigningKey::~SigningKey() = default;
SigningKey::SigningKey(SigningKey&&) noexcept = default;
SigningKey& SigningKey::operator=(SigningKey&&) noexcept = default;

SigningKey SigningKey::FromPkcs12(const std::wstring& path, const std::string& password) {
    ERR_clear_error();
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw SignatureError(Message(MessageCode::SignatureKeyFileUnreadable, {path}));
    BioPtr bio = MemoryBio(*bytes);
    Pkcs12Ptr pkcs12(d2i_PKCS12_bio(bio.get(), nullptr));
    if (!pkcs12) Fail(MessageCode::SignatureKeyFileNotPkcs12, {path});
    if (PKCS12_verify_mac(pkcs12.get(), password.c_str(), static_cast<int>(password.size())) != 1)
        Fail(MessageCode::SignatureWrongPassword, {path}, "PKCS12_verify_mac");
    auto impl = std::make_unique<Impl>();
    EVP_PKEY* key = nullptr;
    X509* cert = nullptr;
    STACK_OF(X509)* chain = nullptr;
    if (PKCS12_parse(pkcs12.get(), password.c_str(), &key, &cert, &chain) != 1)
        Fail(MessageCode::SignatureWrongPassword, {path});
    impl->key.reset(key);
    impl->cert.reset(cert);
    impl->chain.reset(chain);
    // A file of certificates alone holds them all among the others: the key is what it lacks.
    if (!impl->key) Fail(MessageCode::SignatureNoPrivateKey, {path});
    if (!impl->cert) Fail(MessageCode::SignatureNoCertificate, {path});
    if (X509_check_private_key(impl->cert.get(), impl->key.get()) != 1)
        Fail(MessageCode::SignatureNoPrivateKey, {path});
    impl->identity = IdentityOf(impl->cert.get());
    return SigningKey(std::move(impl));
}

SigningKey SigningKey::FromUserStore(const std::wstring&) {
    throw SignatureError(Message(MessageCode::SignatureNoStore));
}

const CertificateIdentity& SigningKey::Certificate() const {
    return impl_->identity;
}

std::string SigningKey::SignDetached(std::string_view content) const {
    ERR_clear_error();
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    if (!ValidAt(impl_->identity, now))
        throw SignatureError(Message(MessageCode::SignatureCertificateNotValidNow,
                                     {impl_->identity.commonName, MessageMoment{impl_->identity.notBefore},
                                      MessageMoment{impl_->identity.notAfter}}));
    BioPtr data = MemoryBio(content);
    CmsPtr cms(CMS_sign(impl_->cert.get(), impl_->key.get(), impl_->chain.get(), data.get(),
                        CMS_DETACHED | CMS_BINARY));
    if (!cms) Fail(MessageCode::SignatureNotMade);
    BioPtr out(BIO_new(BIO_s_mem()));
    if (!out || i2d_CMS_bio(out.get(), cms.get()) != 1) Fail(MessageCode::SignatureNotMade);
    char* der = nullptr;
    const long size = BIO_get_mem_data(out.get(), &der);
    return std::string(der, static_cast<size_t>(size));
}

SignatureCheck CheckDetached(std::string_view content, std::string_view signature, const TrustAnchors& trust,
                             int64_t at) {
    ERR_clear_error();
    SignatureCheck check;
    BioPtr in = MemoryBio(signature);
    CmsPtr cms(d2i_CMS_bio(in.get(), nullptr));
    if (!cms) {
        check.why = Message(MessageCode::SignatureDamaged, {OpenSslErrors()});
        return check;
    }
    // First the signature itself, by the certificate it carries; then who that certificate is.
    BioPtr data = MemoryBio(content);
    check.intact = CMS_verify(cms.get(), nullptr, nullptr, data.get(), nullptr,
                              CMS_BINARY | CMS_NO_SIGNER_CERT_VERIFY) == 1;
    CertsViewPtr signers(CMS_get0_signers(cms.get()));
    if (signers && sk_X509_num(signers.get()) == 1)
        check.signer = IdentityOf(sk_X509_value(signers.get(), 0));
    if (!check.intact || !check.signer) {
        check.intact = false;
        check.why = Message(MessageCode::SignatureNotOverContent, {OpenSslErrors()});
        return check;
    }
    if (!trust.folder) {
        check.why = Message(MessageCode::SignatureNoTrustFolder);
        return check;
    }
    StorePtr store = TrustStore(*trust.folder, check.why);
    if (!store) return check;
    // The chain as it stood when the statement says it was signed.
    X509_VERIFY_PARAM* param = X509_STORE_get0_param(store.get());
    X509_VERIFY_PARAM_set_time(param, static_cast<time_t>(at));
    X509_VERIFY_PARAM_set_purpose(param, X509_PURPOSE_ANY);
    BioPtr again = MemoryBio(content);
    check.trusted = CMS_verify(cms.get(), nullptr, store.get(), again.get(), nullptr, CMS_BINARY) == 1;
    check.validAt = ValidAt(*check.signer, at);
    if (!check.validAt)
        check.why = Message(MessageCode::SignatureCertificateNotValidThen,
                            {check.signer->commonName, MessageMoment{at},
                             MessageMoment{check.signer->notBefore}, MessageMoment{check.signer->notAfter}});
    else if (!check.trusted)
        check.why = Message(MessageCode::SignatureNotTrusted, {check.signer->issuer, OpenSslErrors()});
    return check;
}
