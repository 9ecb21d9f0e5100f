#include "ui/SettingsFields.h"

#include <optional>

#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "ui/UiLanguage.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/Tooltip.h"

namespace {

constexpr COLORREF kMarkedField = RGB(255, 214, 214);
constexpr int kFields[] = {IDC_OXY_STANDARD, IDC_OXY_DENSITY, IDC_OXY_TOTAL_OXYGEN};

// The text of the calculation's warning of this kind; empty when it has none.
std::wstring WarningText(const CalculationData& calculation, CalculationWarning::Kind kind) {
    for (const CalculationWarning& warning : calculation.warnings) {
        if (warning.kind == kind) return warning.Text(UiLanguage());
    }
    return std::wstring();
}

}  // namespace

HWND SettingsFields::Item(int id) const {
    return dialog_.Item(id);
}

bool SettingsFields::Take(CalculationData& calculation, Raised raised) {
    calculation.standard = DataExchange::Text(Item(IDC_OXY_STANDARD));
    const std::wstring typed = DataExchange::Text(Item(IDC_OXY_DENSITY));
    const bool empty = TrimBlanks(typed).empty();
    densityGiven_ = !empty && !densityFilledIn_;
    densityUnread_.clear();
    if (empty) {
        calculation.sampleDensity = 1.0;
        return true;
    }
    if (const std::optional<double> number = ReadWholeNumber(typed)) {
        calculation.sampleDensity = *number;
        return true;
    }
    densityUnread_ = typed;
    if (raised == Raised::ByCommand) DataExchange::WarnNotANumber(Item(IDC_OXY_DENSITY));
    return false;
}

void SettingsFields::Show(const CalculationData& calculation, bool anyTicked) {
    showing_ = true;
    const HWND focus = GetFocus();
    if (Item(IDC_OXY_STANDARD) != focus) DataExchange::ShowText(Item(IDC_OXY_STANDARD), calculation.standard);
    if (Item(IDC_OXY_DENSITY) != focus && densityUnread_.empty()) ShowDensity(calculation);
    HWND total = Item(IDC_OXY_TOTAL_OXYGEN);
    if (!anyTicked || calculation.TotalOxygenDetermined()) {
        DataExchange::ShowDouble(total, calculation.totalOxygen);
    } else {
        DataExchange::ShowText(total, UiText(MessageCode::TotalUndetermined));
    }
    showing_ = false;
}

void SettingsFields::Left(int id, const CalculationData& calculation) {
    showing_ = true;
    if (id == IDC_OXY_DENSITY && densityUnread_.empty()) ShowDensity(calculation);
    if (id == IDC_OXY_STANDARD) DataExchange::ShowText(Item(id), calculation.standard);
    showing_ = false;
}

bool SettingsFields::Typed(int id) {
    if (showing_) return false;
    if (id == IDC_OXY_DENSITY) densityFilledIn_ = false;
    return true;
}

// An empty density field shows the 1 it is calculated with.
void SettingsFields::ShowDensity(const CalculationData& calculation) {
    HWND field = Item(IDC_OXY_DENSITY);
    if (TrimBlanks(DataExchange::Text(field)).empty()) densityFilledIn_ = true;
    DataExchange::ShowDouble(field, calculation.sampleDensity);
}

Message SettingsFields::DensityNotANumber(const CalculationData& calculation) const {
    if (densityUnread_.empty()) return Message();
    return Message(MessageCode::DensityNotANumber,
                   {densityUnread_, FormatGeneral(calculation.sampleDensity, 15)});
}

bool SettingsFields::Marked(int id, const CalculationData& calculation, bool anyTicked) const {
    if (id == IDC_OXY_STANDARD)
        return HasWarning(calculation.warnings, CalculationWarning::Kind::StandardNotFound);
    if (id == IDC_OXY_DENSITY) return !densityGiven_ || !densityUnread_.empty();
    return id == IDC_OXY_TOTAL_OXYGEN && anyTicked && !calculation.TotalOxygenDetermined();
}

void SettingsFields::ShowMarks(Tooltip& tooltips, const CalculationData& calculation, bool anyTicked) const {
    tooltips.SetToolText(Item(IDC_OXY_STANDARD),
                         WarningText(calculation, CalculationWarning::Kind::StandardNotFound));
    std::wstring density = WarningText(calculation, CalculationWarning::Kind::NoSampleDensity);
    if (density.empty() && !densityUnread_.empty()) density = UiText(DensityNotANumber(calculation));
    tooltips.SetToolText(Item(IDC_OXY_DENSITY), density);
    const std::wstring total =
        Marked(IDC_OXY_TOTAL_OXYGEN, calculation, anyTicked)
            ? UiText(Message(MessageCode::TotalUndeterminedTip,
                             {Nested(calculation.totalOxygenDoubt), Decimal(calculation.totalOxygen, 4)}))
            : std::wstring();
    tooltips.SetToolText(Item(IDC_OXY_TOTAL_OXYGEN), total);
    for (const int field : kFields) InvalidateRect(Item(field), nullptr, TRUE);
}

bool SettingsFields::Colour(HWND control, HDC dc, LRESULT& brush, const CalculationData& calculation,
                            bool anyTicked) const {
    for (const int field : kFields) {
        if (control != Item(field) || !Marked(field, calculation, anyTicked)) continue;
        SetBkColor(dc, kMarkedField);
        brush = reinterpret_cast<LRESULT>(markBrush_.Get());
        return true;
    }
    return false;
}
