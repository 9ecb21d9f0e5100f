#include "WindowDriver.h"

#include <vector>

namespace {

MessageBoxAnswerer* gAnswerer = nullptr;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// A message box: a standard dialog whose text control is one of the system's.
HWND MessageBoxText(HWND window) {
    if (ClassName(window) != L"#32770") return nullptr;
    for (int id : {0xFFFF, 100}) {
        HWND text = GetDlgItem(window, id);
        if (text != nullptr && ClassName(text) == L"Static" && GetDlgItem(window, 1001) == nullptr &&
            GetDlgItem(window, 1013) == nullptr) {
            return text;
        }
    }
    return nullptr;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() {
    gAnswerer = this;
    hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    gAnswerer = nullptr;
}

std::vector<std::wstring> MessageBoxAnswerer::Texts() const {
    std::vector<std::wstring> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && gAnswerer != nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (HWND text = MessageBoxText(box)) {
            gAnswerer->boxes.push_back({WindowText(box), WindowText(text)});
            int answer = IDOK;
            if (!gAnswerer->answers.empty()) {
                answer = gAnswerer->answers.front();
                gAnswerer->answers.erase(gAnswerer->answers.begin());
            }
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

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

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    return text.data();
}

void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(HWND dialog, HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    PumpDialogMessages(dialog);
}
