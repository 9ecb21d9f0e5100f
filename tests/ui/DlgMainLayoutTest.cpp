// What the main dialog shows whole: its settings' labels with their units, the standard's name, every
// warning, and table columns that widen with the window; in Russian and in English.
#include <windows.h>

#include <commctrl.h>

#include <numeric>

#include "DemoData.h"
#include "UiFixture.h"
#include "res/ResourceIds.h"

namespace {

// A device context of a window with the window's font selected, given back at the end.
class WindowFont {
public:
    explicit WindowFont(HWND window)
        : window_(window),
          dc_(GetDC(window)),
          old_(SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))) {}
    ~WindowFont() {
        SelectObject(dc_, old_);
        ReleaseDC(window_, dc_);
    }
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;

    // The height the text takes when it wraps within `width` pixels.
    int WrappedHeight(const std::wstring& text, int width) const {
        RECT rect{0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), -1, &rect, DT_CALCRECT | DT_WORDBREAK);
        return rect.bottom;
    }
    int Width(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ old_;
};

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

// Every label of the settings group shows its whole text, and the standard field the whole name of
// the demo's standard.
void ExpectSettingsWhole(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (std::wstring(className) != L"Static" || GetDlgCtrlID(child) != -1) continue;
        const RECT client = ClientOf(child);
        EXPECT_LE(WindowFont(child).WrappedHeight(WindowText(child), client.right), client.bottom)
            << WindowText(child);
    }
    HWND standard = GetDlgItem(dialog, IDC_OXY_STANDARD);
    const auto margins = static_cast<DWORD>(SendMessageW(standard, EM_GETMARGINS, 0, 0));
    EXPECT_LE(WindowFont(standard).Width(DemoData::kStandard) + LOWORD(margins) + HIWORD(margins),
              ClientOf(standard).right);
}

int ColumnsWidth(const ListView& list) {
    int width = 0;
    for (int column = 0; column < list.ColumnCount(); ++column) width += list.ColumnWidth(column);
    return width;
}

bool HasScrollBar(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL) != 0;
}

class DlgMainLayoutTest : public UiFixture {};

}  // namespace

TEST_F(DlgMainLayoutTest, TheSettingsLabelsWithTheirUnitsAndTheStandardShowWhole) {
    auto dialog = OpenMainDialog();
    ExpectSettingsWhole(dialog->Handle());
    const EnglishResources english;
    auto inEnglish = OpenMainDialog();
    ExpectSettingsWhole(inEnglish->Handle());
}

TEST_F(DlgMainLayoutTest, EveryWarningShowsWholeOnALineOfItsOwnAndTheAreaGrowsToShowThemAll) {
    auto dialog = WithChromatograms({101, 102, 108});
    HWND hwnd = dialog->Handle();
    HWND line = dialog->Item(IDC_OXY_WARNINGS);
    SetEditText(hwnd, IDC_OXY_STANDARD, DemoData::kStandard);
    SetEditText(hwnd, IDC_OXY_DENSITY, L"745.68");
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    list.SetChecked(2, true);
    ASSERT_EQ(dialog->Calculation().warnings.size(), 1u);
    EXPECT_FALSE(HasScrollBar(line));
    SetEditText(hwnd, IDC_OXY_STANDARD, L"1,2-Диметоксиэтн");
    SetEditText(hwnd, IDC_OXY_DENSITY, L"0.7457");
    const std::vector<CalculationWarning>& warnings = dialog->Calculation().warnings;
    ASSERT_EQ(warnings.size(), 3u);
    std::wstring lines;
    for (const CalculationWarning& warning : warnings)
        lines += (lines.empty() ? L"" : L"\r\n") + warning.Text(Language::Russian);
    EXPECT_EQ(WindowText(line), lines);
    EXPECT_FALSE(HasScrollBar(line));
    EXPECT_LE(WindowFont(line).WrappedHeight(lines, ClientOf(line).right - 8), ClientOf(line).bottom);
    EXPECT_NE(dialog->Tooltips().ToolText(line).find(warnings[2].Text(Language::Russian)),
              std::wstring::npos);
}

TEST_F(DlgMainLayoutTest, TheColumnsOfBothListsWidenWithTheWindowAndFitTheirTexts) {
    auto dialog = WithChromatograms({101, 102, 103});
    HWND hwnd = dialog->Handle();
    const ListView chromatograms = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    const ListView results = ListOf(*dialog, IDC_OXY_RESULTS);
    // At the least size the columns keep what their texts need and the lists scroll sideways; a wider
    // window widens them until they fill the lists.
    for (const int width : {975, 1400}) {
        SetWindowPos(hwnd, nullptr, 0, 0, width, 700, SWP_NOZORDER | SWP_NOMOVE);
        for (const ListView& list : {chromatograms, results}) {
            const int columns = ColumnsWidth(list);
            const int client = ClientOf(list.Handle()).right;
            if (width == 975) {
                EXPECT_GE(columns, client);
            } else {
                EXPECT_EQ(columns, client);
            }
        }
        const std::wstring time = chromatograms.ItemText(0, 4);
        EXPECT_LE(chromatograms.StringWidth(time) + 12, chromatograms.ColumnWidth(4)) << time;
    }
}

// At the size the dialog first opens with, five warnings show whole (the one about an unprocessed or
// uncounted chromatogram among them) and every column of the chromatogram list is in sight.
TEST_F(DlgMainLayoutTest, FiveWarningsAndEveryColumnShowWholeAtTheFirstSize) {
    auto dialog = WithChromatograms({101, 102, 108});
    HWND hwnd = dialog->Handle();
    HWND area = dialog->Item(IDC_OXY_WARNINGS);
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    for (int item = 0; item < 3; ++item) list.SetChecked(item, true);
    const std::wstring file = DemoFile(L"Проба 2417-2.stg");
    const std::wstring away = file + L".away";
    ASSERT_TRUE(MoveFileW(file.c_str(), away.c_str()));
    Click(hwnd, IDC_OXY_UPDATE);
    std::string table = ReadBytes(componentsPath);
    table.insert(table.find("\r\n") + 2, "99;X;X;1.00;1.00\r\n");
    WriteBytes(componentsPath, table);  // changed outside the plug-in
    SetEditText(hwnd, IDC_OXY_STANDARD, L"1,2-Диметоксиэтн");
    SetEditText(hwnd, IDC_OXY_DENSITY, L"0.7457");
    const std::wstring text = WindowText(area);
    size_t warnings = 1;
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2))
        ++warnings;
    EXPECT_EQ(warnings, 5u) << text;
    EXPECT_FALSE(HasScrollBar(area)) << text;
    EXPECT_LE(WindowFont(area).WrappedHeight(text, ClientOf(area).right - 8), ClientOf(area).bottom) << text;
    RECT results{};
    RECT warningArea{};
    GetWindowRect(dialog->Item(IDC_OXY_RESULTS), &results);
    GetWindowRect(area, &warningArea);
    EXPECT_LE(results.bottom, warningArea.top);
    EXPECT_LE(ColumnsWidth(list), ClientOf(list.Handle()).right);
    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
}
