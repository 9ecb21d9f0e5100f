#pragma once

#include <windows.h>

// Takes over the messages of an existing window (a control of a dialog template) and hands them to a
// C++ object. The subclass is removed when the window is destroyed or the object goes.
class WindowSubclass {
public:
    WindowSubclass() = default;
    virtual ~WindowSubclass();
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    void Attach(HWND hwnd);
    void Detach();
    HWND Handle() const { return hwnd_; }

protected:
    // Every message of the window; call DefaultProc for what is not handled.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone; the object may delete itself here.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    HWND hwnd_ = nullptr;
};
