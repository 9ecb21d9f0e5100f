#include "platform/PublicDocuments.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include "platform/ScopedEnvironment.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

TEST(PublicDocuments, PrefersTheVariableThenXdgThenPublicInHome) {
    TempFolder config;
    WriteBytes(config.File(L"user-dirs.dirs"),
               "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
               "XDG_PUBLICSHARE_DIR=\"$HOME/Общие\"\n");
    const std::string configPath = ToUtf8(config.File(L""));
    ScopedEnvironment home("HOME", "/home/анна");
    ScopedEnvironment xdg("XDG_CONFIG_HOME", configPath.c_str());
    {
        ScopedEnvironment variable("OXYCALC_PUBLIC_DOCUMENTS", "/srv/shared/");
        EXPECT_EQ(PublicDocumentsFolder(), L"/srv/shared");
    }
    ScopedEnvironment variable("OXYCALC_PUBLIC_DOCUMENTS", nullptr);
    EXPECT_EQ(PublicDocumentsFolder(), L"/home/анна/Общие");
    WriteBytes(config.File(L"user-dirs.dirs"), "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
    EXPECT_EQ(PublicDocumentsFolder(), L"/home/анна/Public");
}

#else

TEST(PublicDocuments, IsTheShellsKnownFolder) {
    const std::wstring folder = PublicDocumentsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
}

#endif
