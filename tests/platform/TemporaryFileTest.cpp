#include "platform/TemporaryFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystemPath.h"
#include "support/TempFolder.h"

TEST(TemporaryFile, CreatesAnEmptyFileWithANewNameFromThePrefixEachTime) {
    EXPECT_FALSE(TemporaryFolder().empty());
    const TempFolder folder;
    const std::wstring first = CreateTemporaryFile(folder.Path(), L"vlt");
    const std::wstring second = CreateTemporaryFile(folder.Path(), L"vlt");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    for (const std::wstring& path : {first, second}) {
        const std::filesystem::path file = ToFileSystemPath(path);
        EXPECT_EQ(std::filesystem::file_size(file), 0u);
        EXPECT_EQ(FromFileSystemPath(file.filename()).substr(0, 3), L"vlt");
        EXPECT_EQ(FromFileSystemPath(file.extension()), L".tmp");
    }
}

TEST(TemporaryFile, GivesNoNameWhereNoFileCanBeCreated) {
    const TempFolder folder;
    EXPECT_EQ(CreateTemporaryFile(folder.File(L"missing"), L"vlt"), L"");
}
