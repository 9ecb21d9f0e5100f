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
#include "support/MessageText.h"
#include "support/RecordingMessages.h"
#include "support/ScarceMemory.h"
#include "support/TempFolder.h"

namespace {

constexpr double kNoHeaderValue = std::numeric_limits<double>::lowest();
constexpr size_t kLargeSamples = 1000000;
constexpr size_t kLargeNote = 3000000;

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
    // Replaces the chromatogram's file with one of 2 channels × 1,000,000 samples (4 MB each) whose
    // passport holds a note of three million characters: loading passes the samples by, but must hold the
    // XML.
    void MakeLarge(int32_t id) {
        DemoData::Run run = RunOf(id);
        run.samplesPerChannel = kLargeSamples;
        CVeltarFile4 file = DemoData::MakeChromatogram(run);
        file.passport.items.push_back({L"note", L"Примечание", std::wstring(kLargeNote, L'x')});
        ASSERT_EQ(file.Write(run.assay.fileName), 0);
    }
    std::wstring FileFailure(int32_t id) const {
        return L"Ошибка загрузки файла: '" + RunOf(id).assay.fileName + L"'";
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
    // The file's outline, without its samples.
    ASSERT_TRUE(FileRead(assay));
    ASSERT_EQ(assay.channels.size(), 2u);
    EXPECT_EQ(assay.channels[1].number, 2);
    EXPECT_EQ(assay.channels[1].sampleCount, 200u);
    const CVeltarFile4 file = DemoData::MakeChromatogram(RunOf(101));
    ASSERT_EQ(assay.channels[1].peakMarks.size(), file.channels[1].peakMarks.size());
    EXPECT_EQ(assay.channels[1].peakMarks.back().name, file.channels[1].peakMarks.back().name);
    EXPECT_EQ(assay.passport->sample, L"АИ-95-К5, партия 2417");
    EXPECT_EQ(assay.passport->path, expected.fileName);
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

// Its mass of 0 is not usable: its peaks would otherwise be averaged in with it.
TEST_F(LoadAssayTest, MissingFileIsReportedAndTheChromatogramAddedWithMassZeroAndNoChannels) {
    ASSERT_EQ(Load(106), 0);
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"Ошибка загрузки файла: '" + RunOf(106).assay.fileName + L"'"});
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.sampleMass, 0.0);
    EXPECT_FALSE(HasUsableMass(assay));
    EXPECT_FALSE(FileRead(assay));
    EXPECT_EQ(assay.lastHeaderValue1, kNoHeaderValue);
    EXPECT_FALSE(assay.peaks.empty());
}

// Samples cut short are found at loading although loading reads none of them: the second block's count
// says more than the file holds.
TEST_F(LoadAssayTest, DamagedFileKeepsOnlyTheHeaderValuesOfTheChannelsReadBeforeTheDamage) {
    std::filesystem::resize_file(ToFileSystemPath(RunOf(101).assay.fileName), 16 + (32 + 800) + 32 + 400);
    ASSERT_EQ(Load(101), 0);
    EXPECT_EQ(messages.errors, std::vector<std::wstring>{FileFailure(101)});
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.sampleMass, 0.0);
    EXPECT_FALSE(FileRead(assay));
    EXPECT_EQ(assay.lastHeaderValue1, 20.0);
}

// Whatever damage a whole read of the file finds, loading finds too, with the same message: cut at any
// part (header, block header, samples, XML), or with a passport that does not parse.
TEST_F(LoadAssayTest, LoadingFindsEveryDamageAWholeReadFinds) {
    const std::wstring path = RunOf(101).assay.fileName;
    const std::string whole = ReadBytes(path);
    const size_t xml = 16 + 2 * (32 + 800);
    std::string badPassport = whole;
    badPassport.replace(badPassport.find("<passport"), 9, "<passport <");
    std::vector<std::string> damaged{badPassport};
    for (const size_t length : {size_t{0}, size_t{10}, size_t{16 + 20}, size_t{16 + 32 + 4}, xml - 1, xml,
                                xml + 40, whole.size() - 10})
        damaged.push_back(whole.substr(0, length));
    for (size_t i = 0; i < damaged.size(); ++i) {
        WriteBytes(path, damaged[i]);
        CVeltarFile4 file;
        ASSERT_NE(file.Read(path), VeltarFileStatus::kOk) << i;
        assays.clear();
        messages.errors.clear();
        ASSERT_EQ(Load(101), 0);
        EXPECT_EQ(messages.errors, std::vector<std::wstring>{FileFailure(101)}) << i;
        EXPECT_FALSE(FileRead(assays[0])) << i;
        EXPECT_FALSE(HasUsableMass(assays[0])) << i;
    }
}

// Loading 102 (made large) where memory runs short must load it whole, or add it unusable with its
// file's message, or add nothing with a message; the chromatogram loaded before stays as it was.
// Where memory is so short that not even a message's text fits, the message may be missing.
std::string CheckLoadWhenMemoryIsShort(std::vector<Assay>& assays, RecordingMessages& messages,
                                       DataBase::DbHandle& db, const std::wstring& fileFailure,
                                       bool messageNeeded) {
    const double firstMass = assays[0].sampleMass;
    const size_t firstPeaks = assays[0].peaks.size();
    const int32_t index = LoadAssay(assays, messages, db, 102);
    if (assays[0].sampleMass != firstMass || !FileRead(assays[0]) || assays[0].channels.size() != 2 ||
        assays[0].channels[1].sampleCount != 200 || assays[0].peaks.size() != firstPeaks) {
        return "the chromatogram loaded before changed";
    }
    // Compared without allocating: memory is short.
    const bool told =
        messages.errors.size() == 1 &&
        (messages.errors[0] == fileFailure ||
         (index == -1 && messages.errors[0] == L"Недостаточно памяти для загрузки хроматограммы 102"));
    if (!told && (messageNeeded || !messages.errors.empty())) return "not told why";
    if (index == -1) return assays.size() == 1 ? "" : "-1, but the list grew";
    if (index != 1 || assays.size() != 2) return "index " + std::to_string(index);
    const Assay& loaded = assays[1];
    if (HasUsableMass(loaded)) {
        const bool whole = loaded.sampleMass == 9.9874 && FileRead(loaded) && loaded.channels.size() == 2 &&
                           loaded.channels[1].sampleCount == kLargeSamples && messages.errors.empty();
        return whole ? "" : "usable, but not whole";
    }
    if (loaded.sampleMass != kFileNotReadMass || FileRead(loaded)) return "unusable, but not emptied";
    return told || !messageNeeded ? "" : "unusable without the file's message";
}

TEST_F(LoadAssayTest, OutOfMemoryMakesTheChromatogramUnusableWithItsFilesMessageAndKeepsTheList) {
    if (!CanMakeMemoryScarce()) GTEST_SKIP() << "memory cannot be made scarce here";
    MakeLarge(102);
    ASSERT_EQ(Load(101), 0);
    DataBase::DbHandle db;
    const std::wstring fileFailure = FileFailure(102);
    const std::string failure = RunWithScarceMemory(2 << 20, [&]() -> std::string {
        const std::string loaded = CheckLoadWhenMemoryIsShort(assays, messages, db, fileFailure, true);
        if (!loaded.empty()) return loaded;
        if (assays.size() != 2 || HasUsableMass(assays[1])) return "102 loaded although memory ran out";
        // What the failed load took is given back.
        if (LoadAssay(assays, messages, db, 103) != 2 || !HasUsableMass(assays[2])) return "103 did not load";
        return "";
    });
    EXPECT_EQ(failure, "");
}

#ifndef _WIN32
// Memory may run out at any step: the database rows, the file's XML, the peaks. The spare memory goes up
// in pages where the small steps are, and in larger strides in between.
TEST_F(LoadAssayTest, OutOfMemoryAtAnyStepNeverGivesAWrongChromatogram) {
    MakeLarge(102);
    ASSERT_EQ(Load(101), 0);
    DataBase::DbHandle db;
    constexpr size_t kPage = 4096;
    // More than the XML and its parsed document take, wide characters and all.
    constexpr size_t kEnough = 16 * kLargeNote + 256 * kPage;
    std::vector<size_t> spares;
    for (size_t spare = 0; spare < 128 * kPage; spare += kPage) spares.push_back(spare);
    for (size_t spare = 128 * kPage; spare < kEnough; spare += 64 * kPage) spares.push_back(spare);
    const std::wstring fileFailure = FileFailure(102);
    for (const size_t spare : spares) {
        EXPECT_EQ(
            RunWithScarceMemory(
                spare, [&] { return CheckLoadWhenMemoryIsShort(assays, messages, db, fileFailure, false); }),
            "")
            << "spare " << spare;
    }
    EXPECT_EQ(RunWithScarceMemory(kEnough,
                                  [&]() -> std::string {
                                      return LoadAssay(assays, messages, db, 102) == 1 &&
                                                     HasUsableMass(assays[1])
                                                 ? ""
                                                 : "not loaded";
                                  }),
              "");
}
#endif

TEST_F(LoadAssayTest, MissingSampleMassIsReportedWithTheFileNameAndGivesMinusOne) {
    ASSERT_EQ(Load(105), 0);
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"В хроматограмме \nПроба 0988-1.stg\nне указана масса пробы"});
    EXPECT_EQ(assays[0].sampleMass, kNoSampleMass);
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

TEST_F(LoadAssayTest, MassTextIsTheMassOnlyWhenItIsWhollyAPositiveNumber) {
    for (const auto& [text, mass] : {std::pair<std::wstring, double>{L"12.5", 12.5}, {L"12,5", 12.5}}) {
        SetMassText(101, text);
        assays.clear();
        ASSERT_EQ(Load(101), 0);
        EXPECT_EQ(assays[0].sampleMass, mass) << ToUtf8(text);
    }
    EXPECT_TRUE(messages.errors.empty());
    for (const std::wstring text : {L"abc", L"", L"0", L"-3", L"nan", L"inf", L"12abc"}) {
        SetMassText(101, text);
        assays.clear();
        messages.errors.clear();
        ASSERT_EQ(Load(101), 0);
        EXPECT_EQ(assays[0].sampleMass, kNoSampleMass) << ToUtf8(text);
        EXPECT_TRUE(FileRead(assays[0]));
        EXPECT_EQ(messages.errors,
                  std::vector<std::wstring>{L"В хроматограмме \nПроба 2417-1.stg\nмасса пробы «" + text +
                                            L"» не является положительным числом"});
    }
}

TEST_F(LoadAssayTest, ALongMassTextIsShownCut) {
    SetMassText(101, std::wstring(41, L'x'));
    ASSERT_EQ(Load(101), 0);
    EXPECT_EQ(messages.errors,
              std::vector<std::wstring>{L"В хроматограмме \nПроба 2417-1.stg\nмасса пробы «" +
                                        std::wstring(40, L'x') + L"…» не является положительным числом"});
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

TEST_F(LoadAssayTest, NullColumnsLoadAsZeroOrEmptyTextAndAConcentrationNotGivenIsKnownAsSuch) {
    Execute(L"INSERT INTO assay (id, filename) VALUES (200, '" + RunOf(101).assay.fileName +
            L"');"
            L"INSERT INTO peak (assayid, name, time) VALUES (200, 'x', 1);"
            L"INSERT INTO peak (assayid, name, time, concentration) VALUES (200, 'y', 2, 'n/a');"
            L"INSERT INTO peak (assayid, name, time, concentration) VALUES (200, 'z', 3, 4);");
    ASSERT_EQ(Load(200), 0);
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.date, 0);
    EXPECT_EQ(assay.sample, L"");
    EXPECT_FALSE(assay.isCalibration);
    ASSERT_EQ(assay.peaks.size(), 3u);
    EXPECT_EQ(assay.peaks[0].nameId, L"");
    EXPECT_EQ(assay.peaks[0].area, 0.0);
    EXPECT_EQ(assay.peaks[0].channel, 0);
    // NULL or text where the host keeps a number: read as 0, and marked as no concentration at all.
    EXPECT_EQ(assay.peaks[0].concentration, 0.0);
    EXPECT_FALSE(assay.peaks[0].concentrationGiven);
    EXPECT_FALSE(assay.peaks[1].concentrationGiven);
    EXPECT_TRUE(assay.peaks[2].concentrationGiven);
    EXPECT_EQ(assay.peaks[2].concentration, 4.0);
}

// A host database whose concentration column has no numeric type keeps what it was given as text.
TEST_F(LoadAssayTest, AConcentrationStoredAsTextIsThatNumberWhenTheWholeTextIsOne) {
    Execute(
        L"DROP TABLE peak;"
        L"CREATE TABLE peak (id INTEGER PRIMARY KEY, assayid INTEGER, nameid INTEGER, name TEXT, area REAL,"
        L" time REAL, concentration, height REAL, channel INTEGER, front REAL, back REAL);"
        L"INSERT INTO peak (assayid, name, time, concentration) VALUES (101, 'a', 1, '5.1'),"
        L" (101, 'b', 2, ' 4,25 '), (101, 'c', 3, '5.1 %'), (101, 'd', 4, ''), (101, 'e', 5, 'n/a'),"
        L" (101, 'f', 6, 7);");
    ASSERT_EQ(Load(101), 0);
    const std::vector<Peak>& peaks = assays[0].peaks;
    ASSERT_EQ(peaks.size(), 6u);
    EXPECT_TRUE(peaks[0].concentrationGiven);
    EXPECT_EQ(peaks[0].concentration, 5.1);
    EXPECT_TRUE(peaks[1].concentrationGiven);
    EXPECT_EQ(peaks[1].concentration, 4.25);
    for (const size_t other : {2, 3, 4}) {
        EXPECT_FALSE(peaks[other].concentrationGiven) << other;
        EXPECT_EQ(peaks[other].concentration, 0.0);
    }
    EXPECT_EQ(peaks[5].concentration, 7.0);
}

TEST_F(LoadAssayTest, MissingPeakTableGivesMinusOneAfterTheFileMessage) {
    Execute(L"DROP TABLE peak;");
    EXPECT_EQ(Load(106), -1);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(Load(101), -1);
    EXPECT_TRUE(assays.empty());
}

// No busy timeout: the first step that meets the host writing fails, and says why to whoever asks.
TEST_F(LoadAssayTest, ADatabaseTheHostHoldsGivesMinusOneAndSaysItIsLocked) {
    HostDatabase writer(DemoData::HostDatabasePath(folder.Path()));
    writer.Execute("BEGIN EXCLUSIVE;");
    DataBase::DbHandle db;
    std::string why;
    EXPECT_EQ(LoadAssay(assays, messages, db, 101, &why), -1);
    EXPECT_EQ(why, "database is locked");
    EXPECT_TRUE(assays.empty());
    writer.Execute("COMMIT;");
    EXPECT_EQ(LoadAssay(assays, messages, db, 101, &why), 0);
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

namespace {

class RecordingProblems : public LoadProblems {
public:
    void Report(const LoadProblem& problem) override { problems.push_back(problem); }
    std::vector<LoadProblem> problems;
};

}  // namespace

// A caller that tells many chromatograms' problems at once gets each with what it names.
TEST_F(LoadAssayTest, ProblemsReachAProblemsListWithTheirKindIdFileAndRussianText) {
    SetMassText(101, L"12abc");
    RecordingProblems recorded;
    DataBase::DbHandle db;
    for (int32_t id : {101, 102, 105, 106}) LoadAssay(assays, recorded, db, id);
    EXPECT_TRUE(messages.errors.empty());
    ASSERT_EQ(recorded.problems.size(), 3u);
    const LoadProblem& mass = recorded.problems[0];
    EXPECT_EQ(mass.kind, LoadProblem::Kind::SampleMassNotPositive);
    EXPECT_EQ(mass.id, 101);
    EXPECT_EQ(mass.ShortFileName(), L"Проба 2417-1.stg");
    EXPECT_EQ(mass.ShownDetail(), L"12abc");
    EXPECT_EQ(Russian(mass.ToMessage()),
              L"В хроматограмме \nПроба 2417-1.stg\nмасса пробы «12abc» не является положительным числом");
    EXPECT_EQ(recorded.problems[1].kind, LoadProblem::Kind::NoSampleMass);
    EXPECT_EQ(recorded.problems[1].id, 105);
    EXPECT_EQ(recorded.problems[2].kind, LoadProblem::Kind::FileNotRead);
    EXPECT_EQ(recorded.problems[2].id, 106);
    EXPECT_EQ(Russian(recorded.problems[2].ToMessage()), FileFailure(106));
    EXPECT_EQ(Russian(MakeLoadProblem(LoadProblem::Kind::OutOfMemory, 7, L"").ToMessage()),
              L"Недостаточно памяти для загрузки хроматограммы 7");
}
