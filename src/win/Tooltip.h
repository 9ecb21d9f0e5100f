#pragma once

#include <windows.h>

#include <string>

// A balloon tooltip control owned by this object, with one tool per control of its dialog.
class Tooltip {
public:
    Tooltip() = default;
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // A balloon that also shows over inactive windows; false when the control cannot be made.
    bool Create(HWND dialog);
    bool Exists() const { return hwnd_ != nullptr; }
    HWND Handle() const { return hwnd_; }
    void AddTool(HWND control, const std::wstring& text);
    // Replaces the text of a control's tool; an empty text shows no tip.
    void SetToolText(HWND control, const std::wstring& text);
    void Activate(bool active);
    // Hands the tooltip a mouse message of the window under the cursor, so that it shows over controls
    // that do not pass their mouse messages on (push buttons inside a dialog).
    void Relay(HWND window, UINT mouseMessage);
    // The text of a control's tool; empty when there is none.
    std::wstring ToolText(HWND control) const;

private:
    HWND hwnd_ = nullptr;
    HWND dialog_ = nullptr;
};
