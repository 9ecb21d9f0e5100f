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

// A report must never be written over an input or another output, however the paths are spelt.
TEST(SameFile, SeesOneFileBehindDifferentSpellingsAlsoBeforeItExists) {
    const TempFolder folder;
    const std::wstring data = folder.Write(L"Данные.csv", "1");
    std::wstring inner = folder.File(L"папка");
    std::filesystem::create_directory(ToFileSystemPath(inner));
    EXPECT_TRUE(SameFile(data, folder.File(L"папка/../Данные.csv")));
    EXPECT_TRUE(SameFile(folder.File(L"новый.json"), folder.File(L"./папка/../новый.json")));
    EXPECT_FALSE(SameFile(data, folder.File(L"новый.json")));
    EXPECT_FALSE(SameFile(data, L""));
#ifdef _WIN32
    EXPECT_TRUE(SameFile(folder.File(L"Report.json"), folder.File(L"report.JSON")));
#endif
}
