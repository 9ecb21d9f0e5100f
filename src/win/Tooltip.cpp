#include "win/Tooltip.h"

#include <commctrl.h>

#include <vector>

Tooltip::~Tooltip() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool Tooltip::Create(HWND dialog) {
    dialog_ = dialog;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                            nullptr, nullptr);
    // A width makes the tip break long texts into lines and honour line ends.
    if (hwnd_ != nullptr) SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, 480);
    return hwnd_ != nullptr;
}

void Tooltip::AddTool(HWND control, const std::wstring& text) {
    if (hwnd_ == nullptr || control == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltip::SetToolText(HWND control, const std::wstring& text) {
    if (hwnd_ == nullptr || control == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(hwnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltip::Activate(bool active) {
    if (hwnd_ != nullptr) SendMessageW(hwnd_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void Tooltip::Relay(HWND window, UINT mouseMessage) {
    if (hwnd_ == nullptr) return;
    MSG message{};
    message.hwnd = window;
    message.message = mouseMessage;
    SendMessageW(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

std::wstring Tooltip::ToolText(HWND control) const {
    if (hwnd_ == nullptr) return {};
    std::vector<wchar_t> buffer(1024, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = dialog_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = buffer.data();
    SendMessageW(hwnd_, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
    return buffer.data();
}
