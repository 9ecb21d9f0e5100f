#include "win/MessageBoxes.h"

#include "res/ResourceIds.h"
#include "win/Resources.h"

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return MessageBoxW(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), flags);
}

std::wstring ErrorCaption() {
    return ResourceTextOr(IDS_OXY_ERROR_CAPTION, L"Ошибка");
}

std::wstring MessageCaption() {
    return ResourceTextOr(IDS_OXY_MESSAGE_CAPTION, L"Расчёт-207");
}

void ShowErrorBox(HWND owner, const std::wstring& text) {
    ShowMessageBox(owner, text, ErrorCaption(), MB_OK | MB_ICONERROR);
}

void DialogMessages::ShowError(const std::wstring& text) {
    ShowErrorBox(owner_, text);
}

void DialogMessages::ShowMessage(const std::wstring& text) {
    ShowMessageBox(owner_, text, MessageCaption(), MB_OK);
}
