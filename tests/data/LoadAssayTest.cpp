#include "data/LoadAssay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "DemoData.h"
#include "HostDatabase.h"
#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "platform/FileSystemPath.h"
#include "platform/WideText.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace {

constexpr double kNoHeaderValue = std::numeric_limits<double>::lowest();

// The demo set, with 200 samples per channel, in a temporary folder whose database is the host's.
class LoadAssayTest : public ::testing::Test {
protected:
    LoadAssayTest() : runs(DemoData::DemoSet(200)) {
        DemoData::WriteRuns(folder.Path(), runs);
        DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
    }
    ~LoadAssayTest() override { DataBaseConnection::Instance().Store(nullptr); }

    int32_t Load(int32_t id) {
        DataBase::DbHandle db;
        return LoadAssay(assays, messages, db, id);
    }
    void Execute(const std::wstring& sql) {
        HostDatabase(DemoData::HostDatabasePath(folder.Path())).Execute(ToUtf8(sql));
    }
    const DemoData::Run& RunOf(int32_t id) const {
        return *std::find_if(runs.begin(), runs.end(),
                             [id](const DemoData::Run& run) { return run.assay.id == id; });
    }
    void SetMassText(int32_t id, const std::wstring& text) {
        CVeltarFile4 file;
        ASSERT_EQ(file.Read(RunOf(id).assay.fileName), 0);
        *const_cast<std::wstring*>(file.passport.FindMassSample()) = text;
        ASSERT_EQ(file.Write(RunOf(id).assay.fileName), 0);
    }

    TempFolder folder;
    std::vector<DemoData::Run> runs;
    std::vector<Assay> assays;
    RecordingMessages messages;
};

std::vector<std::pair<int32_t, double>> ChannelsAndTimes(const std::vector<Peak>& peaks) {
    std::vector<std::pair<int32_t, double>> keys;
    for (const Peak& peak : peaks) keys.emplace_back(peak.channel, peak.time);
    return keys;
}

}  // namespace

TEST_F(LoadAssayTest, LoadsTheRowTheFileAndTheNamedPeaks) {
    ASSERT_EQ(Load(104), 0);
    ASSERT_EQ(Load(101), 1);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(assays[0].isCalibration);
    const Assay& assay = assays[1];
    const Assay& expected = RunOf(101).assay;
    EXPECT_EQ(assay.id, 101);
    EXPECT_EQ(assay.date, 1710407520);
    EXPECT_EQ(assay.fileName, expected.fileName);
    EXPECT_EQ(assay.sample, L"АИ-95-К5, партия 2417");
    EXPECT_EQ(assay.mixture, expected.mixture);
    EXPECT_EQ(assay.method, expected.method);
    EXPECT_FALSE(assay.isCalibration);
    EXPECT_EQ(assay.sampleMass, 10.0213);
    EXPECT_EQ(assay.isTicked, 0);
    ASSERT_EQ(assay.channels.size(), 2u);
    ASSERT_EQ(assay.signals.size(), 2u);
    EXPECT_EQ(assay.signals[1],
              std::vector<double>(assay.channels[1].samples.begin(), assay.channels[1].samples.end()));
    EXPECT_EQ(assay.lastHeaderValue1, 20.0);
    EXPECT_EQ(assay.lastHeaderValue2, 0.0);
    const auto named = std::count_if(expected.peaks.begin(), expected.peaks.end(),
                                     [](const Peak& peak) { return !peak.name.empty(); });
    ASSERT_EQ(static_cast<long>(assay.peaks.size()), named);
    EXPECT_EQ(assay.peaks[0].name, L"ДИПЭ");
    EXPECT_EQ(assay.peaks[0].nameId, L"1");
    EXPECT_EQ(assay.peaks[0].concentration, expected.peaks[0].concentration);
}

TEST_F(LoadAssayTest, LoadingAnIdAgainReturnsItsIndexAndChangesNothing) {
    ASSERT_EQ(Load(101), 0);
    ASSERT_EQ(Load(102), 1);
    Execute(L"UPDATE assay SET sample = 'другая' WHERE id = 101;");
    std::filesystem::remove(ToFileSystemPath(RunOf(101).assay.fileName));
    EXPECT_EQ(Load(101), 0);
    EXPECT_EQ(assays.size(), 2u);
    EXPECT_EQ(assays[0].sample, L"АИ-95-К5, партия 2417");
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(LoadAssayTest, UnknownIdReturnsMinusOneAndLeavesTheList) {
    EXPECT_EQ(Load(999), -1);
    EXPECT_TRUE(assays.empty());
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(LoadAssayTest, MissingFileIsReportedAndTheChromatogramAddedWithoutChannels) {
    ASSERT_EQ(Load(106), 0);
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"Ошибка загрузки файла: '" + RunOf(106).assay.fileName + L"'"});
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.sampleMass, 0.0);
    EXPECT_TRUE(assay.channels.empty());
    EXPECT_TRUE(assay.signals.empty());
    EXPECT_EQ(assay.lastHeaderValue1, kNoHeaderValue);
    EXPECT_FALSE(assay.peaks.empty());
}

TEST_F(LoadAssayTest, DamagedFileKeepsTheSignalsOfTheChannelsReadBeforeTheDamage) {
    std::filesystem::resize_file(ToFileSystemPath(RunOf(101).assay.fileName), 16 + (32 + 800) + 32 + 400);
    ASSERT_EQ(Load(101), 0);
    EXPECT_EQ(messages.errors.size(), 1u);
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.sampleMass, 0.0);
    EXPECT_TRUE(assay.channels.empty());
    ASSERT_EQ(assay.signals.size(), 1u);
    EXPECT_EQ(assay.signals[0].size(), 200u);
    EXPECT_EQ(assay.lastHeaderValue1, 20.0);
}

TEST_F(LoadAssayTest, MissingSampleMassIsReportedWithTheFileNameAndGivesMinusOne) {
    ASSERT_EQ(Load(105), 0);
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"В хроматограмме \nПроба 0988-1.stg\nне указана масса пробы"});
    EXPECT_EQ(assays[0].sampleMass, -1.0);
    EXPECT_EQ(assays[0].channels.size(), 2u);
}

TEST_F(LoadAssayTest, FileNameWithoutFoldersIsShownWholeInTheMissingMassMessage) {
    const std::wstring local = L"oxycalc-test-без-массы.stg";
    std::filesystem::copy_file(ToFileSystemPath(RunOf(105).assay.fileName), ToFileSystemPath(local),
                               std::filesystem::copy_options::overwrite_existing);
    Execute(L"UPDATE assay SET filename = '" + local + L"' WHERE id = 105;");
    Load(105);
    std::filesystem::remove(ToFileSystemPath(local));
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"В хроматограмме \n" + local + L"\nне указана масса пробы"});
}

TEST_F(LoadAssayTest, MassTextIsReadUpToTheFirstCharacterThatDoesNotFit) {
    for (const auto& [text, mass] :
         {std::pair<std::wstring, double>{L"12.5", 12.5}, {L"12,5", 12.0}, {L"abc", 0.0}}) {
        SetMassText(101, text);
        assays.clear();
        ASSERT_EQ(Load(101), 0);
        EXPECT_EQ(assays[0].sampleMass, mass) << ToUtf8(text);
    }
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(LoadAssayTest, PeaksComeByChannelThenTimeWithoutUnnamedOnes) {
    Execute(
        L"DELETE FROM peak WHERE assayid = 101;"
        L"INSERT INTO peak (assayid, name, time, channel) VALUES (101, 'b', 5, 2), (101, 'a', 7, 1),"
        L"(101, 'c', 1, 2), (101, '', 3, 1), (101, NULL, 4, 1);");
    ASSERT_EQ(Load(101), 0);
    EXPECT_EQ(ChannelsAndTimes(assays[0].peaks),
              (std::vector<std::pair<int32_t, double>>{{1, 7}, {2, 1}, {2, 5}}));
}

TEST_F(LoadAssayTest, NullColumnsLoadAsZeroOrEmptyText) {
    Execute(L"INSERT INTO assay (id, filename) VALUES (200, '" + RunOf(101).assay.fileName +
            L"');"
            L"INSERT INTO peak (assayid, name) VALUES (200, 'x');");
    ASSERT_EQ(Load(200), 0);
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.date, 0);
    EXPECT_EQ(assay.sample, L"");
    EXPECT_FALSE(assay.isCalibration);
    ASSERT_EQ(assay.peaks.size(), 1u);
    EXPECT_EQ(assay.peaks[0].nameId, L"");
    EXPECT_EQ(assay.peaks[0].area, 0.0);
    EXPECT_EQ(assay.peaks[0].channel, 0);
}

TEST_F(LoadAssayTest, MissingPeakTableGivesMinusOneAfterTheFileMessage) {
    Execute(L"DROP TABLE peak;");
    EXPECT_EQ(Load(106), -1);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(Load(101), -1);
    EXPECT_TRUE(assays.empty());
}

TEST_F(LoadAssayTest, FileNameQueryHandsOverTheStoredPath) {
    DataBase::DbHandle db;
    std::vector<std::wstring> opened;
    const auto open = [&opened](const std::wstring& path) { opened.push_back(path); };
    QueryAssayFileName(db, 103, open);
    QueryAssayFileName(db, 999, open);
    EXPECT_EQ(opened, std::vector<std::wstring>{RunOf(103).assay.fileName});
    Execute(L"DROP TABLE peak; DROP TABLE assay;");
    EXPECT_THROW(QueryAssayFileName(db, 103, open), DataBase::SqlException);
}
