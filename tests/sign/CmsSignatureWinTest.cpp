// The Windows half of the signatures, under Wine: keys from the user's certificate store (imported from
// the PKCS #12 files make-test-certificates.sh made, as a lab imports its own), signatures that our check
// accepts and that sign-under-wine.sh then holds against OpenSSL's.
#include <windows.h>

#include <gtest/gtest.h>
#include <wincrypt.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "messages/Catalogue.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "sign/CmsSignature.h"
#include "support/TempFolder.h"

namespace {

std::wstring Certificates() {
    const wchar_t* folder = _wgetenv(L"OXY_TEST_CERTIFICATES");
    return folder != nullptr ? folder : L"";
}

std::wstring File(const std::wstring& name) {
    return Certificates() + L"\\" + name;
}

// As a lab imports a key file into the user's store once.
void ImportIntoUserStore(const std::wstring& pfx) {
    const std::optional<std::string> bytes = ReadFileBytes(File(pfx));
    ASSERT_TRUE(bytes) << ToUtf8(File(pfx));
    CRYPT_DATA_BLOB blob{static_cast<DWORD>(bytes->size()),
                         reinterpret_cast<BYTE*>(const_cast<char*>(bytes->data()))};
    HCERTSTORE imported = PFXImportCertStore(&blob, L"secret", CRYPT_USER_KEYSET);
    ASSERT_NE(imported, nullptr) << GetLastError();
    HCERTSTORE my = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"MY");
    ASSERT_NE(my, nullptr);
    for (PCCERT_CONTEXT cert = nullptr; (cert = CertEnumCertificatesInStore(imported, cert)) != nullptr;) {
        // Certificates of the same person left by an earlier run (another CA's, made anew) go first.
        while (PCCERT_CONTEXT old = CertFindCertificateInStore(
                   my, X509_ASN_ENCODING, 0, CERT_FIND_SUBJECT_NAME, &cert->pCertInfo->Subject, nullptr))
            CertDeleteCertificateFromStore(old);
        DWORD size = 0;
        if (CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size)) {
            EXPECT_TRUE(CertAddCertificateContextToStore(my, cert, CERT_STORE_ADD_REPLACE_EXISTING, nullptr));
        }
    }
    EXPECT_TRUE(CertControlStore(my, 0, CERT_STORE_CTRL_COMMIT, nullptr)) << GetLastError();
    CertCloseStore(my, 0);
    CertCloseStore(imported, 0);
}

Message RefusalOf(const std::wstring& which) {
    try {
        SigningKey::FromUserStore(which).SignDetached("x");
    } catch (const SignatureError& error) {
        return error.message;
    }
    return Message();
}

const std::string kStatement = "{\"report_number\": \"ОХ-2026-00017\"}\n";

TEST(CmsSignatureWindows, SignsWithTheStoresKeyAndChecksAgainstTheLabsCertificates) {
    ASSERT_FALSE(Certificates().empty()) << "OXY_TEST_CERTIFICATES names no folder";
    // Wine keeps every imported key in one container: each key file is imported just before its use.
    ImportIntoUserStore(L"ivanova.p12");

    const SigningKey key = SigningKey::FromUserStore(L"Иванова");
    EXPECT_EQ(key.Certificate().commonName, L"Иванова Анна Андреевна");
    EXPECT_EQ(key.Certificate().subject, L"CN=Иванова Анна Андреевна, O=Лаборатория, C=RU");
    std::string signature;
    try {
        signature = key.SignDetached(kStatement);
    } catch (const SignatureError& error) {
        FAIL() << ToUtf8(Render(error.message, Language::English));
    }
    // For OpenSSL to check after this program ends.
    WriteBytes(File(L"wine-statement.json"), kStatement);
    WriteBytes(File(L"wine-statement.json.p7s"), signature);

    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const TrustAnchors lab{File(L"trust")};
    const SignatureCheck good = CheckDetached(kStatement, signature, lab, now);
    EXPECT_TRUE(good.intact && good.trusted && good.validAt) << ToUtf8(Render(good.why, Language::English));
    ASSERT_TRUE(good.signer);
    EXPECT_EQ(good.signer->serial, key.Certificate().serial);

    std::string changed = kStatement;
    changed[5] = 'X';
    EXPECT_EQ(CheckDetached(changed, signature, lab, now).why.code, MessageCode::SignatureNotOverContent);
    EXPECT_EQ(CheckDetached(kStatement, signature.substr(0, 40), lab, now).why.code,
              MessageCode::SignatureDamaged);
    // The system's roots do not hold the lab's CA.
    EXPECT_FALSE(CheckDetached(kStatement, signature, TrustAnchors{}, now).trusted);

    // A signature OpenSSL made is checked alike.
    const std::optional<std::string> native = ReadFileBytes(File(L"native-statement.json.p7s"));
    const std::optional<std::string> nativeStatement = ReadFileBytes(File(L"native-statement.json"));
    ASSERT_TRUE(native && nativeStatement);
    EXPECT_TRUE(CheckDetached(*nativeStatement, *native, lab, now).trusted);

    ImportIntoUserStore(L"expired.p12");
    EXPECT_EQ(RefusalOf(L"Сидоров").code, MessageCode::SignatureCertificateNotValidNow);
    EXPECT_EQ(RefusalOf(L"Никто").code, MessageCode::SignatureCertificateNotFound);
}

}  // namespace
