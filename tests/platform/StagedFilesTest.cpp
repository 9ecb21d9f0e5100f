#include "platform/StagedFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystemPath.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

size_t FilesIn(const std::wstring& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ToFileSystemPath(folder))) {
        (void)entry;
        ++count;
    }
    return count;
}

}  // namespace

TEST(StagedFiles, PutsEveryFileInPlaceTogetherOrLeavesThePreviousOnes) {
    TempFolder folder;
    const std::wstring report = folder.Write(L"отчёт.json", "previous");
    const std::wstring table = folder.File(L"отчёт.csv");
    {
        StagedFiles staged;
        const std::wstring first = staged.Stage(report);
        const std::wstring second = staged.Stage(table);
        ASSERT_FALSE(first.empty());
        EXPECT_NE(first, second);
        EXPECT_EQ(ToFileSystemPath(first).parent_path(), ToFileSystemPath(report).parent_path());
        WriteBytes(first, "new");
        // Not committed: the previous file stays, the temporary ones go.
    }
    EXPECT_EQ(ReadBytes(report), "previous");
    EXPECT_EQ(FilesIn(folder.Path()), 1u);

    StagedFiles staged;
    WriteBytes(staged.Stage(report), "new");
    WriteBytes(staged.Stage(table), "rows");
    ASSERT_TRUE(staged.Commit());
    EXPECT_EQ(ReadBytes(report), "new");
    EXPECT_EQ(ReadBytes(table), "rows");
    EXPECT_EQ(FilesIn(folder.Path()), 2u);
    std::wstring why;
    EXPECT_TRUE(staged.Stage(folder.File(L"нет/файл.csv"), &why).empty());
    EXPECT_FALSE(why.empty());
}

#ifndef _WIN32
TEST(StagedFiles, AFileInPlaceIsReadableAsANewFileWouldBe) {
    TempFolder folder;
    const mode_t mask = umask(022);
    StagedFiles staged;
    WriteBytes(staged.Stage(folder.File(L"new.json")), "{}");
    ASSERT_TRUE(staged.Commit());
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat(ToUtf8(folder.File(L"new.json")).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(StagedFiles, AnInterruptedRunLeavesNoTemporaryFile) {
    TempFolder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstallInterruptCleanup();
        StagedFiles staged;
        WriteBytes(staged.Stage(folder.File(L"r.json")), "half");
        raise(SIGINT);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    EXPECT_EQ(FilesIn(folder.Path()), 0u);
}
#endif
