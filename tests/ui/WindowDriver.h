#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/MessageBoxAnswerer.h"

// Runs `script` with the modal dialog that `openModal` opens, from inside its own message loop.
void WithModalDialog(int markerControl, const std::function<void(HWND)>& script,
                     const std::function<void()>& openModal);
// Delivers posted and sent messages the way a dialog's message loop does, until the queue is empty.
void PumpDialogMessages(HWND dialog);
void Click(HWND dialog, int id);
// A key pressed and released in `window`, through the dialog's keyboard handling.
void PressKey(HWND dialog, HWND window, UINT key);
// Gives an edit of a shown dialog the keyboard focus, selects its whole text and types the
// characters one by one ("\b" is a backspace), as the keyboard would.
void TypeInto(HWND dialog, int id, const std::wstring& keys);
// A key pressed and released in the window that has the focus, through the dialog's keyboard
// handling; with shift, Shift is held down meanwhile.
void PressFocusedKey(HWND dialog, UINT key, bool shift = false);
// Characters typed one by one, each into whichever window has the focus when it comes.
void TypeKeys(HWND dialog, const std::wstring& characters);
// Alt with a letter, as the keyboard gives it to the window that has the focus.
void PressAltKey(HWND dialog, wchar_t letter);
