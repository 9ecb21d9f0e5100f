#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "messages/Catalogue.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "sign/CmsSignature.h"
#include "sign/ReportSignature.h"
#include "support/TempFolder.h"

namespace {

// The certificates of make-test-certificates.sh, made once for the tests of this file.
class CmsSignatureTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder();
        const std::string command =
            std::string("'") + OXY_TEST_CERTIFICATES_SCRIPT + "' '" + ToUtf8(folder_->Path()) + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static std::wstring File(const std::wstring& name) { return folder_->File(name); }
    static TrustAnchors LabTrust() { return {File(L"trust")}; }
    static int64_t Now() { return static_cast<int64_t>(std::time(nullptr)); }

    static Message RefusalOf(const std::wstring& file, const std::string& password) {
        try {
            SigningKey::FromPkcs12(File(file), password);
        } catch (const SignatureError& error) {
            return error.message;
        }
        return Message();
    }

    static TempFolder* folder_;
};

TempFolder* CmsSignatureTest::folder_ = nullptr;

const std::string kStatement = "{\"report_number\": \"ОХ-2026-00017\"}\n";

TEST_F(CmsSignatureTest, ASignatureHoldsForItsContentAloneAndNamesItsSigner) {
    const SigningKey key = SigningKey::FromPkcs12(File(L"ivanova.p12"), "secret");
    EXPECT_EQ(key.Certificate().commonName, L"Иванова Анна Андреевна");
    EXPECT_EQ(key.Certificate().subject, L"CN=Иванова Анна Андреевна, O=Лаборатория, C=RU");
    const std::string signature = key.SignDetached(kStatement);

    const SignatureCheck good = CheckDetached(kStatement, signature, LabTrust(), Now());
    EXPECT_TRUE(good.intact && good.trusted && good.validAt) << ToUtf8(Render(good.why, Language::English));
    ASSERT_TRUE(good.signer);
    EXPECT_EQ(good.signer->issuer, L"CN=Лаборатория\\, УЦ, O=Лаборатория, C=RU");

    // One byte of the statement changed, or of the signature: not intact.
    std::string changed = kStatement;
    changed[5] = 'X';
    EXPECT_FALSE(CheckDetached(changed, signature, LabTrust(), Now()).intact);
    EXPECT_EQ(CheckDetached(changed, signature, LabTrust(), Now()).why.code,
              MessageCode::SignatureNotOverContent);
    std::string damaged = signature;
    damaged.resize(damaged.size() / 2);
    EXPECT_EQ(CheckDetached(kStatement, damaged, LabTrust(), Now()).why.code, MessageCode::SignatureDamaged);

    // A tool we did not write agrees.
    const std::wstring content = folder_->Write(L"statement.json", kStatement);
    const std::wstring p7s = folder_->Write(L"statement.json.p7s", signature);
    const std::string verify = "openssl cms -verify -binary -inform DER -purpose any -in '" + ToUtf8(p7s) +
                               "' -content '" + ToUtf8(content) + "' -CAfile '" +
                               ToUtf8(File(L"lab-ca.pem")) + "' -out /dev/null 2>/dev/null";
    EXPECT_EQ(std::system(verify.c_str()), 0);
}

TEST_F(CmsSignatureTest, ASignerTheLabDoesNotTrustOrWhoseCertificateRanOutIsToldAsSuch) {
    const std::string strangers =
        SigningKey::FromPkcs12(File(L"stranger.p12"), "secret").SignDetached(kStatement);
    const SignatureCheck stranger = CheckDetached(kStatement, strangers, LabTrust(), Now());
    EXPECT_TRUE(stranger.intact);
    EXPECT_FALSE(stranger.trusted);
    EXPECT_EQ(stranger.why.code, MessageCode::SignatureNotTrusted);
    EXPECT_EQ(CheckDetached(kStatement, strangers, TrustAnchors{}, Now()).why.code,
              MessageCode::SignatureNoTrustFolder);
    EXPECT_EQ(CheckDetached(kStatement, strangers, {File(L"db-missing")}, Now()).why.code,
              MessageCode::SignatureNoTrustedCertificates);

    // An expired certificate signs nothing; a signature made while it was valid is judged at its time.
    const SigningKey expired = SigningKey::FromPkcs12(File(L"expired.p12"), "secret");
    try {
        expired.SignDetached(kStatement);
        ADD_FAILURE() << "an expired certificate signed";
    } catch (const SignatureError& error) {
        EXPECT_EQ(error.message.code, MessageCode::SignatureCertificateNotValidNow);
    }
}

TEST_F(CmsSignatureTest, AKeyFileThatCannotSignIsRefusedNamingWhy) {
    EXPECT_EQ(RefusalOf(L"ivanova.p12", "wrong").code, MessageCode::SignatureWrongPassword);
    EXPECT_EQ(RefusalOf(L"no-key.p12", "secret").code, MessageCode::SignatureNoPrivateKey);
    EXPECT_EQ(RefusalOf(L"lab-ca.pem", "secret").code, MessageCode::SignatureKeyFileNotPkcs12);
    EXPECT_EQ(RefusalOf(L"absent.p12", "secret").code, MessageCode::SignatureKeyFileUnreadable);
}

}  // namespace

// A report's signature holds only while every file is as signed and registered and the statement names the
// certificate that signed it.
TEST_F(CmsSignatureTest, AReportSignatureNamesWhatNoLongerHolds) {
    const TempFolder report;
    const std::wstring number = L"ОХ-2026-00017";
    std::vector<SignedFile> registered;
    for (const std::wstring& name : {number + L".json", number + L".xml"}) {
        const std::string bytes = "<" + ToUtf8(name) + ">";
        report.Write(name, bytes);
        registered.push_back({name, Sha256Hex(bytes)});
    }
    const SignatureFiles files = SignatureFileNames(number, SignatureMeaning::Reviewed);
    EXPECT_EQ(files.signature, L"ОХ-2026-00017.reviewed.statement.json.p7s");
    const auto sign = [&](const std::wstring& keyFile, const std::wstring& namedKeyFile) {
        const SigningKey key = SigningKey::FromPkcs12(File(keyFile), "secret");
        const CertificateIdentity named = SigningKey::FromPkcs12(File(namedKeyFile), "secret").Certificate();
        SignatureStatement statement{number,
                                     SignatureMeaning::Reviewed,
                                     named.commonName,
                                     named.subject,
                                     named.issuer,
                                     named.serial,
                                     Now(),
                                     registered};
        const std::string text = StatementText(statement);
        report.Write(files.statement, text);
        report.Write(files.signature, key.SignDetached(text));
    };
    const auto problems = [&](const std::vector<SignedFile>& entered) {
        std::vector<MessageCode> codes;
        for (const Message& problem :
             CheckReportSignature(report.Path(), files, number, entered, LabTrust()).problems)
            codes.push_back(problem.code);
        return codes;
    };
    using Codes = std::vector<MessageCode>;

    sign(L"petrov.p12", L"petrov.p12");
    EXPECT_TRUE(CheckReportSignature(report.Path(), files, number, registered, LabTrust()).Holds());
    EXPECT_EQ(problems({registered[0]}), Codes{MessageCode::SignatureFileChanged});
    std::vector<SignedFile> more = registered;
    more.push_back({number + L".html", std::string(64, '0')});
    EXPECT_EQ(problems(more), Codes{MessageCode::SignatureFileNotCovered});
    EXPECT_EQ(
        CheckReportSignature(report.Path(), files, L"ОХ-2026-00018", registered, LabTrust()).problems[0].code,
        MessageCode::SignatureOtherReport);

    report.Write(registered[1].name, "changed");
    EXPECT_EQ(problems(registered), Codes{MessageCode::SignatureFileChanged});
    report.Write(registered[1].name, "<" + ToUtf8(registered[1].name) + ">");

    sign(L"petrov.p12", L"ivanova.p12");
    EXPECT_EQ(problems(registered), Codes{MessageCode::SignatureSignerDiffers});

    sign(L"petrov.p12", L"petrov.p12");
    std::wstring statementPath = report.File(files.statement);
    report.Write(files.statement, ReadFileBytes(statementPath).value() + " ");
    EXPECT_EQ(problems(registered), Codes{MessageCode::SignatureNotOverContent});
    std::remove(ToUtf8(report.File(files.signature)).c_str());
    EXPECT_EQ(problems(registered), Codes{MessageCode::SignatureFileMissing});
}
