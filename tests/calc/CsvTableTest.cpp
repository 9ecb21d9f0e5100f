#include "calc/CsvTable.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using Rows = std::vector<CsvTable::Row>;

namespace {

Rows Parsed(std::wstring_view text) {
    CsvTable table;
    table.Parse(text);
    return table.rows;
}

}  // namespace

TEST(CsvTable, ReadsOnlyLinesThatEndInCrLf) {
    EXPECT_EQ(Parsed(L"h1;h2\r\n1;a;\r\n2;b"), (Rows{{L"h1", L"h2"}, {L"1", L"a", L""}}));
    EXPECT_EQ(Parsed(L"h\r\n1;a\r"), (Rows{{L"h"}}));  // a lone CR as the very last character
    EXPECT_EQ(Parsed(L"\r\n\r\n"), (Rows{{L""}, {L""}}));
    EXPECT_EQ(Parsed(L""), Rows{});
}

TEST(CsvTable, KeepsACrWithoutLfAsFieldText) {
    EXPECT_EQ(Parsed(L"a\rb;c\r;d\r\n"), (Rows{{L"a\rb", L"c\r", L"d"}}));
    // The character behind such a CR is text even when it is a CR that starts a CR LF.
    EXPECT_EQ(Parsed(L"a\r\r\nb\r\n"), (Rows{{L"a\r\r\nb"}}));
}

TEST(CsvTable, ReadsLongFieldsWhole) {
    const std::wstring longName(1000, L'Ж');
    EXPECT_EQ(Parsed(L"h\r\n" + longName + L";x\r\n"), (Rows{{L"h"}, {longName, L"x"}}));
}

TEST(CsvTable, ReadCreatesAMissingFileButNoMissingFolder) {
    TempFolder folder;
    CsvTable table;
    table.rows = {{L"kept"}};
    EXPECT_FALSE(table.Read(L""));
    EXPECT_FALSE(table.Read(folder.File(L"no such folder/table.csv")));
    EXPECT_EQ(table.rows, (Rows{{L"kept"}}));
    const std::wstring path = folder.File(L"table.csv");
    EXPECT_TRUE(table.Read(path));
    EXPECT_EQ(table.rows, Rows{});
    EXPECT_EQ(ReadBytes(path), "");
}
