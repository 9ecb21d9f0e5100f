// The Windows half of the signatures, under Wine: keys from the user's certificate store (imported from
// the PKCS #12 files make-test-certificates.sh made, as a lab imports its own), signatures that our check
// accepts and that sign-under-wine.sh then holds against OpenSSL's.
#include <windows.h>

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "messages/Catalogue.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "sign/CmsSignature.h"
#include "support/TempFolder.h"
#include "support/TestCertificates.h"

namespace {

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
    ASSERT_FALSE(TestCertificates().empty()) << "OXY_TEST_CERTIFICATES names no folder";
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
    WriteBytes(TestCertificate(L"wine-statement.json"), kStatement);
    WriteBytes(TestCertificate(L"wine-statement.json.p7s"), signature);

    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const TrustAnchors lab{TestCertificate(L"trust")};
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
    const std::optional<std::string> native = ReadFileBytes(TestCertificate(L"native-statement.json.p7s"));
    const std::optional<std::string> nativeStatement =
        ReadFileBytes(TestCertificate(L"native-statement.json"));
    ASSERT_TRUE(native && nativeStatement);
    EXPECT_TRUE(CheckDetached(*nativeStatement, *native, lab, now).trusted);

    ImportIntoUserStore(L"expired.p12");
    EXPECT_EQ(RefusalOf(L"Сидоров").code, MessageCode::SignatureCertificateNotValidNow);
    EXPECT_EQ(RefusalOf(L"Никто").code, MessageCode::SignatureCertificateNotFound);
}

}  // namespace
