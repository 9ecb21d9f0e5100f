#include "platform/ExclusiveFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using Disposition = ExclusiveFile::Disposition;

TEST(ExclusiveFile, CreatesAMissingFileEmptyAndKeepsOtherOpenersOutWhileHeld) {
    TempFolder folder;
    const std::wstring path = folder.File(L"held.csv");
    EXPECT_FALSE(ExclusiveFile(path, Disposition::OpenExisting).IsOpen());
    {
        ExclusiveFile held(path, Disposition::OpenOrCreate);
        ASSERT_TRUE(held.IsOpen());
        std::string bytes = "x";
        ASSERT_TRUE(held.ReadAll(bytes));
        EXPECT_EQ(bytes, "");
        EXPECT_FALSE(ExclusiveFile(path, Disposition::OpenOrCreate).IsOpen());
        ExclusiveFile moved(std::move(held));
        EXPECT_FALSE(ExclusiveFile(path, Disposition::OpenExisting).IsOpen());
    }
    EXPECT_TRUE(ExclusiveFile(path, Disposition::OpenExisting).IsOpen());
}
