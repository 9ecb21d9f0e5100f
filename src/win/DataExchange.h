#pragma once

#include <windows.h>

#include <string>

// Moving values between a dialog's controls and its members, in both directions.
namespace DataExchange {

std::wstring Text(HWND control);
// Replaces the control's text only when it differs, so that an unchanged field raises no change
// notification and keeps its caret.
void ShowText(HWND control, const std::wstring& text);
// A field whose text should be a number and is none: the user is warned, and the focus goes into the
// field with its text selected, where the exchange stopped.
void WarnNotANumber(HWND control);
// The shortest form with up to 15 significant digits.
void ShowDouble(HWND control, double value);

}  // namespace DataExchange
