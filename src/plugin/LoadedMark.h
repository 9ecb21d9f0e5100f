#pragma once

#include <windows.h>

// A named object that exists while oxycalc.dll is loaded in any process: the setup program and the
// uninstaller look for it and ask for the host to be closed, rather than replace or remove a library in
// use (Windows refuses to, and under Wine the host would go on with a library that changed under it).
// The name is also the setup program's (installer/oxycalc.nsi).
extern const wchar_t kLoadedMarkName[];

class LoadedMark {
public:
    LoadedMark();
    ~LoadedMark();
    LoadedMark(const LoadedMark&) = delete;
    LoadedMark& operator=(const LoadedMark&) = delete;

private:
    HANDLE mutex_ = nullptr;
};
