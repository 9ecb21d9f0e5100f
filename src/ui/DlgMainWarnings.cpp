// What the main dialog says about the last calculation besides its numbers: every warning in the line
// under the results (and all of them in its tip), the settings field a warning is about marked with its
// warning as the field's tip, and the total marked with why while it is no result.
#include <windows.h>

#include "calc/Limits.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "ui/UiLanguage.h"
#include "win/DataExchange.h"
#include "win/Resources.h"

namespace {

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
    if (field == IDC_OXY_DENSITY) return !densityGiven_;
    if (field == IDC_OXY_TOTAL_OXYGEN) return AnyTicked() && !calculation.TotalOxygenDetermined();
    return false;
}

// One warning a line, each whole: the line wraps them and scrolls when they take more room than it has.
void DlgMain::ShowWarnings() {
    std::wstring lines;
    std::wstring tip;
    std::wstring standardTip;
    std::wstring densityTip;
    for (const CalculationWarning& warning : calculation.warnings) {
        const std::wstring text = warning.Text(UiLanguage());
        lines += (lines.empty() ? L"" : L"\r\n") + text;
        tip += (tip.empty() ? L"" : L"\n") + text;
        if (warning.kind == CalculationWarning::Kind::StandardNotFound) standardTip = text;
        if (warning.kind == CalculationWarning::Kind::NoSampleDensity) densityTip = text;
    }
    // A rule other than simple acceptance is no fault, but the verdicts read differently under it.
    if (const Message rule = DecisionRuleNotice(calculation.limits); !rule.Empty()) {
        lines += (lines.empty() ? L"" : L"\r\n") + UiText(rule);
        tip += (tip.empty() ? L"" : L"\n") + UiText(rule);
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

// The scroll bar shows only when the warnings take more lines than the line has room for; the lines
// are counted without it.
void DlgMain::FitWarningLines() const {
    HWND line = Item(IDC_OXY_WARNINGS);
    if (line == nullptr) return;
    ShowScrollBar(line, SB_VERT, FALSE);
    const auto count = static_cast<int>(SendMessageW(line, EM_GETLINECOUNT, 0, 0));
    if (count < 2) return;
    const auto second = static_cast<WPARAM>(SendMessageW(line, EM_LINEINDEX, 1, 0));
    const int lineHeight = HIWORD(SendMessageW(line, EM_POSFROMCHAR, second, 0)) -
                           HIWORD(SendMessageW(line, EM_POSFROMCHAR, 0, 0));
    RECT client{};
    GetClientRect(line, &client);
    if (lineHeight > 0 && count * lineHeight > client.bottom) ShowScrollBar(line, SB_VERT, TRUE);
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
