#include "ui/DlgAbout.h"

#include "res/ResourceIds.h"
#include "win/Resources.h"

namespace {
constexpr int kPictureSize = 80;
}

INT_PTR DlgAbout::Run(HWND parent) {
    return RunModal(ResourceModule(), IDD_OXY_ABOUT, parent);
}

BOOL DlgAbout::OnInitDialog() {
    const HICON big = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXICON));
    const HICON small = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    // The picture always comes from the plug-in itself, never from a language library.
    picture_ = LoadIconOfSize(OwnModule(), IDI_OXY_APP, kPictureSize);
    SendDlgItemMessageW(Handle(), IDC_OXY_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(picture_.Get()),
                        0);
    titleText = LoadResourceString(ResourceModule(), IDS_OXY_TITLE);
    SetDlgItemTextW(Handle(), IDC_OXY_ABOUT_TITLE, titleText.c_str());
    return TRUE;
}
