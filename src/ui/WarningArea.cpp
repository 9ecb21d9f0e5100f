#include "ui/WarningArea.h"

#include <algorithm>

#include "res/ResourceIds.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/DynamicLayout.h"
#include "win/Tooltip.h"

namespace {

constexpr COLORREF kWarningText = RGB(176, 0, 32);

// The height of a line of text in the control's font.
int LineHeight(HWND control) {
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

}  // namespace

void WarningArea::Show(const std::vector<std::wstring>& lines, Tooltip& tooltips) const {
    std::wstring text;
    std::wstring tip;
    for (const std::wstring& line : lines) {
        text += (text.empty() ? L"" : L"\r\n") + line;
        tip += (tip.empty() ? L"" : L"\n") + line;
    }
    HWND area = dialog_.Item(IDC_OXY_WARNINGS);
    DataExchange::ShowText(area, text);
    tooltips.SetToolText(area, tip);
    Fit();
}

// The lines are counted without the scroll bar; a scrolled area shows whole lines, and room for the result
// list's header and a few rows stays.
void WarningArea::Fit() const {
    HWND area = dialog_.Item(IDC_OXY_WARNINGS);
    HWND results = dialog_.Item(IDC_OXY_RESULTS);
    if (area == nullptr || results == nullptr) return;
    const RECT list = layout_.PlaceOf(results);
    const RECT designed = layout_.PlaceOf(area);
    if (IsRectEmpty(&list) || IsRectEmpty(&designed)) return;
    ShowScrollBar(area, SB_VERT, FALSE);
    const auto count = static_cast<int>(SendMessageW(area, EM_GETLINECOUNT, 0, 0));
    const int line = std::max(1, LineHeight(area));
    const int wanted = count * line + 4;
    const int room = (designed.bottom - list.top) * 3 / 5;
    const int most = std::max<int>(designed.bottom - designed.top, room - (room - 4) % line);
    const int height = std::clamp<int>(wanted, designed.bottom - designed.top, most);
    const int top = designed.bottom - height;
    const int gap = designed.top - list.bottom;
    SetWindowPos(results, nullptr, list.left, list.top, list.right - list.left, top - gap - list.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(area, nullptr, designed.left, top, designed.right - designed.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (wanted > height) ShowScrollBar(area, SB_VERT, TRUE);
    InvalidateRect(area, nullptr, TRUE);
}

bool WarningArea::Colour(HWND control, HDC dc, LRESULT& brush) const {
    if (control != dialog_.Item(IDC_OXY_WARNINGS)) return false;
    SetTextColor(dc, kWarningText);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    brush = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}
