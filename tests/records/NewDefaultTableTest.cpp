// A new default table the setup program put beside a lab's components table: its differences are said in
// every calculation and logged once, until the lab saves its table or removes the default.
#include "records/NewDefaultTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "calc/CalculationWarning.h"
#include "calc/Recalculation.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/LastReadComponents.h"
#include "records/TableLog.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"
#include "tables/ComponentsTable.h"
#include "tables/NotSet.h"

namespace {

const std::string kHeader = "№;Компонент;Имя;Молярная масса;Плотность\r\n";
// A lab's table of an earlier version: densities at 20 °C, and a component of its own.
const std::string kLabTable = kHeader +
                              "5;Метанол;Метанол;32.04;791.40\r\n"
                              "6;Этанол;Этанол;46.07;789.30\r\n"
                              "12;Ацетон;Ацетон;58.08;784.50\r\n";
const std::string kNewDefault = kHeader +
                                "5;Метанол;Метанол;32.04;795.97\r\n"
                                "6;Этанол;Этанол;46.07;793.50\r\n"
                                "9;1-Пропанол;Пропан-1-ол;60.10;807.72\r\n";

class NewDefaultTableTest : public ::testing::Test {
protected:
    NewDefaultTableTest() {
        table.path = folder.Write(L"CompsTableOxycalc.csv", kLabTable);
        folder.Write(L"CompsTableOxycalc.default.csv", kNewDefault);
    }

    // What a fresh read says: each calculation reads the table anew.
    ComponentsSnapshot Read() { return LastReadComponents().Reload(table); }

    std::vector<TableLogEntry> DefaultEntries() const {
        std::vector<TableLogEntry> entries;
        for (const TableLogEntry& entry : TableLog(table.path).ReadAll()) {
            if (entry.event.rfind(L"новая таблица по умолчанию: ", 0) == 0) entries.push_back(entry);
        }
        return entries;
    }

    TempFolder folder;
    ComponentsTable table;
    const std::wstring defaultPath = folder.File(L"CompsTableOxycalc.default.csv");
    const std::wstring differences =
        L"«Метанол» — плотность 791.40 (в новой 795.97); «Этанол» — плотность 789.30 (в новой 793.50)";
};

Component Row(const wchar_t* peakName, double molarMass, double density, int32_t oxygenAtoms = 1) {
    return {1, peakName, peakName, molarMass, density, oxygenAtoms};
}

}  // namespace

TEST(NewDefaultTable, LiesBesideTheTableUnderTheSameNameWithDefault) {
    EXPECT_EQ(DefaultTablePath(L"/lab/CompsTableOxycalc.csv"), L"/lab/CompsTableOxycalc.default.csv");
    EXPECT_EQ(DefaultTablePath(L"/lab/components.txt"), L"/lab/components.default.csv");
}

TEST(NewDefaultTable, NamesEachSharedComponentWhoseConstantsDifferWithBothValues) {
    const std::vector<Component> lab{Row(L"ЭТАНОЛ", 46.07, 789.3), Row(L"ДМК", 90.08, NotSet, 1),
                                     Row(L"Метанол", 32.04, 791.401), Row(L"Ацетон", 58.08, 784.5),
                                     Row(L"МТБЭ", 88.15, 745.82)};
    const std::vector<Component> defaults{Row(L"этанол", 46.07, 793.5), Row(L"ДМК", 90.07, 1069.1, 3),
                                          Row(L"Метанол", 32.04, 791.4), Row(L"МТБЭ", 88.15, 745.82)};
    EXPECT_EQ(Russian(DescribeDefaultDifferences(lab, defaults)),
              (std::vector<std::wstring>{
                  L"«ЭТАНОЛ» — плотность 789.30 (в новой 793.50)",
                  L"«ДМК» — молярная масса 90.08 (в новой 90.07), плотность — (в новой 1069.10), атомов O 1 "
                  L"(в новой 3)",
                  L"«Метанол» — плотность 791.401 (в новой 791.40)"}));
}

TEST_F(NewDefaultTableTest, IsSaidInEveryCalculationAndLoggedOnceUntilTheLabSavesItsTable) {
    LastReadComponents components;
    const ComponentsSnapshot first = components.Reload(table);
    EXPECT_EQ(first.newDefault.path, defaultPath);
    EXPECT_EQ(Russian(first.newDefault.differences), differences);
    EXPECT_TRUE(components.NewDefaultLogged());
    // The report anchors the log where the entry left it.
    const TableLog log(table.path);
    EXPECT_EQ(first.tracking.version.logEntries, log.Head()->entries);
    EXPECT_EQ(first.tracking.version.logLastEntrySha256, log.Head()->lastEntrySha256);

    const ComponentsSnapshot second = components.Reload(table);
    EXPECT_EQ(second.newDefault.path, defaultPath);
    EXPECT_FALSE(components.NewDefaultLogged());
    EXPECT_FALSE(Read().newDefault.loggedNow);
    const CalculationData data = Recalculate({L"", 745.0, true}, second, {}, std::nullopt);
    const auto expected = std::find_if(
        data.warnings.begin(), data.warnings.end(),
        [](const CalculationWarning& w) { return w.kind == CalculationWarning::Kind::NewDefaultTable; });
    ASSERT_NE(expected, data.warnings.end());
    EXPECT_EQ(std::count_if(data.warnings.begin(), data.warnings.end(),
                            [](const CalculationWarning& w) {
                                return w.kind == CalculationWarning::Kind::NewDefaultTable;
                            }),
              1);
    EXPECT_EQ(expected->subject, defaultPath);
    EXPECT_EQ(Russian(expected->detail), differences);
    EXPECT_NE(expected->Text(Language::Russian).find(L"791.40 (в новой 795.97)"), std::wstring::npos);

    const std::vector<TableLogEntry> entries = DefaultEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].event, L"новая таблица по умолчанию: CompsTableOxycalc.default.csv");
    EXPECT_EQ(entries[0].changes,
              (std::vector<std::wstring>{L"SHA-256 таблицы по умолчанию: " + FromUtf8(Sha256Hex(kNewDefault)),
                                         L"«Метанол» — плотность 791.40 (в новой 795.97)",
                                         L"«Этанол» — плотность 789.30 (в новой 793.50)"}));
    EXPECT_EQ(entries[0].fileSha256, Sha256Hex(kLabTable));
    // The entry changes nothing of the table: its history still checks.
    EXPECT_TRUE(CheckTableLog(log.ReadAll(), Sha256Hex(kLabTable)).intact);
    EXPECT_TRUE(CheckTableVersions(log, log.ReadAll()).intact);

    // The lab looked and keeps its values: a save in the program answers this default, also for a dialog
    // that found it before (its log's head moved on).
    ASSERT_TRUE(LogTableSave(table.path, kLabTable, L"плотности лаборатории проверены"));
    EXPECT_TRUE(components.Reload(table).newDefault.path.empty());
    EXPECT_TRUE(Read().newDefault.path.empty());

    // A later default differs again: said and logged anew.
    WriteBytes(defaultPath, kNewDefault + "10;Этанол;Этанол;46.07;794.00\r\n");
    const ComponentsSnapshot later = components.Reload(table);
    EXPECT_EQ(later.newDefault.path, defaultPath);
    EXPECT_TRUE(components.NewDefaultLogged());
    EXPECT_EQ(DefaultEntries().size(), 2u);

    std::filesystem::remove(ToFileSystemPath(defaultPath));
    EXPECT_TRUE(components.Reload(table).newDefault.path.empty());
}

TEST_F(NewDefaultTableTest, ADefaultThatAgreesOnEverySharedComponentIsNoNews) {
    // The lab's own component and a component only the default has are no difference.
    WriteBytes(defaultPath,
               kHeader + "6;Этанол;Этиловый спирт;46.07;789.30\r\n7;ДИПЭ;ДИПЭ;102.17;728.74\r\n");
    EXPECT_TRUE(Read().newDefault.path.empty());
    EXPECT_TRUE(DefaultEntries().empty());
}

TEST_F(NewDefaultTableTest, ALogThatCannotBeWrittenStillLetsItBeSaid) {
    std::filesystem::create_directory(ToFileSystemPath(TableLog(table.path).Path()));
    LastReadComponents components;
    EXPECT_EQ(components.Reload(table).newDefault.path, defaultPath);
    EXPECT_FALSE(components.NewDefaultLogged());
    EXPECT_EQ(components.Reload(table).newDefault.path, defaultPath);
}
