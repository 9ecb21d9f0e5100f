#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "data/CVeltarFile4.h"

// The host's window for one chromatogram file: each channel's signal against time in minutes, with
// the peak marks and names of the file's tables. Windows stay open until the user closes them.
class ChromatogramWindows {
public:
    ChromatogramWindows();
    ~ChromatogramWindows();
    ChromatogramWindows(const ChromatogramWindows&) = delete;
    ChromatogramWindows& operator=(const ChromatogramWindows&) = delete;

    // Reads the file and opens its window; false (and nothing opened) when the file does not read.
    bool Open(HWND owner, const std::wstring& path);
    size_t Count() const { return windows_.size(); }

private:
    struct Window;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Forget(Window* window);

    std::vector<std::unique_ptr<Window>> windows_;
};
