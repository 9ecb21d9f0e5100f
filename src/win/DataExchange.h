#pragma once

#include <windows.h>

#include <string>

// Moving values between a dialog's controls and its members, in both directions.
namespace DataExchange {

std::wstring Text(HWND control);
// Replaces the control's text only when it differs, so that an unchanged field raises no change
// notification and keeps its caret.
void ShowText(HWND control, const std::wstring& text);
// Reads a decimal number; when the text is not one, warns the user, puts the focus into the field and
// returns false, leaving `value` as it was.
bool TakeDouble(HWND control, double& value);
// The shortest form with up to 15 significant digits.
void ShowDouble(HWND control, double value);

}  // namespace DataExchange
