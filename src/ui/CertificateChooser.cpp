#include "ui/CertificateChooser.h"

#include "messages/Message.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"
#include "sign/UserCertificates_win.h"
#include "ui/UiLanguage.h"
#include "win/LibraryModule.h"
#include "win/MessageBoxes.h"

namespace {

// cryptui.dll's chooser; the 32-bit toolchain has no import library for it, and it is needed only here.
using SelectFromStore = PCCERT_CONTEXT(WINAPI*)(HCERTSTORE, HWND, LPCWSTR, LPCWSTR, DWORD, DWORD, void*);

}  // namespace

std::optional<std::wstring> ChooseSigningCertificate(HWND owner, const std::wstring& title,
                                                     const std::wstring& prompt) {
    int count = 0;
    const StorePtr choice = SigningCertificatesOfUser(count);
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
    const CertPtr chosen(select(choice.get(), owner, title.c_str(), prompt.c_str(), 0, 0, nullptr));
    if (!chosen) return std::nullopt;
    return FromUtf8(ThumbprintOf(chosen.get()));
}
