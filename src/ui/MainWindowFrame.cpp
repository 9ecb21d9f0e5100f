#include "ui/MainWindowFrame.h"

#include <optional>
#include <string>

#include "hostlink/ProfileSettings.h"
#include "res/ProductVersion.h"
#include "res/ResourceIds.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/IconHandle.h"
#include "win/Resources.h"

namespace {

constexpr LONG kMinimumWidth = 975;
constexpr LONG kMinimumHeight = 570;

struct IconButton {
    int control;
    int icon;
    UINT tip;
};

constexpr IconButton kIconButtons[] = {
    {IDC_OXY_ADD, IDI_OXY_ADD, IDS_OXY_TIP_ADD},
    {IDC_OXY_REMOVE, IDI_OXY_REMOVE, IDS_OXY_TIP_REMOVE},
    {IDC_OXY_REMOVE_ALL, IDI_OXY_REMOVE_ALL, IDS_OXY_TIP_REMOVE_ALL},
    {IDC_OXY_OPEN, IDI_OXY_OPEN, IDS_OXY_TIP_OPEN},
    {IDC_OXY_REPORT, IDI_OXY_REPORT, IDS_OXY_TIP_REPORT},
    {IDC_OXY_UPDATE, IDI_OXY_UPDATE, IDS_OXY_TIP_UPDATE},
    {IDC_OXY_ABOUT, IDI_OXY_ABOUT, IDS_OXY_TIP_ABOUT},
};

// How a control follows the window's size: the lists share the height, the settings group and
// everything inside it keep to the lower half, the icon buttons stay where they are.
std::optional<DynamicLayout::Share> AnchorsOf(int control) {
    switch (control) {
        case IDCANCEL:
            return DynamicLayout::Share{100, 100, 0, 0};
        case IDC_OXY_CHROMATOGRAMS:
            return DynamicLayout::Share{0, 0, 100, 50};
        case IDC_OXY_RESULTS:
            return DynamicLayout::Share{0, 50, 100, 50};
        case IDC_OXY_WARNINGS:
            return DynamicLayout::Share{0, 100, 100, 0};
        case IDC_OXY_ADD:
        case IDC_OXY_REMOVE:
        case IDC_OXY_REMOVE_ALL:
        case IDC_OXY_OPEN:
        case IDC_OXY_REPORT:
        case IDC_OXY_UPDATE:
        case IDC_OXY_ABOUT:
            return std::nullopt;
        default:
            return DynamicLayout::Share{0, 50, 0, 0};
    }
}

}  // namespace

void MainWindowFrame::Attach(Dialog& dialog) {
    AppendVersionToCaption(dialog.Handle());
    SetIcons(dialog);
    CreateTooltips(dialog);
    SetUpLayout(dialog.Handle());
}

void MainWindowFrame::AppendVersionToCaption(HWND window) const {
    std::wstring caption = DataExchange::Text(window);
    caption += L" ";
    caption += kPluginVersionText;
    SetWindowTextW(window, caption.c_str());
}

void MainWindowFrame::SetIcons(const Dialog& dialog) const {
    // Shared icons: loaded once per process and freed by the system.
    const HICON big = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXICON));
    const HICON small = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(dialog.Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(dialog.Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    for (const IconButton& button : kIconButtons) {
        HWND control = dialog.Item(button.control);
        if (control == nullptr) continue;
        const HICON icon = LoadSharedIcon(OwnModule(), button.icon, 16);
        SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
}

void MainWindowFrame::CreateTooltips(const Dialog& dialog) {
    if (!tooltips_.Create(dialog.Handle())) return;
    for (const IconButton& button : kIconButtons)
        tooltips_.AddTool(dialog.Item(button.control), ResourceText(button.tip));
    // Say why the field is marked when the standard names no component or the density is not given;
    // empty otherwise.
    tooltips_.AddTool(dialog.Item(IDC_OXY_STANDARD), L"");
    tooltips_.AddTool(dialog.Item(IDC_OXY_DENSITY), L"");
    // Why the total is no result while it is none.
    tooltips_.AddTool(dialog.Item(IDC_OXY_TOTAL_OXYGEN), L"");
    // The warnings whole, one a line, where the line under the results has no room for them all.
    tooltips_.AddTool(dialog.Item(IDC_OXY_WARNINGS), L"");
    tooltips_.Activate(true);
}

void MainWindowFrame::SetUpLayout(HWND window) {
    layout_.Start(window);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (const auto anchors = AnchorsOf(GetDlgCtrlID(child))) layout_.Add(child, *anchors);
    }
}

bool MainWindowFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            tooltips_.Relay(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
            return false;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
            result = 0;
            return true;
        }
        case WM_SIZE:
            layout_.Apply();
            return false;
        default:
            return false;
    }
}

void MainWindowFrame::StorePlace(HWND window, const ProfileSettings& profile) const {
    RECT place{};
    GetWindowRect(window, &place);
    profile.ProfileSetInt(L"", L"WindowRect_btx", place.right);
    profile.ProfileSetInt(L"", L"WindowRect_bty", place.bottom);
    profile.ProfileSetInt(L"", L"WindowRect_tlx", place.left);
    profile.ProfileSetInt(L"", L"WindowRect_tly", place.top);
}

void MainWindowFrame::RestorePlace(HWND window, const ProfileSettings& profile) const {
    const int right = profile.ProfileGetInt(L"", L"WindowRect_btx", 0);
    const int bottom = profile.ProfileGetInt(L"", L"WindowRect_bty", 0);
    const int left = profile.ProfileGetInt(L"", L"WindowRect_tlx", 0);
    const int top = profile.ProfileGetInt(L"", L"WindowRect_tly", 0);
    MoveWindow(window, left, top, right - left, bottom - top, TRUE);
}
