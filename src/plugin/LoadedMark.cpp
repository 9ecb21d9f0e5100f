#include "plugin/LoadedMark.h"

// In the global namespace, so that a setup program run in another session sees it too.
const wchar_t kLoadedMarkName[] = L"Global\\oxycalc-plugin-loaded";

// A mark that cannot be made only means the setup program cannot tell: the plug-in works all the same.
LoadedMark::LoadedMark() : mutex_(CreateMutexW(nullptr, FALSE, kLoadedMarkName)) {}

LoadedMark::~LoadedMark() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
}
