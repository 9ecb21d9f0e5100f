#include "win/MessageBoxes.h"

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return MessageBoxW(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), flags);
}

void ShowErrorBox(HWND owner, const std::wstring& text) {
    ShowMessageBox(owner, text, L"Ошибка", MB_OK | MB_ICONERROR);
}

void DialogMessages::ShowError(const std::wstring& text) {
    ShowErrorBox(owner_, text);
}

void DialogMessages::ShowMessage(const std::wstring& text) {
    ShowMessageBox(owner_, text, L"", MB_OK);
}
