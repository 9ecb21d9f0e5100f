// The pieces of oxycalc-cli's batch: its inputs and index page.
#include <gtest/gtest.h>

#include "batch/BatchIndex.h"
#include "batch/BatchInputs.h"
#include "batch/BatchManifest.h"
#include "batch/BatchSeries.h"
#include "messages/UserMessages.h"
#include "platform/StagedFiles.h"
#include "platform/WideText.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(BatchInputs, ReadsDensitiesAndGivesNoneWhereTheFileIsInDoubt) {
    TempFolder folder;
    const Densities densities = ReadDensities(folder.Write(L"densities.csv",
                                                           "Проба;Плотность\n"
                                                           " А ;745,68\n"
                                                           "Б;0,7457\n"      // g/cm3
                                                           "В;740\nВ;741\n"  // twice, differently
                                                           "Г;738\nГ;738\n"  // twice, the same
                                                           "Д;\n"));
    EXPECT_EQ(densities.bySample, (std::map<std::wstring, double>{{L"А", 745.68}, {L"Г", 738.0}}));
    EXPECT_EQ(densities.problems.size(), 3u);
    EXPECT_EQ(densities.problems.count(L"В"), 1u);
    // A first line with a unit after the number is no header: its sample is told why.
    const Densities unit = ReadDensities(folder.Write(L"unit.csv", "Проба X;745.68 кг/м3\nПроба Y;746\n"));
    ASSERT_EQ(unit.problems.count(L"Проба X"), 1u);
    EXPECT_NE(Russian(unit.problems.at(L"Проба X")).find(L"745.68 кг/м3"), std::wstring::npos);
    EXPECT_EQ(unit.bySample.count(L"Проба Y"), 1u);
}

TEST(BatchInputs, NamesFilesAfterTheSampleWithNothingAFileSystemRefuses) {
    EXPECT_EQ(BaseName(1, L"АИ-95-К5, партия 2417"), L"001-АИ-95-К5_партия_2417");
    EXPECT_EQ(BaseName(1234, L"a/b\\c:d*?\"<>|"), L"1234-a_b_c_d");
    EXPECT_EQ(BaseName(7, L""), L"007-");
}

TEST(BatchIndex, ListsEachSampleWithItsReportOrItsReasonEscaped) {
    IndexRow done;
    done.sample = L"<Проба & Ко>";
    done.analyses = done.determinations = 3;
    done.totalOxygen = 3.5343;
    done.base = L"001-Проба";
    IndexRow failed;
    failed.sample = L"Б";
    failed.analyses = 2;
    failed.reason = MessageCode::BatchNoDensity;
    failed.notes = {Message(MessageCode::LoadFileNotRead, {std::wstring(L"x<1>.stg")})};
    failed.firstDate = 0;
    failed.lastDate = 2 * 24 * 3600;
    TempFolder folder;
    QuietMessages messages;
    IndexPage index;
    index.rows = {done, failed};
    // The index page written in the index's language with the stylesheet given.
    const auto written = [&](const std::wstring& name, const char* stylesheet) {
        StagedFiles staged;
        EXPECT_TRUE(StageIndexPage(folder.File(name), index, FromUtf8(stylesheet), staged, messages));
        EXPECT_TRUE(staged.Commit());
        return ReadBytes(folder.File(name));
    };
    const std::string page = written(L"index.html", OXY_STYLESHEET_DIR "/BatchIndex.xsl");
    EXPECT_TRUE(Holds(page, "&lt;Проба &amp; Ко&gt;"));
    EXPECT_TRUE(Holds(page, "<b>3.5343</b>"));
    EXPECT_TRUE(Holds(page, "href=\"001-Проба.json\""));
    EXPECT_TRUE(Holds(page, "нет плотности в файле плотностей"));
    EXPECT_TRUE(Holds(page, "x&lt;1&gt;.stg"));
    EXPECT_TRUE(Holds(page, "разные дни"));
    EXPECT_FALSE(Holds(page, "<th>Нормы</th>"));

    // In English the same rows, the data as they are, no Russian word of the page's own.
    index.language = Language::English;
    const std::string en = written(L"index.en.html", OXY_STYLESHEET_DIR "/BatchIndex.ENU.xsl");
    EXPECT_TRUE(Holds(en, "&lt;Проба &amp; Ко&gt;"));
    EXPECT_TRUE(Holds(en, "no density in the densities file"));
    EXPECT_TRUE(Holds(en, "different days"));
    EXPECT_TRUE(Holds(en, "<th>Sample</th>"));
    for (const char* russian : {"Проба</th>", "разные дни", "Серии", "нет плотности", "Ошибка", "Рассчитано"})
        EXPECT_FALSE(Holds(en, russian)) << russian;
}

TEST(BatchSeries, GroupsASamplesNeighboursWithinTheGapAndSelectsBySeriesStart) {
    const int64_t h = 3600;
    const std::vector<AnalysisRow> analyses = {
        {1, INT64_MIN, L"Без даты"}, {2, 100 * h, L"А"},
        {3, 100 * h + 600, L"Б"},    {4, 112 * h, L"А"},  // exactly the gap: the same series
        {5, 124 * h + 1, L"А"},                           // a second more: a new one
        {6, 130 * h, L"Б"}};
    const std::vector<Series> series = GroupIntoSeries(analyses, 12 * h);
    ASSERT_EQ(series.size(), 5u);
    EXPECT_EQ(series[1].sample, L"А");
    EXPECT_EQ(series[1].analyses.size(), 2u);
    EXPECT_EQ(series[3].analyses.front().id, 5);
    EXPECT_EQ(series[1].Key(), L"2@360000");
    // A series is taken by its first analysis, whole.
    const std::vector<Series> day = SeriesStartingIn(series, 100 * h, 101 * h);
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0].Last(), 112 * h);
}

// A lab's folder holds records of the present version: they are read as they stand.
TEST(BatchManifest, ReadsTheRecordsOfThePresentVersionAndKeepsASeriesName) {
    TempFolder folder;
    folder.Write(BatchManifest::kFileName,
                 "# oxycalc: файлы, записанные пакетным расчётом в эту папку, по строке на файл.\n"
                 "file\t2024-03-14_0912_АИ-95.html\t101@1710407520\taa\t1710410000\n"
                 "file\t2024-03-14_0912_АИ-95.json\t101@1710407520\tbb\t1710410000\n"
                 "index\tвсе даты\n");
    const BatchManifest manifest(folder.Path());
    EXPECT_TRUE(manifest.MayReplace(L"2024-03-14_0912_АИ-95.html", L"101@1710407520", "aa"));
    EXPECT_FALSE(manifest.MayReplace(L"2024-03-14_0912_АИ-95.html", L"101@1710407520", "cc"));
    EXPECT_EQ(manifest.BaseOf(L"101@1710407520"), L"2024-03-14_0912_АИ-95");
    EXPECT_FALSE(manifest.BaseOf(L"105@1710500580").has_value());
    EXPECT_EQ(manifest.CreatedOf(L"101@1710407520"), 1710410000);
    EXPECT_EQ(manifest.IndexRange(), L"все даты");
    EXPECT_TRUE(manifest.Pending().empty());
}

// A series' files recorded as about to take their places stay pending until each has its own line, also
// across a run cut short; a line cut short as it was written says nothing, and the next starts anew.
TEST(BatchManifest, KeepsASeriesPendingUntilEachOfItsFilesIsRecorded) {
    TempFolder folder;
    {
        BatchManifest manifest(folder.Path());
        ASSERT_TRUE(
            manifest.RecordCommit({L"101@1710407520",
                                   1710410000,
                                   {{L"a.html", "aa", L"oxy1.tmp"}, {L"a.json", "bb", L"oxy2.tmp"}}}));
        ASSERT_TRUE(manifest.Record(L"a.html", L"101@1710407520", "aa", 1710410000));
        ASSERT_EQ(manifest.Pending().size(), 1u);
    }
    const std::wstring path = folder.File(BatchManifest::kFileName);
    WriteBytes(path, ReadBytes(path) + "file\ta.json\t101@171040");  // killed as it wrote
    BatchManifest again(folder.Path());
    const std::vector<BatchManifest::Commit> pending = again.Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].created, 1710410000);
    ASSERT_EQ(pending[0].files.size(), 1u);
    EXPECT_EQ(pending[0].files[0].name, L"a.json");
    EXPECT_EQ(pending[0].files[0].staged, L"oxy2.tmp");
    ASSERT_TRUE(again.Record(L"a.json", L"101@1710407520", "bb", 1710410000));
    EXPECT_TRUE(again.Pending().empty());
    EXPECT_TRUE(BatchManifest(folder.Path()).Pending().empty());
    EXPECT_TRUE(Holds(ReadBytes(path), "101@171040\nfile\ta.json\t101@1710407520\tbb\t1710410000\n"));
}
