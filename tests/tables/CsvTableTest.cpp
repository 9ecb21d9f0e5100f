#include "tables/CsvTable.h"

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

// Lines end in CR LF; a file whose first line ends in LF alone (an editor's) has its lines end in LF, and in
// any other an LF alone is text of its field.
TEST(CsvTable, EndsLinesAtCrLfOrLfAndReadsALastLineWithoutALineEnd) {
    EXPECT_EQ(Parsed(L"h1;h2\r\n1;a;\r\n2;b"), (Rows{{L"h1", L"h2"}, {L"1", L"a", L""}, {L"2", L"b"}}));
    EXPECT_EQ(Parsed(L"h\n1;a\n2;b\r\n"), (Rows{{L"h"}, {L"1", L"a"}, {L"2", L"b"}}));
    EXPECT_EQ(Parsed(L"h\r\n1;a\nb;c\r\n"), (Rows{{L"h"}, {L"1", L"a\nb", L"c"}}));
    EXPECT_EQ(Parsed(L"h\r\n1;a\r"), (Rows{{L"h"}, {L"1", L"a\r"}}));  // a lone CR as the very last character
    EXPECT_EQ(Parsed(L"\r\n\r\n"), (Rows{{L""}, {L""}}));
    EXPECT_EQ(Parsed(L"h\r\n;"), (Rows{{L"h"}, {L"", L""}}));
    EXPECT_EQ(Parsed(L""), Rows{});
}

TEST(CsvTable, KeepsACrWithoutLfAsFieldText) {
    EXPECT_EQ(Parsed(L"a\rb;c\r;d\r\n"), (Rows{{L"a\rb", L"c\r", L"d"}}));
    // The character behind such a CR is text even when it is a CR that starts a CR LF; the LF then is
    // an LF alone, text in a file of CR LF lines.
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

TEST(CsvTable, ReadsUtf8WithOrWithoutItsMarkAndWindows1251Otherwise) {
    TempFolder folder;
    CsvTable table;
    // "Этанол" in UTF-8 and in Windows-1251.
    const std::string utf8 = "\xD0\xAD\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xBB";
    const std::string cp1251 = "\xDD\xF2\xE0\xED\xEE\xEB";
    for (const std::string& bytes :
         {"\xEF\xBB\xBFh\r\n" + utf8 + "\r\n", "h\r\n" + utf8 + "\r\n", "h\r\n" + cp1251 + "\r\n"}) {
        ASSERT_TRUE(table.Read(folder.Write(L"table.csv", bytes)));
        EXPECT_EQ(table.rows, (Rows{{L"h"}, {L"Этанол"}}));
    }
    // Plain ASCII is the same in both; a stray byte makes the whole file Windows-1251.
    ASSERT_TRUE(table.Read(folder.Write(L"table.csv", "h\r\n" + utf8 + ";\xFF\r\n")));
    EXPECT_EQ(table.rows[1][1], L"я");
}

TEST(CsvTable, TellsWhetherTheFirstLineCanBeKeptByteForByte) {
    TempFolder folder;
    CsvTable table;
    const auto firstLine = [&](const std::string& bytes) {
        table.Read(folder.Write(L"table.csv", bytes));
        return table.firstLineBytes;
    };
    EXPECT_EQ(firstLine("\xB9;ab\r\n1\r\n"), 6);
    EXPECT_EQ(firstLine("\xB9;ab\n1\r\n"), -1);                        // LF alone
    EXPECT_EQ(firstLine("\xB9;ab"), -1);                               // no line end at all
    EXPECT_EQ(firstLine("\xEF\xBB\xBF\xE2\x84\x96;ab\r\n1\r\n"), -1);  // UTF-8
}
