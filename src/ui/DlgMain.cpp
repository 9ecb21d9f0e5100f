#include "ui/DlgMain.h"

#include <string>
#include <utility>

#include "platform/Resources.h"
#include "plugin/PluginInfo.h"
#include "res/ResourceIds.h"

DlgMain::DlgMain(std::function<void()> windowGone) : windowGone_(std::move(windowGone)) {}

void DlgMain::Create(HWND owner) { CreateModeless(ResourceModule(), IDD_OXY_MAIN, owner); }

BOOL DlgMain::OnInitDialog() {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(Handle(), caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    caption += L" ";
    caption += kPluginVersionText;
    SetWindowTextW(Handle(), caption.c_str());
    return TRUE;
}

void DlgMain::OnCancel() { End(IDCANCEL); }

void DlgMain::OnFinalMessage() {
    if (windowGone_) windowGone_();
}
