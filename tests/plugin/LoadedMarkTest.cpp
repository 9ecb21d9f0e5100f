#include "plugin/LoadedMark.h"

#include <gtest/gtest.h>

#include "win/LibraryModule.h"

namespace {

bool MarkExists() {
    const HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, kLoadedMarkName);
    if (mark == nullptr) return false;
    CloseHandle(mark);
    return true;
}

}  // namespace

// What the setup program looks for before it replaces the library. Other tests running beside this one
// may hold the library too, so only its presence is checked here; the installer's life cycle sees it go.
TEST(LoadedMark, ExistsWhileOxycalcDllIsLoaded) {
    const std::wstring self = ModuleFileName(nullptr);
    const LibraryModule module(self.substr(0, self.find_last_of(L'\\')) + L"\\oxycalc.dll");
    ASSERT_TRUE(module);
    EXPECT_TRUE(MarkExists());
}
