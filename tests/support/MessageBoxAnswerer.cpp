#include "MessageBoxAnswerer.h"

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
            // OK, or No where a box asks Yes or No.
            int answer = GetDlgItem(box, IDOK) != nullptr || GetDlgItem(box, IDNO) == nullptr ? IDOK : IDNO;
            if (!gAnswerer->answers.empty()) {
                answer = gAnswerer->answers.front();
                gAnswerer->answers.erase(gAnswerer->answers.begin());
            }
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    return text.data();
}
