#include "tables/ComponentsTable.h"

#include <gtest/gtest.h>

#include "platform/ExclusiveFile.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"
#include "tables/NotSet.h"

namespace {

// "№;Компонент" and "Метанол" in Windows-1251.
const std::string kHeader = "\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2\r\n";
const std::string kMethanol = "\xCC\xE5\xF2\xE0\xED\xEE\xEB";

class ComponentsTableTest : public ::testing::Test {
protected:
    ComponentsTableTest() { table.path = folder.File(L"CompsTableOxycalc.csv"); }

    void WriteFile(const std::string& bytes) { WriteBytes(table.path, bytes); }
    std::string FileBytes() const { return ReadBytes(table.path); }

    TempFolder folder;
    ComponentsTable table;
};

}  // namespace

TEST_F(ComponentsTableTest, RoundTripsCyrillicNamesBehindTheUntouchedHeader) {
    WriteFile(kHeader + "5;A;B;32.04;789\r\n");
    table.Load();
    EXPECT_EQ(table.headerLength, static_cast<int32_t>(kHeader.size()));
    ASSERT_EQ(table.components.size(), 1u);
    table.components[0].peakName = L"Метанол";
    table.components[0].name = L"Метиловый спирт, Ё";
    table.AddComponent();
    table.components[1].molarMass = 88.15;
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(),
              kHeader + "5;" + kMethanol +
                  ";\xCC\xE5\xF2\xE8\xEB\xEE\xE2\xFB\xE9 \xF1\xEF\xE8\xF0\xF2, \xA8;32.04;789.00\r\n"
                  "6;\xC7\xE0\xE4\xE0\xE9\xF2\xE5 \xE8\xEC\xFF \xEA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2\xE0!;-;"
                  "88.15;0.00\r\n");
    const std::vector<Component> saved = table.components;
    table.Load();
    ASSERT_EQ(table.components.size(), 2u);
    for (size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(table.components[i].id, saved[i].id);
        EXPECT_EQ(table.components[i].peakName, saved[i].peakName);
        EXPECT_EQ(table.components[i].name, saved[i].name);
        EXPECT_DOUBLE_EQ(table.components[i].molarMass, saved[i].molarMass);
        EXPECT_DOUBLE_EQ(table.components[i].density, saved[i].density);
    }
}

TEST_F(ComponentsTableTest, TakesNextIdFromTheLastRowAndKeepsItWhenNoRowsAreRead) {
    table.nextId = 42;
    table.Load();  // a missing file is created empty
    EXPECT_EQ(FileBytes(), "");
    EXPECT_TRUE(table.components.empty());
    EXPECT_EQ(table.headerLength, -1);
    EXPECT_EQ(table.nextId, 42);

    WriteFile("A;B\r\n7;x;x;1;1\r\n3;y;y;1;1\r\n");
    table.Load();
    EXPECT_EQ(table.nextId, 4);

    WriteFile("A;B\r\n");
    table.Load();
    EXPECT_TRUE(table.components.empty());
    EXPECT_EQ(table.headerLength, 5);
    EXPECT_EQ(table.nextId, 4);
}

TEST_F(ComponentsTableTest, ReadsEmptyAndMissingFieldsAsEmptyTextAndZero) {
    WriteFile("h\r\n5;A;B;;\r\n 8;C\r\n");
    table.Load();
    ASSERT_EQ(table.components.size(), 2u);
    EXPECT_EQ(table.components[0].id, 5);
    EXPECT_EQ(table.components[0].molarMass, 0.0);
    EXPECT_EQ(table.components[0].density, 0.0);
    EXPECT_EQ(table.components[1].id, 8);
    EXPECT_EQ(table.components[1].peakName, L"C");
    EXPECT_EQ(table.components[1].name, L"");
    EXPECT_EQ(table.components[1].density, 0.0);
    EXPECT_EQ(table.nextId, 9);
}

TEST_F(ComponentsTableTest, SavesNotSetAsAnEmptyFieldThatReadsBackAsZero) {
    WriteFile("h\r\n");
    table.Load();
    table.AddComponent();
    table.components[0].molarMass = NotSet;
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(
        FileBytes().substr(3),
        "0;\xC7\xE0\xE4\xE0\xE9\xF2\xE5 \xE8\xEC\xFF \xEA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2\xE0!;-;;0.00\r\n");
    table.Load();
    ASSERT_EQ(table.components.size(), 1u);
    EXPECT_EQ(table.components[0].molarMass, 0.0);
}

TEST_F(ComponentsTableTest, RemovingRowsMakesTheFileShorter) {
    WriteFile(kHeader + "1;a;a;1;1\r\n2;b;b;1;1\r\n2;c;c;1;1\r\n");
    table.Load();
    table.RemoveComponent(2);  // the first of the two rows with id 2
    table.RemoveComponent(77);
    ASSERT_EQ(table.components.size(), 2u);
    EXPECT_EQ(table.components[1].peakName, L"c");
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(), kHeader + "1;a;a;1.00;1.00\r\n2;c;c;1.00;1.00\r\n");
    table.components.clear();
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(), kHeader);
}

TEST_F(ComponentsTableTest, GivesANewFileAHeaderOfColumnCaptions) {
    table.Load();
    table.AddComponent();
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    const std::string captions =
        "\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2;\xC8\xEC\xFF \xEA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2\xE0;"
        "\xCC\xEE\xEB\xFF\xF0\xED\xE0\xFF \xEC\xE0\xF1\xF1\xE0;\xCF\xEB\xEE\xF2\xED\xEE\xF1\xF2\xFC\r\n";
    EXPECT_EQ(FileBytes().substr(0, captions.size()), captions);
    table.Load();
    EXPECT_EQ(table.headerLength, static_cast<int32_t>(captions.size()));
    EXPECT_EQ(table.components.size(), 1u);
}

TEST_F(ComponentsTableTest, ReadsAFirstLineOfNumbersAsAComponentAndSavesAHeaderBeforeIt) {
    // A spreadsheet's export without the header line: nothing of it may be skipped.
    WriteFile("1;" + kMethanol + ";" + kMethanol + ";32,04;795.97\r\n2;B;B;46.07;793.50\r\n");
    table.Load();
    EXPECT_TRUE(table.headerMissing);
    ASSERT_EQ(table.components.size(), 2u);
    EXPECT_EQ(table.components[0].peakName, L"Метанол");
    EXPECT_EQ(table.components[0].molarMass, 32.04);
    EXPECT_EQ(table.nextId, 3);
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    table.Load();
    EXPECT_FALSE(table.headerMissing);
    EXPECT_EQ(table.components.size(), 2u);
    EXPECT_EQ(FileBytes().rfind("\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2;", 0), 0u);
    EXPECT_NE(FileBytes().find("\r\n1;" + kMethanol + ";" + kMethanol + ";32.04;795.97\r\n"),
              std::string::npos);
    // A header whose last fields happen to be words stays a header.
    WriteFile(kHeader + "1;A;A;1;1\r\n");
    table.Load();
    EXPECT_FALSE(table.headerMissing);
    EXPECT_EQ(table.components.size(), 1u);
}

TEST_F(ComponentsTableTest, KeepsAFileOfFiveFieldsByteForByteAndAddsTheOxygenAtomsColumnOnlyWhenNeeded) {
    const std::string fiveFields = kHeader + "1;" + kMethanol + ";" + kMethanol + ";32.04;795.97\r\n";
    WriteFile(fiveFields);
    table.Load();
    EXPECT_FALSE(table.hasOxygenAtoms);
    EXPECT_EQ(table.components[0].oxygenAtoms, 1);
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(), fiveFields);

    // A carbonate with three oxygen atoms: the sixth field on every row, its caption in the header.
    table.AddComponent();
    table.components[1] = {7, L"ДМК", L"Диметилкарбонат", 90.08, 1079.0, 3};
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(
        FileBytes(),
        "\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2;;;;\xC0\xF2\xEE\xEC\xEE\xE2 O\r\n1;" + kMethanol + ";" +
            kMethanol +
            ";32.04;795.97;1\r\n7;\xC4\xCC\xCA;\xC4\xE8\xEC\xE5\xF2\xE8\xEB\xEA\xE0\xF0\xE1\xEE\xED\xE0\xF2;"
            "90.08;1079.00;3\r\n");
    table.Load();
    EXPECT_TRUE(table.hasOxygenAtoms);
    EXPECT_EQ(table.components[1].oxygenAtoms, 3);

    // Empty is one atom; anything but a whole number from 1 on reads as not usable and is not saved.
    WriteFile(kHeader + "1;a;a;1;1;\r\n2;b;b;1;1;2,5\r\n3;c;c;1;1;0\r\n4;d;d;1;1; 2 \r\n");
    table.Load();
    EXPECT_EQ(table.components[0].oxygenAtoms, 1);
    EXPECT_EQ(table.components[1].oxygenAtoms, 0);
    EXPECT_EQ(table.components[2].oxygenAtoms, 0);
    EXPECT_EQ(table.components[3].oxygenAtoms, 2);
    const std::string before = FileBytes();
    const SaveResult refused = table.Save();
    EXPECT_EQ(refused.status, SaveStatus::Unstorable);
    EXPECT_EQ(refused.component, 1u);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ComponentsTableTest, RefusesANameTheFileCannotHoldAndLeavesTheFileAlone) {
    const std::string content = kHeader + "1;a;a;1;1\r\n";
    WriteFile(content);
    table.Load();
    table.AddComponent();
    table.components[1].name = L"\u03B1-Пинен";
    const SaveResult result = table.Save();
    EXPECT_EQ(result.status, SaveStatus::Unrepresentable);
    EXPECT_EQ(result.component, 1u);
    EXPECT_NE(Russian(result.message).find(L"«\u03B1-Пинен»"), std::wstring::npos);
    EXPECT_EQ(FileBytes(), content);
}

TEST_F(ComponentsTableTest, AFileThatDoesNotOpenReadsAsEmptyAndRefusesTheSave) {
    const std::string content = kHeader + "1;a;a;1;1\r\n";
    WriteFile(content);
    {
        ExclusiveFile other(table.path, ExclusiveFile::Disposition::OpenExisting);
        table.Load();
        EXPECT_TRUE(table.components.empty());
    }
    table.Load();
    SetReadOnly(table.path, true);
    table.Load();
    EXPECT_TRUE(table.components.empty());
    EXPECT_EQ(table.headerLength, -1);
    const SaveResult result = table.Save();
    SetReadOnly(table.path, false);
    EXPECT_EQ(result.status, SaveStatus::NotLoaded);
    EXPECT_NE(Russian(result.message).find(table.path), std::wstring::npos);
    EXPECT_EQ(FileBytes(), content);
}

TEST_F(ComponentsTableTest, ASaveAfterAFailedLoadNeverOverwritesTheRowsItDidNotRead) {
    const std::string content = kHeader + "1;a;a;1;1\r\n";
    WriteFile(content);
    {
        ExclusiveFile other(table.path, ExclusiveFile::Disposition::OpenExisting);
        table.Load();
    }
    table.AddComponent();
    EXPECT_EQ(table.Save().status, SaveStatus::NotLoaded);
    EXPECT_EQ(FileBytes(), content);
}

TEST_F(ComponentsTableTest, ReadsWhatSpreadsheetsSave) {
    // A Russian spreadsheet: decimal commas, and the last line without its line end.
    WriteFile(kHeader + "1;MTBE;x;88,15;740,5\r\n2;EtOH;y;46.07;789");
    EXPECT_TRUE(table.Load());
    ASSERT_EQ(table.components.size(), 2u);
    EXPECT_DOUBLE_EQ(table.components[0].molarMass, 88.15);
    EXPECT_DOUBLE_EQ(table.components[0].density, 740.5);
    EXPECT_DOUBLE_EQ(table.components[1].density, 789.0);
    EXPECT_EQ(table.nextId, 3);

    // UTF-8 with LF line ends: read, and written back whole as Windows-1251 with CR LF.
    WriteFile(
        "\xEF\xBB\xBF\xE2\x84\x96;\xD0\x9A\n1;"
        "\xD0\xAD\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xBB;e;46,07;789\n");
    EXPECT_TRUE(table.Load());
    ASSERT_EQ(table.components.size(), 1u);
    EXPECT_EQ(table.components[0].peakName, L"Этанол");
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(), "\xB9;\xCA\r\n1;\xDD\xF2\xE0\xED\xEE\xEB;e;46.07;789.00\r\n");
    table.Load();
    EXPECT_FALSE(table.headerToRewrite.has_value());  // now an ordinary file
    EXPECT_EQ(table.components[0].peakName, L"Этанол");
}

TEST_F(ComponentsTableTest, AHeaderLineWithoutItsLineEndIsWrittenAnewNotOverrun) {
    WriteFile("\xB9;ab");
    table.Load();
    table.AddComponent();
    table.components[0].peakName = L"x";
    ASSERT_EQ(table.Save().status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(), "\xB9;ab\r\n0;x;-;0.00;0.00\r\n");
}

TEST_F(ComponentsTableTest, RefusesANameWithASeparatorOrLineEndAndLeavesTheFileAlone) {
    const std::string content = kHeader + "1;a;a;1;1\r\n";
    for (const std::wstring name : {L"MTBE;x", L"MTBE\r\nx", L"MTBE\nx", L"MTBE\rx"}) {
        WriteFile(content);
        table.Load();
        table.AddComponent();
        table.components[1].peakName = name;
        const SaveResult result = table.Save();
        EXPECT_EQ(result.status, SaveStatus::Unstorable);
        EXPECT_EQ(result.component, 1u);
        EXPECT_NE(Russian(result.message).find(L"№2"), std::wstring::npos);
        EXPECT_EQ(FileBytes(), content);
    }
}

// "Рї" in Windows-1251 is D0 BF, which UTF-8 reads as "п".
TEST_F(ComponentsTableTest, RefusesNamesThatWouldReadBackAsOtherTextInUtf8) {
    const std::string content = "N;Peak;Name;M;D\r\n1;a;a;1;1\r\n";
    WriteFile(content);
    table.Load();
    table.components[0].name = L"Рї";
    EXPECT_EQ(table.Save().status, SaveStatus::ReadsAsUtf8);
    EXPECT_EQ(FileBytes(), content);
}
