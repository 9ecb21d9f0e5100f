#include "ui/CertificateChooser.h"

#include <wincrypt.h>

#include <memory>

#include "messages/Message.h"
#include "platform/SystemErrorText.h"
#include "ui/UiLanguage.h"
#include "win/LibraryModule.h"
#include "win/MessageBoxes.h"

namespace {

struct StoreClose {
    void operator()(HCERTSTORE store) const { CertCloseStore(store, 0); }
};
using StorePtr = std::unique_ptr<void, StoreClose>;

struct CertificateFree {
    void operator()(PCCERT_CONTEXT cert) const { CertFreeCertificateContext(cert); }
};
using CertificatePtr = std::unique_ptr<const CERT_CONTEXT, CertificateFree>;

// cryptui.dll's chooser; the 32-bit toolchain has no import library for it, and it is needed only here.
using SelectFromStore = PCCERT_CONTEXT(WINAPI*)(HCERTSTORE, HWND, LPCWSTR, LPCWSTR, DWORD, DWORD, void*);

bool HasPrivateKey(PCCERT_CONTEXT cert) {
    DWORD size = 0;
    return CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size) ||
           CertGetCertificateContextProperty(cert, CERT_KEY_CONTEXT_PROP_ID, nullptr, &size);
}

// The certificates that can sign: the user's own with their private keys (a token's among them while it
// is attached), valid now. The count of them in `count`.
StorePtr SigningCertificates(int& count) {
    count = 0;
    StorePtr choice(CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr));
    const StorePtr my(CertOpenStore(
        CERT_STORE_PROV_SYSTEM_W, 0, 0,
        CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_OPEN_EXISTING_FLAG | CERT_STORE_READONLY_FLAG, L"MY"));
    if (!choice || !my) return choice;
    for (PCCERT_CONTEXT cert = nullptr; (cert = CertEnumCertificatesInStore(my.get(), cert)) != nullptr;) {
        if (HasPrivateKey(cert) && CertVerifyTimeValidity(nullptr, cert->pCertInfo) == 0 &&
            CertAddCertificateContextToStore(choice.get(), cert, CERT_STORE_ADD_ALWAYS, nullptr))
            ++count;
    }
    return choice;
}

std::wstring ThumbprintOf(PCCERT_CONTEXT cert) {
    BYTE hash[20];
    DWORD size = sizeof hash;
    if (!CertGetCertificateContextProperty(cert, CERT_SHA1_HASH_PROP_ID, hash, &size)) return std::wstring();
    static const wchar_t kHex[] = L"0123456789abcdef";
    std::wstring text;
    for (DWORD i = 0; i < size; ++i) {
        text += kHex[hash[i] >> 4];
        text += kHex[hash[i] & 15];
    }
    return text;
}

}  // namespace

std::optional<std::wstring> ChooseSigningCertificate(HWND owner, const std::wstring& title,
                                                     const std::wstring& prompt) {
    int count = 0;
    const StorePtr choice = SigningCertificates(count);
    if (count == 0) {
        ShowErrorBox(owner, UiText(Message(MessageCode::PluginCertificateNone)));
        return std::nullopt;
    }
    const LibraryModule cryptui(L"cryptui.dll");
    const auto select =
        cryptui ? ExportedFunction<SelectFromStore>(cryptui.Get(), "CryptUIDlgSelectCertificateFromStore")
                : nullptr;
    if (select == nullptr) {
        const DWORD error = GetLastError();
        ShowErrorBox(owner,
                     UiText(Message(MessageCode::PluginCertificateChooserMissing, {SystemErrorText(error)})));
        return std::nullopt;
    }
    const CertificatePtr chosen(select(choice.get(), owner, title.c_str(), prompt.c_str(), 0, 0, nullptr));
    if (!chosen) return std::nullopt;
    return ThumbprintOf(chosen.get());
}
