// What the main dialog says about the last calculation besides its numbers: every warning in the line
// under the results (and all of them in its tip), the settings field a warning is about marked with its
// warning as the field's tip, and the total marked with why while it is no result.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/Limits.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "ui/UiLanguage.h"
#include "win/DataExchange.h"
#include "win/Resources.h"

namespace {

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

constexpr COLORREF kWarningText = RGB(176, 0, 32);
constexpr COLORREF kMarkedField = RGB(255, 214, 214);

}  // namespace

bool DlgMain::HasWarning(CalculationWarning::Kind kind) const {
    for (const CalculationWarning& warning : calculation.warnings) {
        if (warning.kind == kind) return true;
    }
    return false;
}

bool DlgMain::AnyTicked() const {
    for (const Assay& assay : assays) {
        if (assay.isTicked != 0) return true;
    }
    return false;
}

bool DlgMain::Marked(int field) const {
    if (field == IDC_OXY_STANDARD) return HasWarning(CalculationWarning::Kind::StandardNotFound);
    if (field == IDC_OXY_DENSITY) return !densityGiven_ || !densityUnread_.empty();
    if (field == IDC_OXY_TOTAL_OXYGEN) return AnyTicked() && !calculation.TotalOxygenDetermined();
    return false;
}

// Lines of the limits file that did not read, and why a limit has no verdict while something is
// ticked: the report prints them too, but the analyst looks here.
void DlgMain::AddLimitsLines(std::vector<std::wstring>& lines) const {
    if (!calculation.limits) return;
    for (const Message& error : calculation.limits->errors)
        lines.push_back(
            FillTemplate(ResourceText(IDS_OXY_LIMITS_LINE_ERROR), {calculation.limits->path, UiText(error)}));
    if (!AnyTicked()) return;
    for (const LimitVerdict& verdict : calculation.verdicts) {
        if (verdict.outcome != LimitVerdict::Outcome::Undetermined) continue;
        lines.push_back(
            FillTemplate(ResourceText(IDS_OXY_LIMIT_UNDETERMINED),
                         {verdict.limit.name, UiText(verdict.OutcomeMessage()), UiText(verdict.doubt)}));
    }
}

std::wstring DlgMain::DensityNotANumberText() const {
    return FillTemplate(ResourceText(IDS_OXY_DENSITY_NOT_A_NUMBER),
                        {densityUnread_, FormatGeneral(calculation.sampleDensity, 15)});
}

// Everything the analyst must know besides the numbers, each once: the calculation's warnings, what the
// dialog itself knows (ticks not counted, a density that is no number), the limits' problems, and what
// the reads of the tables found.
std::vector<std::wstring> DlgMain::WarningLines() const {
    std::vector<std::wstring> lines;
    const auto add = [&lines](const std::wstring& text) {
        if (!text.empty() && std::find(lines.begin(), lines.end(), text) == lines.end())
            lines.push_back(text);
    };
    for (const CalculationWarning& warning : calculation.warnings) add(warning.Text(UiLanguage()));
    if (!densityUnread_.empty()) add(DensityNotANumberText());
    std::vector<std::wstring> limits;
    AddLimitsLines(limits);
    for (const std::wstring& line : limits) add(line);
    // A rule other than simple acceptance is no fault, but the verdicts read differently under it.
    if (const Message rule = DecisionRuleNotice(calculation.limits); !rule.Empty()) add(UiText(rule));
    for (const std::wstring& notice : lastNotices_) add(notice);
    for (const std::wstring& notice : notices_.Texts()) add(notice);
    return lines;
}

// One warning a line, each whole: the area grows to show them all, and scrolls when they take more room
// than it may have.
void DlgMain::ShowWarnings() {
    std::wstring lines;
    std::wstring tip;
    for (const std::wstring& text : WarningLines()) {
        lines += (lines.empty() ? L"" : L"\r\n") + text;
        tip += (tip.empty() ? L"" : L"\n") + text;
    }
    std::wstring standardTip;
    std::wstring densityTip = densityUnread_.empty() ? std::wstring() : DensityNotANumberText();
    for (const CalculationWarning& warning : calculation.warnings) {
        if (warning.kind == CalculationWarning::Kind::StandardNotFound)
            standardTip = warning.Text(UiLanguage());
        if (warning.kind == CalculationWarning::Kind::NoSampleDensity)
            densityTip = warning.Text(UiLanguage());
    }
    DataExchange::ShowText(Item(IDC_OXY_WARNINGS), lines);
    tooltips.SetToolText(Item(IDC_OXY_WARNINGS), tip);
    tooltips.SetToolText(Item(IDC_OXY_STANDARD), standardTip);
    tooltips.SetToolText(Item(IDC_OXY_DENSITY), densityTip);
    const std::wstring totalTip =
        Marked(IDC_OXY_TOTAL_OXYGEN)
            ? UiText(Message(MessageCode::TotalUndeterminedTip,
                             {Nested(calculation.totalOxygenDoubt), Decimal(calculation.totalOxygen, 4)}))
            : std::wstring();
    tooltips.SetToolText(Item(IDC_OXY_TOTAL_OXYGEN), totalTip);
    for (const int field : {IDC_OXY_STANDARD, IDC_OXY_DENSITY, IDC_OXY_TOTAL_OXYGEN})
        InvalidateRect(Item(field), nullptr, TRUE);
    FitWarningLines();
}

// Every warning shows whole: the area grows upward over the result list to the lines the warnings take,
// up to three fifths of the room the two share; only beyond that does it scroll, and its scroll bar then says
// that there is more. The lines are counted without the scroll bar.
void DlgMain::FitWarningLines() const {
    HWND area = Item(IDC_OXY_WARNINGS);
    HWND results = Item(IDC_OXY_RESULTS);
    if (area == nullptr || results == nullptr) return;
    const RECT list = layout_.PlaceOf(results);
    const RECT designed = layout_.PlaceOf(area);
    if (IsRectEmpty(&list) || IsRectEmpty(&designed)) return;
    ShowScrollBar(area, SB_VERT, FALSE);
    const auto count = static_cast<int>(SendMessageW(area, EM_GETLINECOUNT, 0, 0));
    const int line = std::max(1, LineHeight(area));
    const int wanted = count * line + 4;
    // Room for the result list's header and a few rows stays; a scrolled area shows whole lines.
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

bool DlgMain::ColourControl(HWND control, HDC dc, LRESULT& brush) const {
    if (control == Item(IDC_OXY_WARNINGS)) {
        SetTextColor(dc, kWarningText);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        brush = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    for (const int field : {IDC_OXY_STANDARD, IDC_OXY_DENSITY, IDC_OXY_TOTAL_OXYGEN}) {
        if (control != Item(field) || !Marked(field)) continue;
        SetBkColor(dc, kMarkedField);
        brush = reinterpret_cast<LRESULT>(warningBrush_.Get());
        return true;
    }
    return false;
}
