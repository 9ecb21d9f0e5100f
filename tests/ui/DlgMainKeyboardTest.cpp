// The main dialog from the keyboard: Tab walks it top to bottom, left to right, and Alt shortcuts,
// none clashing, reach the buttons and the settings.
#include <windows.h>

#include <cwctype>
#include <set>

#include "UiFixture.h"
#include "res/ResourceIds.h"

namespace {

class DlgMainKeyboardTest : public UiFixture {
protected:
    static void Activate(HWND dialog) {
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
    }
};

// The letters after "&" in the texts of a dialog's controls; each may appear once.
std::multiset<wchar_t> Shortcuts(HWND dialog) {
    std::multiset<wchar_t> letters;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring text = WindowText(child);
        const size_t ampersand = text.find(L'&');
        if (ampersand != std::wstring::npos && ampersand + 1 < text.size())
            letters.insert(static_cast<wchar_t>(std::towupper(text[ampersand + 1])));
    }
    return letters;
}

void ExpectShortcutsOnceEach(HWND dialog, size_t count) {
    const std::multiset<wchar_t> letters = Shortcuts(dialog);
    EXPECT_EQ(letters.size(), count);
    EXPECT_EQ(std::set<wchar_t>(letters.begin(), letters.end()).size(), letters.size());
}

}  // namespace

TEST_F(DlgMainKeyboardTest, TabWalksTopToBottomLeftToRightAndSkipsTheReadOnlyTotal) {
    auto dialog = OpenMainDialog();
    HWND hwnd = dialog->Handle();
    Activate(hwnd);
    SetFocus(dialog->Item(IDC_OXY_ADD));
    const std::vector<int> expected = {
        IDC_OXY_REMOVE,  IDC_OXY_REMOVE_ALL, IDC_OXY_OPEN,          IDC_OXY_REPORT,
        IDC_OXY_UPDATE,  IDC_OXY_ABOUT,      IDC_OXY_CHROMATOGRAMS, IDC_OXY_STANDARD,
        IDC_OXY_DENSITY, IDC_OXY_COMPONENTS, IDC_OXY_RESULTS,       IDCANCEL,
        IDC_OXY_ADD};
    std::vector<int> visited;
    for (size_t step = 0; step < expected.size(); ++step) {
        PressFocusedKey(hwnd, VK_TAB);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    EXPECT_EQ(visited, expected);
    PressFocusedKey(hwnd, VK_TAB, true);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDCANCEL);
}

TEST_F(DlgMainKeyboardTest, AltShortcutsReachTheSettingsAndTheButtonsAndNeverClash) {
    auto dialog = OpenMainDialog();
    HWND hwnd = dialog->Handle();
    Activate(hwnd);
    ExpectShortcutsOnceEach(hwnd, 11);
    SetFocus(dialog->Item(IDC_OXY_RESULTS));
    // Capitals: Wine compares the letters of shortcuts by case for Latin letters only.
    PressAltKey(hwnd, L'С');
    EXPECT_EQ(GetFocus(), dialog->Item(IDC_OXY_STANDARD));
    PressAltKey(hwnd, L'П');
    EXPECT_EQ(GetFocus(), dialog->Item(IDC_OXY_DENSITY));
    host.chosenIds = {101};
    PressAltKey(hwnd, L'Д');
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), std::vector<int>{101});
    WithModalDialog(
        IDC_OXY_COMPONENT_GRID,
        [](HWND components) {
            ExpectShortcutsOnceEach(components, 4);
            EndDialog(components, IDCANCEL);
        },
        [&] { Click(hwnd, IDC_OXY_COMPONENTS); });
}

TEST_F(DlgMainKeyboardTest, TheEnglishTemplatesHaveTheirOwnShortcutsThatNeverClash) {
    const EnglishResources english;
    auto dialog = OpenMainDialog();
    ExpectShortcutsOnceEach(dialog->Handle(), 11);
    WithModalDialog(
        IDC_OXY_COMPONENT_GRID,
        [](HWND components) {
            ExpectShortcutsOnceEach(components, 4);
            EndDialog(components, IDCANCEL);
        },
        [&] { Click(dialog->Handle(), IDC_OXY_COMPONENTS); });
}
