#include "support/TestCertificates.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <wincrypt.h>

#include <cstdlib>
#include <optional>

#include "platform/StdioFile.h"
#include "platform/WideText.h"

std::wstring TestCertificates() {
    const wchar_t* folder = _wgetenv(L"OXY_TEST_CERTIFICATES");
    return folder != nullptr ? folder : L"";
}

std::wstring TestCertificate(const std::wstring& name) {
    return TestCertificates() + L"\\" + name;
}

void ImportIntoUserStore(const std::wstring& pfx) {
    const std::optional<std::string> bytes = ReadFileBytes(TestCertificate(pfx));
    ASSERT_TRUE(bytes) << ToUtf8(TestCertificate(pfx));
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
