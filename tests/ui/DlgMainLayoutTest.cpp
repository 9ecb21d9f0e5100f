// The main dialog's template and what it shows whole: every warning, and the lists' columns at their widths.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DemoData.h"
#include "UiFixture.h"
#include "res/ResourceIds.h"
#include "win/Resources.h"

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

// A control of a dialog template as its resource holds it.
struct TemplateItem {
    int id;
    std::wstring text;
    RECT rect;  // x, y, width, height in dialog units
};

// Reads past a name-or-ordinal of a template: nothing, an ordinal, or a string, which is kept.
const WORD* SkipNameOrOrdinal(const WORD* at, std::wstring* name = nullptr) {
    if (*at == 0x0000) return at + 1;
    if (*at == 0xFFFF) return at + 2;
    std::wstring text;
    while (*at != 0) text += static_cast<wchar_t>(*at++);
    if (name != nullptr) *name = text;
    return at + 1;
}

// The controls of an extended dialog template (DLGTEMPLATEEX), in template order.
std::vector<TemplateItem> TemplateItems(HMODULE module, int id) {
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    const auto* at = static_cast<const WORD*>(LockResource(LoadResource(module, resource)));
    const WORD count = at[8];
    at = SkipNameOrOrdinal(SkipNameOrOrdinal(SkipNameOrOrdinal(at + 13)));  // menu, class, caption
    at = SkipNameOrOrdinal(at + 3);                                         // the font's size, weight, face
    std::vector<TemplateItem> items;
    for (WORD item = 0; item < count; ++item) {
        at = reinterpret_cast<const WORD*>((reinterpret_cast<uintptr_t>(at) + 3) & ~uintptr_t{3});
        const auto* shorts = reinterpret_cast<const short*>(at + 6);
        TemplateItem control{static_cast<int>(*reinterpret_cast<const DWORD*>(at + 10)),
                             L"",
                             {shorts[0], shorts[1], shorts[2], shorts[3]}};
        at = SkipNameOrOrdinal(SkipNameOrOrdinal(at + 12), &control.text);
        at += 1 + *at / sizeof(WORD);  // the creation data
        items.push_back(control);
    }
    return items;
}

bool HasScrollBar(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL) != 0;
}

class DlgMainLayoutTest : public UiFixture {};

}  // namespace

// The main window's template holds its controls in their order with their texts and places; the warning
// area comes last, below the result list and left of the close button.
TEST(DlgMainTemplate, HoldsItsControlsInOrderWithTheirTextsAndPlaces) {
    const std::vector<TemplateItem> expected = {
        {IDCANCEL, L"Закрыть", {582, 306, 50, 14}},
        {IDC_OXY_OPEN, L"^", {7, 52, 16, 14}},
        {IDC_OXY_REMOVE_ALL, L"--", {7, 37, 16, 14}},
        {IDC_OXY_REMOVE, L"-", {7, 22, 16, 14}},
        {IDC_OXY_ADD, L"+", {7, 7, 16, 14}},
        {IDC_OXY_REPORT, L"->", {7, 67, 16, 14}},
        {IDC_OXY_CHROMATOGRAMS, L"", {28, 7, 604, 154}},
        {IDC_OXY_RESULTS, L"", {140, 166, 492, 133}},
        {IDC_STATIC, L"Настройки", {7, 166, 128, 133}},
        {IDC_OXY_COMPONENTS, L"Компоненты", {15, 278, 113, 14}},
        {IDC_STATIC, L"Стандарт: ", {15, 175, 39, 8}},
        {IDC_STATIC, L"Плотность пробы, кг/м^3:", {15, 205, 91, 8}},
        {IDC_OXY_DENSITY, L"", {73, 218, 55, 14}},
        {IDC_STATIC, L"Общее содержание органически связанного кислорода:", {15, 235, 113, 18}},
        {IDC_OXY_TOTAL_OXYGEN, L"", {73, 255, 55, 14}},
        {IDC_OXY_STANDARD, L"", {73, 185, 55, 14}},
        {IDC_OXY_UPDATE, L"U", {7, 82, 16, 14}},
        {IDC_OXY_ABOUT, L"i", {7, 97, 16, 14}},
        {IDC_OXY_WARNINGS, L"", {140, 302, 436, 20}},
    };
    for (const bool english : {false, true}) {
        const std::optional<EnglishResources> inEnglish =
            english ? std::make_optional<EnglishResources>() : std::nullopt;
        const std::vector<TemplateItem> items = TemplateItems(ResourceModule(), IDD_OXY_MAIN);
        ASSERT_EQ(items.size(), expected.size());
        for (size_t at = 0; at < items.size(); ++at) {
            EXPECT_EQ(items[at].id, expected[at].id) << at;
            if (!english) {
                EXPECT_EQ(items[at].text, expected[at].text) << at;
            }
            EXPECT_TRUE(EqualRect(&items[at].rect, &expected[at].rect)) << at;
        }
    }
    // The components dialog: its buttons' texts as they stand, without shortcut letters.
    std::vector<std::wstring> texts;
    for (const TemplateItem& item : TemplateItems(ResourceModule(), IDD_OXY_COMPONENTS))
        texts.push_back(item.text);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Сохранить", L"Отмена", L"", L"Добавить компонент",
                                                L"Удалить компонент(ы)"}));
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

// The lists' columns have their widths in pixels, kept by every refill and resize; a list too narrow for
// them scrolls sideways.
TEST_F(DlgMainLayoutTest, TheColumnsOfBothListsKeepTheirWidths) {
    auto dialog = WithChromatograms({101, 102, 103});
    const ListView chromatograms = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    const ListView results = ListOf(*dialog, IDC_OXY_RESULTS);
    const auto widths = [](const ListView& list) {
        std::vector<int> all;
        for (int column = 0; column < list.ColumnCount(); ++column) all.push_back(list.ColumnWidth(column));
        return all;
    };
    for (const int width : {975, 1400}) {
        SetWindowPos(dialog->Handle(), nullptr, 0, 0, width, 700, SWP_NOZORDER | SWP_NOMOVE);
        chromatograms.SetChecked(0, true);
        EXPECT_EQ(widths(chromatograms), (std::vector<int>{40, 280, 102, 95, 93, 80, 140, 80}));
        EXPECT_EQ(widths(results), (std::vector<int>{40, 137, 89, 86, 90, 80, 80, 140}));
    }
}

// At the size the dialog first opens with, five warnings show whole (the one about an unprocessed or
// uncounted chromatogram among them).
TEST_F(DlgMainLayoutTest, FiveWarningsShowWholeAtTheFirstSize) {
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
    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
}
