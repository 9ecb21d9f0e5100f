#pragma once

#include <windows.h>

// An icon loaded by this program (not a shared one): destroyed with the object.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) : icon_(icon) {}
    ~IconHandle() { Reset(); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    IconHandle(IconHandle&& other) noexcept : icon_(other.icon_) { other.icon_ = nullptr; }
    IconHandle& operator=(IconHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            icon_ = other.icon_;
            other.icon_ = nullptr;
        }
        return *this;
    }

    HICON Get() const { return icon_; }
    void Reset() {
        if (icon_ != nullptr) DestroyIcon(icon_);
        icon_ = nullptr;
    }

private:
    HICON icon_ = nullptr;
};

// A square icon of a module in the given size, not shared; empty when the module has none.
IconHandle LoadIconOfSize(HINSTANCE module, int id, int size);
// A shared icon (the system keeps and frees it) in the given size; null when missing.
HICON LoadSharedIcon(HINSTANCE module, int id, int size);
