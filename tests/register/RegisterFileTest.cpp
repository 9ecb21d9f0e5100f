#include "register/RegisterFile.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/DurableFile.h"
#include "support/TempFolder.h"

namespace {

RegisterEntry Issue(uint64_t counter) {
    RegisterEntry entry;
    entry.utc = L"2026-03-14T10:12:30Z";
    entry.event = RegisterEvent::Issued;
    entry.counter = counter;
    entry.number = L"ОХ-2026-" + std::to_wstring(counter);
    entry.sample = L"АИ-95";
    return entry;
}

// A register begun with the counter at 16 and `issues` numbers given.
RegisterRead Begun(const RegisterFile& file, int issues) {
    RegisterEntry start;
    start.utc = L"2026-03-14T10:00:00Z";
    start.pattern = L"ОХ-{YYYY}-{NNNNN}";
    start.counter = 16;
    std::wstring why;
    EXPECT_TRUE(file.Create(start, why));
    RegisterRead read = file.Read();
    for (int i = 0; i < issues; ++i) {
        EXPECT_TRUE(file.Append(Issue(read.counter + 1), read, why)) << why;
        read = file.Read();
    }
    return read;
}

void Replace(const std::wstring& path, const std::string& from, const std::string& to) {
    std::string text = ReadBytes(path);
    text.replace(text.find(from), from.size(), to);
    WriteBytes(path, text);
}

}  // namespace

// Each entry carries the digest of the one before: an entry edited, removed or given a counter out of turn
// is found, at the first entry that no longer holds.
TEST(RegisterFile, ChainsEachEntryToTheOneBeforeAndNamesTheFirstThatDoesNot) {
    const TempFolder folder;
    const RegisterFile file(folder.File(L"RegisterOxycalc.txt"));
    const RegisterRead read = Begun(file, 3);
    ASSERT_TRUE(read.Holds());
    EXPECT_EQ(read.entries, 4u);
    EXPECT_EQ(read.counter, 19u);
    EXPECT_EQ(read.last->number, L"ОХ-2026-19");
    std::wstring why;
    EXPECT_FALSE(file.Create(RegisterEntry(), why)) << "begun a second time";
    const std::string whole = ReadBytes(file.Path());

    Replace(file.Path(), "Проба: АИ-95", "Проба: АИ-98");
    RegisterRead edited = file.Read();
    EXPECT_EQ(edited.problem.code, MessageCode::RegisterChainBroken);
    EXPECT_EQ(edited.brokenEntry, 3u);  // the entry after the one edited
    EXPECT_EQ(edited.entries, 2u);

    WriteBytes(file.Path(), whole);
    const size_t second = whole.find("=== ", 1);
    const size_t third = whole.find("=== ", second + 1);
    WriteBytes(file.Path(), whole.substr(0, second) + whole.substr(third));
    EXPECT_EQ(file.Read().brokenEntry, 2u);

    WriteBytes(file.Path(), whole);
    RegisterRead ahead = file.Read();
    ahead.counter += 1;  // a number skipped
    ASSERT_TRUE(file.Append(Issue(ahead.counter + 1), ahead, why));
    EXPECT_EQ(file.Read().problem.code, MessageCode::RegisterCounterOutOfTurn);
    EXPECT_EQ(file.Read().brokenEntry, 5u);
}

// An append cut short (a process killed, power lost) is no entry: read as a torn tail it never took effect
// and is cut off; text after the last entry that begins no entry is a fault of the register.
TEST(RegisterFile, AnAppendCutShortIsCutOffAndAnythingElseAfterTheLastEntryIsAFault) {
    const TempFolder folder;
    const RegisterFile file(folder.File(L"RegisterOxycalc.txt"));
    const RegisterRead whole = Begun(file, 1);
    const std::string entry = RegisterEntryText(Issue(18));
    for (const size_t cut : {size_t{2}, entry.size() / 2, entry.size() - 1}) {
        ASSERT_TRUE(AppendDurably(file.Path(), entry.substr(0, cut)));
        const RegisterRead torn = file.Read();
        EXPECT_TRUE(torn.Holds()) << cut;
        EXPECT_TRUE(torn.tornTail) << cut;
        EXPECT_EQ(torn.entries, 2u);
        EXPECT_EQ(torn.wholeBytes, whole.wholeBytes);
        std::wstring why;
        ASSERT_TRUE(file.CutTornTail(torn, why)) << why;
        EXPECT_FALSE(file.Read().tornTail);
    }
    ASSERT_TRUE(AppendDurably(file.Path(), "примечание от руки\n"));
    EXPECT_EQ(file.Read().problem.code, MessageCode::RegisterNotAnEntry);
    WriteBytes(file.Path(), "");
    EXPECT_EQ(file.Read().problem.code, MessageCode::RegisterEmpty);
}
