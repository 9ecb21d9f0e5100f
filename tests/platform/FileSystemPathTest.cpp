#include "platform/FileSystemPath.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

// The components file counts as missing unless a file of that name is there: a folder of that name
// or an empty path (no public documents folder) must not pass for it.
TEST(FileExists, OnlyForAFileWithCyrillicNamesToo) {
    const TempFolder folder;
    const std::wstring file = folder.Write(L"Таблица.csv", "1");
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(FromFileSystemPath(ToFileSystemPath(file)), file);
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.File(L"нет.csv")));
    EXPECT_FALSE(FileExists(L""));
}
