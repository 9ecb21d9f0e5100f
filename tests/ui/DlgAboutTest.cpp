#include <windows.h>

#include <gtest/gtest.h>

#include "WindowDriver.h"
#include "res/ResourceIds.h"
#include "ui/DlgAbout.h"

namespace {

TEST(DlgAbout, ShowsVersionAndAReadOnlyTitleTheSameEachTime) {
    for (int opening = 0; opening < 2; ++opening) {
        DlgAbout about;
        std::wstring version, title;
        LONG_PTR titleStyle = 0;
        HICON picture = nullptr;
        WithModalDialog(
            IDC_OXY_ABOUT_TITLE,
            [&](HWND dialog) {
                version = WindowText(GetDlgItem(dialog, IDC_OXY_ABOUT_VERSION));
                title = WindowText(GetDlgItem(dialog, IDC_OXY_ABOUT_TITLE));
                titleStyle = GetWindowLongPtrW(GetDlgItem(dialog, IDC_OXY_ABOUT_TITLE), GWL_STYLE);
                picture = reinterpret_cast<HICON>(
                    SendDlgItemMessageW(dialog, IDC_OXY_ABOUT_ICON, STM_GETICON, 0, 0));
                Click(dialog, IDOK);
            },
            [&] { about.Run(nullptr); });
        EXPECT_EQ(version, L"Плагин 207 Версия: 1.1.1.0");
        EXPECT_EQ(title,
                  L"Veltar: Определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012");
        EXPECT_TRUE(titleStyle & ES_READONLY);
        EXPECT_NE(picture, nullptr);
    }
}

}  // namespace
