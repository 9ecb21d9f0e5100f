#include "platform/FolderLock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "platform/FileSystemPath.h"
#include "platform/UserIdentity.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using State = FolderLock::State;

std::string LockText(const std::string& pid, const std::string& start, const std::string& who) {
    return "oxycalc: папка занята пакетным расчётом\npid " + pid + "\nstart " + start + "\nwho " + who +
           "\nsince 1710407520\n";
}

std::string Here() {
    return ToUtf8(UserAtComputer());
}

}  // namespace

// One process at a time; the holder is named, and the lock is given back with its file.
TEST(FolderLock, HoldsAFolderForOneHolderAtATimeAndNamesIt) {
    const TempFolder folder;
    auto first = std::make_unique<FolderLock>(folder.Path());
    ASSERT_EQ(first->Take(0ms), State::Taken);
    EXPECT_TRUE(first->StillHeld());
    ASSERT_TRUE(FileExists(folder.File(FolderLock::kFileName)));
    FolderLock second(folder.Path());
    EXPECT_EQ(second.Take(0ms), State::Held);
    EXPECT_EQ(second.Holder().who, UserAtComputer());
    EXPECT_GT(second.Holder().pid, 0);
    EXPECT_GT(second.Holder().since, 1700000000);
    EXPECT_FALSE(second.HolderElsewhere());
    EXPECT_FALSE(second.StillHeld());
    first.reset();
    EXPECT_FALSE(FileExists(folder.File(FolderLock::kFileName)));
    EXPECT_EQ(second.Take(0ms), State::Taken);
}

// The second waits, told once who holds the folder, and takes it when the first gives it back.
TEST(FolderLock, WaitsForTheHolderToGiveTheFolderBack) {
    const TempFolder folder;
    auto first = std::make_unique<FolderLock>(folder.Path());
    ASSERT_EQ(first->Take(0ms), State::Taken);
    std::thread giveBack([&first] {
        std::this_thread::sleep_for(600ms);
        first.reset();
    });
    FolderLock second(folder.Path());
    int told = 0;
    const State state = second.Take(20s, [&told](const FolderLockHolder&) { ++told; });
    giveBack.join();
    EXPECT_EQ(state, State::Taken);
    EXPECT_EQ(told, 1);
}

// A lock whose process is gone, or whose process id now belongs to a process started later, or a lock
// file a dying process left empty long ago, is stale; one from another computer cannot be checked.
TEST(FolderLock, TakesOverAStaleLockButNotOneFromAnotherComputer) {
    const TempFolder folder;
    const std::wstring path = folder.File(FolderLock::kFileName);
    for (const std::string& stale : {LockText("2147483000", "", Here()), LockText("1", "1:1", Here())}) {
        WriteBytes(path, stale);
        FolderLock lock(folder.Path());
        EXPECT_EQ(lock.Take(0ms), State::Taken) << stale;
    }
    EXPECT_FALSE(FileExists(path));

    WriteBytes(path, "");
    FolderLock empty(folder.Path());
    EXPECT_EQ(empty.Take(0ms), State::Held);  // its maker may be writing it still
    EXPECT_EQ(empty.Holder().who, L"");
    std::filesystem::last_write_time(ToFileSystemPath(path),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
    EXPECT_EQ(empty.Take(0ms), State::Taken);
    EXPECT_TRUE(empty.StillHeld());

    const TempFolder other;
    WriteBytes(other.File(FolderLock::kFileName), LockText("2147483000", "", "ivanov@ДРУГОЙ-ПК"));
    FolderLock elsewhere(other.Path());
    EXPECT_EQ(elsewhere.Take(300ms), State::Held);
    EXPECT_TRUE(elsewhere.HolderElsewhere());
    EXPECT_EQ(elsewhere.Holder().who, L"ivanov@ДРУГОЙ-ПК");
    EXPECT_EQ(elsewhere.Holder().pid, 2147483000);
    EXPECT_EQ(elsewhere.Holder().since, 1710407520);
}

// A holder whose lock was taken over knows it, and gives back nothing that is not its own.
TEST(FolderLock, AHolderKnowsWhenItsLockIsNoLongerItsOwn) {
    const TempFolder folder;
    const std::wstring path = folder.File(FolderLock::kFileName);
    {
        FolderLock lock(folder.Path());
        ASSERT_EQ(lock.Take(0ms), State::Taken);
        WriteBytes(path, LockText("2147483000", "", "ivanov@ДРУГОЙ-ПК"));
        EXPECT_FALSE(lock.StillHeld());
    }
    EXPECT_TRUE(FileExists(path));
}

TEST(FolderLock, FailsWithTheSystemsReasonWhereNoFileCanBeMade) {
    const TempFolder folder;
    FolderLock lock(folder.File(L"нет такой папки"));
    EXPECT_EQ(lock.Take(0ms), State::Failed);
    EXPECT_FALSE(lock.Why().empty());
}
