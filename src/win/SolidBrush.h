#pragma once

#include <windows.h>

// A GDI brush of one colour, deleted with the object.
class SolidBrush {
public:
    explicit SolidBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
    ~SolidBrush() {
        if (brush_ != nullptr) DeleteObject(brush_);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;

    HBRUSH Get() const { return brush_; }

private:
    HBRUSH brush_;
};
