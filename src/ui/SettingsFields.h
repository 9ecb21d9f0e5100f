#pragma once

#include <windows.h>

#include <string>

#include "calc/CalculationData.h"
#include "messages/Message.h"
#include "win/SolidBrush.h"

class Dialog;
class Tooltip;

// What raised a recalculation: a keystroke in a settings field says nothing in a box, which would take the
// keys that follow; every other recalculation says in a box what the commands have always said in one.
enum class Raised { ByCommand, ByTyping };

// The settings group of the main dialog: the standard (1007), the sample density (1004) and the total
// organically bound oxygen (1006), taken into a calculation and shown from it, and what the user typed
// there: a density that is no number, an empty one. A view of the dialog's fields, which the dialog owns.
class SettingsFields {
public:
    explicit SettingsFields(const Dialog& dialog) : dialog_(dialog) {}

    // Takes the standard and the density into the calculation. An empty density, or the 1 put into an
    // empty one, calculates with 1 and is not given. A density that is no number leaves the one before and
    // gives false; outside typing the exchange stops at the field with its warning box, while typing the
    // field is marked and the warning list says so instead.
    bool Take(CalculationData& calculation, Raised raised);
    // Whether the user gave the density taken last.
    bool DensityGiven() const { return densityGiven_; }

    // Shows the calculation's standard, density and total (0 while nothing is ticked, "не определено"
    // while it is no result). A field being typed into keeps its text as typed: rewriting it in its
    // shortest form would move the caret and swallow a decimal point ("745." is 745) or a digit ("745"
    // typed into an emptied field that showed 1); it is shown so when it loses the focus (Left).
    void Show(const CalculationData& calculation, bool anyTicked);
    void Left(int id, const CalculationData& calculation);
    // Whether the text change of a field comes from the user; the exchange's own changes are not edits.
    bool Typed(int id);

    // The density field's text while it is no number, as a line of the warning list; empty otherwise.
    Message DensityNotANumber(const CalculationData& calculation) const;
    // Marks the fields a warning is about (a standard that names no component, a density not given or
    // no number, a total that is no result), each with its warning as its tip.
    void ShowMarks(Tooltip& tooltips, const CalculationData& calculation, bool anyTicked) const;
    // The background of a marked field; false for any other control.
    bool Colour(HWND control, HDC dc, LRESULT& brush, const CalculationData& calculation,
                bool anyTicked) const;

private:
    HWND Item(int id) const;
    bool Marked(int id, const CalculationData& calculation, bool anyTicked) const;
    void ShowDensity(const CalculationData& calculation);

    const Dialog& dialog_;
    bool showing_ = false;
    bool densityGiven_ = true;
    bool densityFilledIn_ = false;  // the field shows the 1 the exchange put into it when it was empty
    std::wstring densityUnread_;    // the field's text while it is no number
    SolidBrush markBrush_{RGB(255, 214, 214)};
};
