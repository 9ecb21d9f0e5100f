#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Answers every message box of this thread at once and keeps its caption and text. Answers are taken
// from the queue in order; when it is empty a box is answered with OK.
class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
    };

    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<Box> boxes;
    std::vector<int> answers;

    std::vector<std::wstring> Texts() const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
};

// Runs `script` with the modal dialog that `openModal` opens, from inside its own message loop.
void WithModalDialog(int markerControl, const std::function<void(HWND)>& script,
                     const std::function<void()>& openModal);
// Delivers posted and sent messages the way a dialog's message loop does, until the queue is empty.
void PumpDialogMessages(HWND dialog);
std::wstring WindowText(HWND window);
void Click(HWND dialog, int id);
// A key pressed and released in `window`, through the dialog's keyboard handling.
void PressKey(HWND dialog, HWND window, UINT key);
