// The dialogs' tests run in one Windows process with the plug-in's resources linked in.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "win/Resources.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetOwnModule(GetModuleHandleW(nullptr));
    SetResourceModule(GetModuleHandleW(nullptr));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
