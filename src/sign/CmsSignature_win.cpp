#include <windows.h>

#include <wincrypt.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"
#include "sign/CmsSignature.h"
#include "sign/UserCertificates_win.h"
#include "tables/NameCompare.h"

namespace {

constexpr DWORD kEncoding = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;

struct ChainFreer {
    void operator()(PCCERT_CHAIN_CONTEXT chain) const noexcept { CertFreeCertificateChain(chain); }
};
using ChainPtr = std::unique_ptr<const CERT_CHAIN_CONTEXT, ChainFreer>;
struct MsgCloser {
    void operator()(HCRYPTMSG message) const noexcept { CryptMsgClose(message); }
};
using MsgPtr = std::unique_ptr<void, MsgCloser>;

std::wstring LastErrorText() {
    return SystemErrorText(GetLastError());
}

int64_t SecondsOf(const FILETIME& time) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<int64_t>(ticks / 10000000ULL) - 11644473600LL;
}

FILETIME FileTimeOf(int64_t seconds) {
    const ULONGLONG ticks = static_cast<ULONGLONG>(seconds + 11644473600LL) * 10000000ULL;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// "CN=…, O=…, C=…": the most specific part first, as OpenSSL's reversed form shows it.
std::wstring NameText(const CERT_NAME_BLOB& name) {
    CERT_NAME_BLOB blob = name;
    const DWORD flags = CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG;
    const DWORD size = CertNameToStrW(X509_ASN_ENCODING, &blob, flags, nullptr, 0);
    std::wstring text(size, L'\0');
    CertNameToStrW(X509_ASN_ENCODING, &blob, flags, text.data(), size);
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::wstring CommonNameOf(PCCERT_CONTEXT cert) {
    wchar_t name[512];
    const DWORD size =
        CertGetNameStringW(cert, CERT_NAME_ATTR_TYPE, 0, const_cast<char*>(szOID_COMMON_NAME), name, 512);
    return size > 1 ? std::wstring(name) : NameText(cert->pCertInfo->Subject);
}

// Big-endian hex, uppercase, without leading zero bytes: as OpenSSL prints a serial.
std::string SerialOf(PCCERT_CONTEXT cert) {
    const CRYPT_INTEGER_BLOB& serial = cert->pCertInfo->SerialNumber;
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (DWORD i = serial.cbData; i-- > 0;) {
        const BYTE byte = serial.pbData[i];
        if (text.empty() && byte == 0 && i > 0) continue;
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}

CertificateIdentity IdentityOf(PCCERT_CONTEXT cert) {
    CertificateIdentity identity;
    identity.subject = NameText(cert->pCertInfo->Subject);
    identity.commonName = CommonNameOf(cert);
    identity.issuer = NameText(cert->pCertInfo->Issuer);
    identity.serial = SerialOf(cert);
    identity.notBefore = SecondsOf(cert->pCertInfo->NotBefore);
    identity.notAfter = SecondsOf(cert->pCertInfo->NotAfter);
    return identity;
}

bool ValidAt(const CertificateIdentity& certificate, int64_t at) {
    return certificate.notBefore <= at && at <= certificate.notAfter;
}

StorePtr OpenUserStore() {
    return StorePtr(CertOpenStore(
        CERT_STORE_PROV_SYSTEM_W, 0, 0,
        CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_OPEN_EXISTING_FLAG | CERT_STORE_READONLY_FLAG, L"MY"));
}

bool HasPrivateKey(PCCERT_CONTEXT cert) {
    DWORD size = 0;
    return CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size) ||
           CertGetCertificateContextProperty(cert, CERT_KEY_CONTEXT_PROP_ID, nullptr, &size);
}

bool Matches(PCCERT_CONTEXT cert, const std::wstring& which) {
    std::string thumbprint;
    for (const wchar_t c : which) {
        if (c != L' ') thumbprint += static_cast<char>(std::towlower(c));
    }
    if (thumbprint == ThumbprintOf(cert)) return true;
    std::wstring subject = NameText(cert->pCertInfo->Subject);
    std::wstring part = which;
    for (wchar_t& c : subject) c = FoldCase(c);
    for (wchar_t& c : part) c = FoldCase(c);
    return !part.empty() && subject.find(part) != std::wstring::npos;
}

// A key imported from a PKCS #12 file sits in the RSA "full" provider, which has no SHA-256: the same
// key container through the AES provider signs with it. Other providers (a token's, a ГОСТ one) are kept.
void PreferAesProvider(PCCERT_CONTEXT cert) {
    DWORD size = 0;
    if (!CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size)) return;
    std::vector<BYTE> buffer(size);
    auto* info = reinterpret_cast<CRYPT_KEY_PROV_INFO*>(buffer.data());
    if (!CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, info, &size)) return;
    if (info->dwProvType != PROV_RSA_FULL || info->pwszProvName == nullptr ||
        std::wstring(info->pwszProvName) != MS_ENHANCED_PROV_W)
        return;
    CRYPT_KEY_PROV_INFO aes = *info;
    aes.pwszProvName = const_cast<wchar_t*>(MS_ENH_RSA_AES_PROV_W);
    aes.dwProvType = PROV_RSA_AES;
    aes.dwKeySpec = AT_KEYEXCHANGE;  // an imported key exchanges and signs
    CertSetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, 0, &aes);
}

const char* HashFor(PCCERT_CONTEXT cert) {
    const std::string key = cert->pCertInfo->SubjectPublicKeyInfo.Algorithm.pszObjId;
    if (key == "1.2.643.7.1.1.1.1") return "1.2.643.7.1.1.2.2";  // ГОСТ Р 34.10-2012 256: 34.11-2012 256
    if (key == "1.2.643.7.1.1.1.2") return "1.2.643.7.1.1.2.3";  // 512 bits: 34.11-2012 512
    return szOID_NIST_sha256;
}

std::vector<BYTE> MessageParam(HCRYPTMSG message, DWORD param) {
    DWORD size = 0;
    if (!CryptMsgGetParam(message, param, 0, nullptr, &size)) return {};
    std::vector<BYTE> value(size);
    if (!CryptMsgGetParam(message, param, 0, value.data(), &size)) return {};
    value.resize(size);
    return value;
}

// Whether the digest of the content is the one the signed attributes name. The signature covers the
// attributes; that they name this content is a check of its own, which Wine's CryptVerifyDetached-
// MessageSignature leaves out: it is made here whatever the system does.
bool DigestMatches(std::string_view signature, std::string_view content) {
    MsgPtr message(CryptMsgOpenToDecode(kEncoding, CMSG_DETACHED_FLAG, 0, 0, nullptr, nullptr));
    if (!message ||
        !CryptMsgUpdate(message.get(), reinterpret_cast<const BYTE*>(signature.data()),
                        static_cast<DWORD>(signature.size()), TRUE) ||
        !CryptMsgUpdate(message.get(), reinterpret_cast<const BYTE*>(content.data()),
                        static_cast<DWORD>(content.size()), TRUE))
        return false;
    const std::vector<BYTE> computed = MessageParam(message.get(), CMSG_COMPUTED_HASH_PARAM);
    const std::vector<BYTE> attributes = MessageParam(message.get(), CMSG_SIGNER_AUTH_ATTR_PARAM);
    if (computed.empty() || attributes.empty()) return false;
    const auto* list = reinterpret_cast<const CRYPT_ATTRIBUTES*>(attributes.data());
    for (DWORD i = 0; i < list->cAttr; ++i) {
        const CRYPT_ATTRIBUTE& attribute = list->rgAttr[i];
        if (std::string(attribute.pszObjId) != szOID_RSA_messageDigest || attribute.cValue != 1) continue;
        DWORD size = 0;
        const CRYPT_ATTR_BLOB& value = attribute.rgValue[0];
        if (!CryptDecodeObject(X509_ASN_ENCODING, X509_OCTET_STRING, value.pbData, value.cbData, 0, nullptr,
                               &size))
            return false;
        std::vector<BYTE> decoded(size);
        if (!CryptDecodeObject(X509_ASN_ENCODING, X509_OCTET_STRING, value.pbData, value.cbData, 0,
                               decoded.data(), &size))
            return false;
        const auto* digest = reinterpret_cast<const CRYPT_DATA_BLOB*>(decoded.data());
        return digest->cbData == computed.size() &&
               std::equal(computed.begin(), computed.end(), digest->pbData);
    }
    return false;
}

// The folder's PEM certificates, each file's every one, in a store of memory.
StorePtr FolderStore(const std::wstring& folder, Message& why) {
    StorePtr store(CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr));
    if (!store) throw std::bad_alloc();
    std::error_code error;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ToFileSystemPath(folder), error)) {
        const std::optional<std::string> bytes = ReadFileBytes(FromFileSystemPath(entry.path()));
        if (!bytes) continue;
        const std::string begin = "-----BEGIN CERTIFICATE-----";
        const std::string end = "-----END CERTIFICATE-----";
        for (size_t at = bytes->find(begin); at != std::string::npos; at = bytes->find(begin, at + 1)) {
            const size_t stop = bytes->find(end, at);
            if (stop == std::string::npos) break;
            const std::string pem = bytes->substr(at, stop + end.size() - at);
            DWORD size = 0;
            if (!CryptStringToBinaryA(pem.c_str(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                                      nullptr, &size, nullptr, nullptr))
                continue;
            std::vector<BYTE> der(size);
            if (CryptStringToBinaryA(pem.c_str(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                                     der.data(), &size, nullptr, nullptr) &&
                CertAddEncodedCertificateToStore(store.get(), X509_ASN_ENCODING, der.data(), size,
                                                 CERT_STORE_ADD_USE_EXISTING, nullptr))
                ++count;
        }
    }
    if (error || count == 0) {
        why = Message(MessageCode::SignatureNoTrustedCertificates, {folder});
        return nullptr;
    }
    return store;
}

// Whether the signer's chain, as it stood at `at`, ends in a root the lab trusts: one of the folder's,
// or without a folder one of the system's trusted roots. Revocation that cannot be checked offline is
// not held against it.
bool Chained(PCCERT_CONTEXT signer, HCERTSTORE folder, int64_t at, std::wstring& why) {
    FILETIME then = FileTimeOf(at);
    CERT_CHAIN_PARA para{};
    para.cbSize = sizeof para;
    PCCERT_CHAIN_CONTEXT raw = nullptr;
    if (!CertGetCertificateChain(nullptr, signer, &then, folder, &para, 0, nullptr, &raw)) {
        why = LastErrorText();
        return false;
    }
    ChainPtr chain(raw);
    DWORD errors = chain->TrustStatus.dwErrorStatus &
                   ~(CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION);
    if (folder != nullptr && chain->cChain > 0 && chain->rgpChain[0]->cElement > 0) {
        const CERT_SIMPLE_CHAIN* simple = chain->rgpChain[0];
        PCCERT_CONTEXT root = simple->rgpElement[simple->cElement - 1]->pCertContext;
        const bool rootInFolder = CertFindCertificateInStore(folder, X509_ASN_ENCODING, 0, CERT_FIND_EXISTING,
                                                             root, nullptr) != nullptr;
        if (rootInFolder) errors &= ~CERT_TRUST_IS_UNTRUSTED_ROOT;
    }
    if (errors != 0) why = L"CERT_TRUST " + std::to_wstring(errors);
    return errors == 0;
}

}  // namespace

struct SigningKey::Impl {
    StorePtr store;  // a copy in memory, whose provider may be changed
    CertPtr cert;
    CertificateIdentity identity;
};

SigningKey::SigningKey(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
SigningKey::~SigningKey() = default;
SigningKey::SigningKey(SigningKey&&) noexcept = default;
SigningKey& SigningKey::operator=(SigningKey&&) noexcept = default;

SigningKey SigningKey::FromPkcs12(const std::wstring&, const std::string&) {
    // On Windows the key is the store's: a PKCS #12 file is imported into it once, by the user.
    throw SignatureError(Message(MessageCode::SignatureUseStore));
}

SigningKey SigningKey::FromUserStore(const std::wstring& which) {
    const StorePtr my = OpenUserStore();
    if (!my) throw SignatureError(Message(MessageCode::SignatureCertificateNotFound, {which}));
    CertPtr found;
    const int64_t now = SecondsOf([] {
        FILETIME time{};
        GetSystemTimeAsFileTime(&time);
        return time;
    }());
    for (PCCERT_CONTEXT cert = nullptr; (cert = CertEnumCertificatesInStore(my.get(), cert)) != nullptr;) {
        if (!Matches(cert, which) || !HasPrivateKey(cert)) continue;
        // Of several (a renewed certificate beside the old one) the newest valid now.
        const CertificateIdentity identity = IdentityOf(cert);
        const bool better =
            !found || (ValidAt(identity, now) && (!ValidAt(IdentityOf(found.get()), now) ||
                                                  identity.notBefore > IdentityOf(found.get()).notBefore));
        if (better) found.reset(CertDuplicateCertificateContext(cert));
    }
    if (!found) throw SignatureError(Message(MessageCode::SignatureCertificateNotFound, {which}));
    auto impl = std::make_unique<Impl>();
    impl->store.reset(CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr));
    PCCERT_CONTEXT copy = nullptr;
    if (!impl->store ||
        !CertAddCertificateContextToStore(impl->store.get(), found.get(), CERT_STORE_ADD_ALWAYS, &copy))
        throw SignatureError(Message(MessageCode::SignatureNotMade, {LastErrorText()}));
    impl->cert.reset(copy);
    PreferAesProvider(impl->cert.get());
    impl->identity = IdentityOf(impl->cert.get());
    return SigningKey(std::move(impl));
}

const CertificateIdentity& SigningKey::Certificate() const {
    return impl_->identity;
}

std::string SigningKey::SignDetached(std::string_view content) const {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    if (!ValidAt(impl_->identity, SecondsOf(now)))
        throw SignatureError(Message(MessageCode::SignatureCertificateNotValidNow,
                                     {impl_->identity.commonName, MessageMoment{impl_->identity.notBefore},
                                      MessageMoment{impl_->identity.notAfter}}));
    // The signing time among the signed attributes, as OpenSSL puts it there.
    DWORD timeSize = 0;
    CryptEncodeObject(X509_ASN_ENCODING, szOID_RSA_signingTime, &now, nullptr, &timeSize);
    std::vector<BYTE> encodedTime(timeSize);
    if (!CryptEncodeObject(X509_ASN_ENCODING, szOID_RSA_signingTime, &now, encodedTime.data(), &timeSize))
        throw SignatureError(Message(MessageCode::SignatureNotMade, {LastErrorText()}));
    CRYPT_ATTR_BLOB timeBlob{timeSize, encodedTime.data()};
    CRYPT_ATTRIBUTE signingTime{const_cast<char*>(szOID_RSA_signingTime), 1, &timeBlob};

    PCCERT_CONTEXT cert = impl_->cert.get();
    CRYPT_SIGN_MESSAGE_PARA para{};
    para.cbSize = sizeof para;
    para.dwMsgEncodingType = kEncoding;
    para.pSigningCert = cert;
    para.HashAlgorithm.pszObjId = const_cast<char*>(HashFor(cert));
    para.cMsgCert = 1;
    para.rgpMsgCert = &cert;
    para.cAuthAttr = 1;
    para.rgAuthAttr = &signingTime;
    const BYTE* parts[] = {reinterpret_cast<const BYTE*>(content.data())};
    DWORD sizes[] = {static_cast<DWORD>(content.size())};
    DWORD size = 0;
    if (!CryptSignMessage(&para, TRUE, 1, parts, sizes, nullptr, &size))
        throw SignatureError(Message(MessageCode::SignatureNotMade, {LastErrorText()}));
    std::string der(size, '\0');
    if (!CryptSignMessage(&para, TRUE, 1, parts, sizes, reinterpret_cast<BYTE*>(der.data()), &size))
        throw SignatureError(Message(MessageCode::SignatureNotMade, {LastErrorText()}));
    der.resize(size);
    return der;
}

SignatureCheck CheckDetached(std::string_view content, std::string_view signature, const TrustAnchors& trust,
                             int64_t at) {
    SignatureCheck check;
    const auto* der = reinterpret_cast<const BYTE*>(signature.data());
    const DWORD derSize = static_cast<DWORD>(signature.size());
    if (CryptGetMessageSignerCount(kEncoding, der, derSize) != 1) {
        check.why = Message(MessageCode::SignatureDamaged, {LastErrorText()});
        return check;
    }
    CRYPT_VERIFY_MESSAGE_PARA para{};
    para.cbSize = sizeof para;
    para.dwMsgAndCertEncodingType = kEncoding;
    const BYTE* parts[] = {reinterpret_cast<const BYTE*>(content.data())};
    DWORD sizes[] = {static_cast<DWORD>(content.size())};
    PCCERT_CONTEXT rawSigner = nullptr;
    check.intact =
        CryptVerifyDetachedMessageSignature(&para, 0, der, derSize, 1, parts, sizes, &rawSigner) != 0;
    CertPtr signer(rawSigner);
    if (check.intact && !DigestMatches(signature, content)) {
        check.intact = false;
        SetLastError(static_cast<DWORD>(CRYPT_E_HASH_VALUE));
    }
    if (!check.intact || !signer) {
        check.intact = false;
        check.why = Message(MessageCode::SignatureNotOverContent, {LastErrorText()});
        return check;
    }
    check.signer = IdentityOf(signer.get());
    StorePtr folder;
    if (trust.folder) {
        folder = FolderStore(*trust.folder, check.why);
        if (!folder) return check;
    }
    std::wstring chainWhy;
    check.trusted = Chained(signer.get(), folder.get(), at, chainWhy);
    check.validAt = ValidAt(*check.signer, at);
    if (!check.validAt)
        check.why = Message(MessageCode::SignatureCertificateNotValidThen,
                            {check.signer->commonName, MessageMoment{at},
                             MessageMoment{check.signer->notBefore}, MessageMoment{check.signer->notAfter}});
    else if (!check.trusted)
        check.why = Message(MessageCode::SignatureNotTrusted, {check.signer->issuer, chainWhy});
    return check;
}

StorePtr SigningCertificatesOfUser(int& count) {
    count = 0;
    StorePtr choice(CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr));
    const StorePtr my = OpenUserStore();
    if (!choice || !my) return choice;
    for (PCCERT_CONTEXT cert = nullptr; (cert = CertEnumCertificatesInStore(my.get(), cert)) != nullptr;) {
        if (HasPrivateKey(cert) && CertVerifyTimeValidity(nullptr, cert->pCertInfo) == 0 &&
            CertAddCertificateContextToStore(choice.get(), cert, CERT_STORE_ADD_ALWAYS, nullptr))
            ++count;
    }
    return choice;
}

std::string ThumbprintOf(PCCERT_CONTEXT cert) {
    BYTE hash[20];
    DWORD size = sizeof hash;
    if (!CertGetCertificateContextProperty(cert, CERT_SHA1_HASH_PROP_ID, hash, &size)) return std::string();
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (DWORD i = 0; i < size; ++i) {
        text += kHex[hash[i] >> 4];
        text += kHex[hash[i] & 15];
    }
    return text;
}
