#include "win/WindowSubclass.h"

#include <commctrl.h>

#include "win/Firewall.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x0C0A;
}

WindowSubclass::~WindowSubclass() {
    Detach();
}

void WindowSubclass::Attach(HWND hwnd) {
    Detach();
    hwnd_ = hwnd;
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void WindowSubclass::Detach() {
    if (hwnd_ == nullptr) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

LRESULT WindowSubclass::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT WindowSubclass::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
    auto* self = reinterpret_cast<WindowSubclass*>(data);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->Detach();
        Firewall("OnFinalMessage", 0, [self] {
            self->OnFinalMessage();
            return 0;
        });
        return result;
    }
    return Firewall("WindowProc", LRESULT{0}, [&] { return self->WindowProc(message, wParam, lParam); });
}
