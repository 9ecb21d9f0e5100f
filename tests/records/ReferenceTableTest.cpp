// The change log of a reference table: started at the first read, a change made outside the program
// logged with its differences, a save in the program logged with its reason, and a log whose entries are
// removed or edited found out.
#include "records/ReferenceTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "records/TableChanges.h"
#include "records/TableLog.h"
#include "support/TempFolder.h"

namespace {

const std::string kTable =
    "№;Компонент;Имя;Молярная масса;Плотность\r\n"
    "5;Метанол;Метанол;32.04;791.40\r\n"
    "6;Этанол;Этанол;46.07;789.30\r\n";

class ReferenceTableTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::wstring path = folder.Write(L"CompsTableOxycalc.csv", kTable);
    const TableLog log{path};
};

}  // namespace

TEST_F(ReferenceTableTest, StartsTheLogAtTheFirstReadAndAddsNothingWhileTheTableStaysAsItWas) {
    const TableTracking first = TrackReferenceTable(path);
    EXPECT_EQ(first.version.sha256, Sha256Hex(kTable));
    EXPECT_FALSE(first.changedOutside);
    EXPECT_FALSE(first.version.loggedAt.empty());
    TrackReferenceTable(path);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].event, L"журнал начат");
    EXPECT_EQ(entries[0].previousSha256, "—");
    EXPECT_NE(entries[0].user.find(L'@'), std::wstring::npos);
    EXPECT_EQ(log.Version(Sha256Hex(kTable)), kTable);
    EXPECT_TRUE(CheckTableLog(entries, Sha256Hex(kTable)).intact);
}

TEST_F(ReferenceTableTest, LogsAnEditByHandWithItsDifferencesAndASaveWithItsReason) {
    TrackReferenceTable(path);
    std::string edited = kTable;
    edited.replace(edited.find("789.30"), 6, "793.50");
    WriteBytes(path, edited);
    const TableTracking outside = TrackReferenceTable(path);
    EXPECT_TRUE(outside.changedOutside);

    const std::string saved = edited + "12;ДМК;Диметилкарбонат;90.08;1079.00\r\n";
    WriteBytes(path, saved);
    ASSERT_TRUE(LogTableSave(path, edited, L"добавлен диметилкарбонат\r\nпо заявке 17"));
    EXPECT_FALSE(TrackReferenceTable(path).changedOutside);

    const std::vector<TableLogEntry> entries = log.ReadAll();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].event, L"изменено вне модуля");
    EXPECT_EQ(entries[1].changes, std::vector<std::wstring>{L"строка «6»: Плотность «789.30» → «793.50»"});
    EXPECT_EQ(entries[2].event, L"сохранено в модуле");
    EXPECT_EQ(entries[2].reason, L"добавлен диметилкарбонат  по заявке 17");
    EXPECT_EQ(entries[2].changes,
              std::vector<std::wstring>{L"добавлена строка «12»: 12;ДМК;Диметилкарбонат;90.08;1079.00"});
    EXPECT_EQ(entries[2].fileSha256, Sha256Hex(saved));
    EXPECT_TRUE(CheckTableLog(entries, Sha256Hex(saved)).intact);
}

TEST_F(ReferenceTableTest, ALogWithAnEntryRemovedOrEditedOrBehindItsTableIsBroken) {
    TrackReferenceTable(path);
    WriteBytes(path, kTable + "7;x;x;1;1\r\n");
    TrackReferenceTable(path);
    WriteBytes(path, kTable);
    TrackReferenceTable(path);
    std::vector<TableLogEntry> entries = log.ReadAll();
    ASSERT_EQ(entries.size(), 3u);
    const std::string table = Sha256Hex(kTable);

    std::vector<TableLogEntry> removed = entries;
    removed.erase(removed.begin() + 1);
    TableLogCheck check = CheckTableLog(removed, table);
    EXPECT_FALSE(check.intact);
    EXPECT_EQ(check.brokenEntry, 2u);

    std::vector<TableLogEntry> edited = entries;
    edited[0].text.replace(edited[0].text.find("журнал"), 12, "ЖУРНАЛ");
    EXPECT_EQ(CheckTableLog(edited, table).brokenEntry, 2u);

    entries.pop_back();  // the last entry removed: the table no longer matches the log's end
    check = CheckTableLog(entries, table);
    EXPECT_FALSE(check.intact);
    EXPECT_EQ(check.brokenEntry, 2u);
}

TEST(TableChanges, NamesRowsAddedRemovedAndFieldsChangedByTheirKeyAndCaption) {
    const std::string before = "№;Имя;M\r\n1;a;10\r\n2;b;20\r\n";
    const std::string after = "№;Имя;M\r\n2;b;21\r\n3;c;30\r\n";
    EXPECT_EQ(DescribeTableChanges(before, after),
              (std::vector<std::wstring>{L"строка «2»: M «20» → «21»", L"добавлена строка «3»: 3;c;30",
                                         L"удалена строка «1»: 1;a;10"}));
}

TEST_F(ReferenceTableTest, ALogThatCannotBeWrittenIsToldAndTheTableStillReads) {
    // A folder where the log should be: it cannot be written, as in a folder that is read-only.
    std::filesystem::create_directory(ToFileSystemPath(log.Path()));
    const TableTracking tracking = TrackReferenceTable(path);
    EXPECT_TRUE(tracking.logUnwritable);
    EXPECT_EQ(tracking.version.sha256, Sha256Hex(kTable));
    EXPECT_TRUE(tracking.version.loggedAt.empty());
}

TEST_F(ReferenceTableTest, ASaveAfterAnEditByHandLogsTheEditFirstAndEveryEntryKeepsItsVersion) {
    TrackReferenceTable(path);
    std::string edited = kTable;
    edited.replace(edited.find("789.30"), 6, "793.50");
    const std::string saved = edited + "12;ДМК;Диметилкарбонат;90.08;1079.00\r\n";
    WriteBytes(path, saved);  // the dialog saved over a table edited by hand since the last read
    ASSERT_TRUE(LogTableSave(path, edited, L"добавлен диметилкарбонат"));
    const std::vector<TableLogEntry> entries = log.ReadAll();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].event, L"изменено вне модуля");
    EXPECT_EQ(entries[1].changes, std::vector<std::wstring>{L"строка «6»: Плотность «789.30» → «793.50»"});
    EXPECT_EQ(entries[2].event, L"сохранено в модуле");
    for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].number, i + 1);
    EXPECT_TRUE(CheckTableLog(entries, Sha256Hex(saved)).intact);
    EXPECT_TRUE(CheckTableVersions(log, entries).intact);
    const std::optional<TableLogHead> head = log.Head();
    ASSERT_TRUE(head);
    EXPECT_EQ(head->entries, 3u);
    EXPECT_EQ(head->lastEntrySha256, Sha256Hex(entries[2].text));
    EXPECT_EQ(TrackReferenceTable(path).version.logEntries, 3u);
}

TEST_F(ReferenceTableTest, AChangeHiddenInTheLastEntryOrALogRemovedIsNotTrusted) {
    TrackReferenceTable(path);
    std::string edited = kTable;
    edited.replace(edited.find("789.30"), 6, "700.00");
    WriteBytes(path, edited);
    std::string text = ReadBytes(log.Path());
    text.replace(text.find(Sha256Hex(kTable)), 64, Sha256Hex(edited));
    WriteBytes(log.Path(), text);
    TableTracking tracking = TrackReferenceTable(path);
    EXPECT_FALSE(tracking.changedOutside);
    EXPECT_FALSE(tracking.logProblem.Empty());
    EXPECT_FALSE(log.Version(Sha256Hex(edited)));  // not kept, so that it stays found
    EXPECT_FALSE(TrackReferenceTable(path).logProblem.Empty());
    EXPECT_FALSE(CheckTableVersions(log, log.ReadAll()).intact);

    std::filesystem::remove(ToFileSystemPath(log.Path()));
    tracking = TrackReferenceTable(path);
    EXPECT_FALSE(tracking.logProblem.Empty());
    ASSERT_EQ(log.ReadAll().size(), 1u);
    EXPECT_EQ(log.ReadAll()[0].event, L"журнал начат заново");
    EXPECT_TRUE(TrackReferenceTable(path).logProblem.Empty());  // said once, and kept in the log for good
}

TEST_F(ReferenceTableTest, ALogHoldsTheEntryAReportAnchoredUntilItIsRewritten) {
    TrackReferenceTable(path);
    const TableLogHead anchored = *log.Head();
    WriteBytes(path, kTable + "7;x;x;1;1\r\n");
    TrackReferenceTable(path);
    EXPECT_TRUE(CheckLogHolds(log.ReadAll(), anchored).intact);  // entries added after it do no harm

    std::vector<TableLogEntry> entries = log.ReadAll();
    std::vector<TableLogEntry> rewritten = entries;
    rewritten[0].text.replace(rewritten[0].text.find("журнал"), 12, "ЖУРНАЛ");
    EXPECT_FALSE(CheckLogHolds(rewritten, anchored).intact);
    EXPECT_FALSE(CheckLogHolds({}, anchored).intact);

    // A log written before entries were numbered: the next entry is numbered after counting them.
    std::string old = ReadBytes(log.Path());
    for (size_t at = old.find("Номер записи: "); at != std::string::npos; at = old.find("Номер записи: "))
        old.erase(at, old.find('\n', at) + 1 - at);
    WriteBytes(log.Path(), old);
    EXPECT_EQ(log.Head()->entries, 2u);
    WriteBytes(path, kTable);
    TrackReferenceTable(path);
    EXPECT_EQ(log.ReadAll().back().number, 3u);
}

TEST(TableLogPlace, IsALogBesideItsTableAFileThatReadsAsALogOrAnythingInAVersionsFolder) {
    TempFolder folder;
    folder.Write(L"t.csv", "a;b\r\n");
    EXPECT_TRUE(IsTableLogPlace(folder.File(L"t.csv.log")));
    EXPECT_TRUE(IsTableLogPlace(folder.File(L"t.csv.versions/x.json")));
    EXPECT_FALSE(IsTableLogPlace(folder.File(L"r.log")));
    folder.Write(L"r.log", "=== 2026-12-09T16:05:51Z ===\n");
    EXPECT_TRUE(IsTableLogPlace(folder.File(L"r.log")));
    EXPECT_FALSE(IsTableLogPlace(folder.File(L"r.json")));
}
