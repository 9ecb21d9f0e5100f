#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Answers every message box of this thread at once and keeps its caption and text. Answers are taken
// from the queue in order; when it is empty a box is answered with OK (No where it asks Yes or No). A test
// that opens a window of the plug-in keeps one, so that an unexpected box fails the test instead of waiting
// for a click.
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

std::wstring WindowText(HWND window);
