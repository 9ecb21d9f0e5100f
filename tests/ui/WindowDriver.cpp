#include "WindowDriver.h"

#include <vector>

namespace {

struct ModalScript {
    int marker;
    const std::function<void(HWND)>* script;
    bool ran = false;
};
ModalScript* gModal = nullptr;

BOOL CALLBACK FindMarked(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && GetDlgItem(window, gModal->marker) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
    if (gModal == nullptr || gModal->ran) return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMarked, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    gModal->ran = true;
    (*gModal->script)(dialog);
}

}  // namespace

void WithModalDialog(int markerControl, const std::function<void(HWND)>& script,
                     const std::function<void()>& openModal) {
    ModalScript modal{markerControl, &script};
    gModal = &modal;
    SetTimer(nullptr, 0, 20, RunScript);
    openModal();
    gModal = nullptr;
}

void PumpDialogMessages(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog != nullptr && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void TypeInto(HWND dialog, int id, const std::wstring& keys) {
    HWND edit = GetDlgItem(dialog, id);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t key : keys) SendMessageW(edit, WM_CHAR, key, 1);
}

void PressFocusedKey(HWND dialog, UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shiftWas = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PressKey(dialog, GetFocus(), key);
    keys[VK_SHIFT] = shiftWas;
    SetKeyboardState(keys);
}

void TypeKeys(HWND dialog, const std::wstring& characters) {
    for (const wchar_t character : characters) {
        PostMessageW(GetFocus(), WM_CHAR, character, 1);
        PumpDialogMessages(dialog);
    }
}

void PressAltKey(HWND dialog, wchar_t letter) {
    // Context code (bit 29): Alt is down.
    PostMessageW(GetFocus(), WM_SYSCHAR, letter, 0x20000001);
    PumpDialogMessages(dialog);
}

void PressKey(HWND dialog, HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    PumpDialogMessages(dialog);
}
