// oxycalc-cli batch and the folder it writes into: one batch at a time, each series whole, a series' name
// kept, and what a run cut short left completed by the next.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "DemoData.h"
#include "platform/Sha256.h"
#include "platform/UserIdentity.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const char* const kExtensions[] = {".html", ".xml", ".json", ".csv"};

// oxycalc-cli started as a child whose standard output and error go to files.
class Child {
public:
    Child(const std::vector<std::string>& args, const std::string& err) {
        std::vector<std::string> all{OXY_CLI_PATH};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) argv.push_back(arg.data());
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            const int output = open("/dev/null", O_WRONLY);
            const int errors = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(output, 1);
            dup2(errors, 2);
            execv(OXY_CLI_PATH, argv.data());
            _exit(127);
        }
    }
    ~Child() {
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            Wait();
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Signal(int signal) const { kill(pid_, signal); }
    // The exit code, or 128 and the signal that ended it.
    int Wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t pid_ = -1;
    bool waited_ = false;
};

// The demo data with its daily check standard: 34 series to write.
class BatchFolderTest : public ::testing::Test {
protected:
    BatchFolderTest() { DemoData::WriteDemo(folder.Path(), 200, true); }

    std::vector<std::string> Batch(const std::wstring& out) const {
        return {"batch",
                "--db",
                Path(L"host.db"),
                "--components",
                Path(L"CompsTableOxycalc.csv"),
                "--standard",
                "1,2-Диметоксиэтан",
                "--densities",
                Path(L"densities.csv"),
                "--xsl",
                OXY_STYLESHEET_DIR "/Report.xsl",
                "--out",
                Path(out)};
    }
    // Runs a batch to its end; its exit code, and its standard error in `err`.
    int RunBatch(std::vector<std::string> args, std::string& err, const char* zone = "UTC0") const {
        setenv("TZ", zone, 1);
        Child child(args, Path(L"err.txt"));
        const int code = child.Wait();
        err = ReadBytes(folder.File(L"err.txt"));
        return code;
    }
    std::string Path(const std::wstring& name) const { return ToUtf8(folder.File(name)); }

    TempFolder folder;
};

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::set<std::string> Names(const std::string& out) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(out)) names.insert(entry.path().filename().string());
    return names;
}

// The series' files and the pages of the folder, without the pages kept from earlier runs.
std::set<std::string> WithoutKeptPages(std::set<std::string> names) {
    for (auto name = names.begin(); name != names.end();)
        name =
            name->rfind("index-", 0) == 0 || name->rfind("qc-", 0) == 0 ? names.erase(name) : std::next(name);
    return names;
}

// The record's lines of one kind ("file", "commit"), their names by how often they stand there.
std::map<std::string, int> Recorded(const std::string& out) {
    std::map<std::string, int> names;
    std::istringstream lines(ReadBytes(FromUtf8(out + "/oxycalc-batch-files.txt")));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("file\t", 0) == 0) ++names[line.substr(5, line.find('\t', 5) - 5)];
    }
    return names;
}

// Every series of the folder has its four files or none, each recorded: no half series, no temporary
// file, no staging folder, no lock left.
void ExpectEverySeriesWhole(const std::string& out, bool recorded) {
    std::map<std::string, int> files;
    for (const std::string& name : Names(out)) {
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
        for (const char* extension : kExtensions) {
            const std::string ext = extension;
            if (name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0 &&
                name.rfind("index", 0) != 0 && name.rfind("qc", 0) != 0)
                ++files[name.substr(0, name.size() - ext.size())];
        }
    }
    const std::map<std::string, int> record = recorded ? Recorded(out) : std::map<std::string, int>();
    for (const auto& [base, count] : files) {
        EXPECT_EQ(count, 4) << base;
        if (!recorded) continue;
        for (const char* extension : kExtensions)
            EXPECT_EQ(record.count(base + extension), 1u) << base << extension;
    }
}

}  // namespace

// The series keeps the name it was first given: a laptop that travelled, a server in UTC.
TEST_F(BatchFolderTest, ASeriesKeepsItsNameWhateverTheTimeZone) {
    std::string err;
    RunBatch(Batch(L"out"), err, "UTC0");
    const std::set<std::string> first = Names(Path(L"out"));
    ASSERT_TRUE(first.count("2024-03-14_0912_АИ-95-К5_партия_2417.json")) << err;
    // The reports show local times, so they are written anew: under the names they have.
    RunBatch(Batch(L"out"), err, "JST-9");
    EXPECT_EQ(WithoutKeptPages(Names(Path(L"out"))), first) << err;
    EXPECT_FALSE(Holds(err, "записанный не пакетом")) << err;
    EXPECT_TRUE(
        Holds(ReadBytes(folder.File(L"out/2024-03-14_0912_АИ-95-К5_партия_2417.html")), "14.03.24  18:12"));
    // A folder new to the series names it by the local time of the run.
    RunBatch(Batch(L"tokyo"), err, "JST-9");
    EXPECT_TRUE(Names(Path(L"tokyo")).count("2024-03-14_1812_АИ-95-К5_партия_2417.json"));
}

// A lab's scheduled run and a person's, started together into one folder: the second waits for the first
// and finds the folder as one batch leaves it.
TEST_F(BatchFolderTest, TwoBatchesStartedTogetherLeaveWhatOneBatchLeaves) {
    std::string err;
    const int alone = RunBatch(Batch(L"one"), err);
    setenv("TZ", "UTC0", 1);
    Child first(Batch(L"two"), Path(L"err1.txt"));
    Child second(Batch(L"two"), Path(L"err2.txt"));
    EXPECT_EQ(first.Wait(), alone);
    EXPECT_EQ(second.Wait(), alone);
    const std::string errors = ReadBytes(folder.File(L"err1.txt")) + ReadBytes(folder.File(L"err2.txt"));
    EXPECT_FALSE(Holds(errors, "записанный не пакетом")) << errors;
    EXPECT_FALSE(Holds(errors, "не записан")) << errors;
    std::set<std::string> two = Names(Path(L"two"));
    two.erase("qc-все_даты.json");  // the charts for programs carry the time they were made
    EXPECT_EQ(two, Names(Path(L"one")));
    EXPECT_EQ(Recorded(Path(L"two")), Recorded(Path(L"one")));
    ExpectEverySeriesWhole(Path(L"two"), true);
}

// The second batch waits a while, then refuses, naming who holds the folder and since when.
TEST_F(BatchFolderTest, ABatchRefusesAFolderAnotherHoldsAndNamesTheHolder) {
    fs::create_directory(Path(L"out"));
    WriteBytes(
        folder.File(L"out/oxycalc-batch.lock"),
        "oxycalc: папка занята пакетным расчётом\npid 4242\nstart \nwho ivanov@ЛАБ-2\nsince 1710407520\n");
    std::vector<std::string> args = Batch(L"out");
    args.insert(args.end(), {"--wait", "1"});
    std::string err;
    EXPECT_EQ(RunBatch(args, err), 2);
    EXPECT_TRUE(Holds(err, "ждём до 1 с")) << err;
    EXPECT_TRUE(Holds(err,
                      "занята другим пакетом: его ведёт ivanov@ЛАБ-2 (процесс 4242) с 14.03.2024 09:12; "
                      "пакет не запущен"))
        << err;
    EXPECT_TRUE(Holds(err, "удалите файл")) << err;
    EXPECT_EQ(Names(Path(L"out")), std::set<std::string>{"oxycalc-batch.lock"});
    // A lock this computer's process left when it died does not stand in the way.
    WriteBytes(folder.File(L"out/oxycalc-batch.lock"),
               "oxycalc: папка занята пакетным расчётом\npid 2147483000\nstart \nwho " +
                   ToUtf8(UserAtComputer()) + "\nsince 1710407520\n");
    EXPECT_EQ(RunBatch(args, err), 1) << err;  // the demo's series without sample masses
    EXPECT_FALSE(fs::exists(Path(L"out/oxycalc-batch.lock")));
    ExpectEverySeriesWhole(Path(L"out"), true);
}

// What a run killed between a series' files leaves: its record of the series' files about to take their
// places, two of them in place and two still staged. The next run puts them in place and records them.
TEST_F(BatchFolderTest, ARunCutShortBetweenASeriesFilesIsCompletedByTheNext) {
    std::string err;
    const int whole = RunBatch(Batch(L"out"), err);
    const std::string base = Path(L"out/2024-03-14_0912_АИ-95-К5_партия_2417");
    std::string commit = "commit\t101@1710407520\t1710410000";
    fs::create_directory(Path(L"out/oxycalc-batch-staging"));
    for (const char* extension : kExtensions) {
        const std::string name = fs::path(base + extension).filename().string();
        const std::string staged = std::string("oxy") + (extension + 1) + "000.tmp";
        const std::string sha = Sha256OfFile(FromUtf8(base + extension)).value_or("");
        commit += "\t" + name + "\t" + sha + "\t" + staged;
        if (std::string(extension) == ".json" || std::string(extension) == ".csv")
            fs::rename(base + extension, Path(L"out/oxycalc-batch-staging/") + staged);
    }
    WriteBytes(folder.File(L"out/stray.tmp"), "a lab's own file");
    WriteBytes(folder.File(L"out/oxycalc-batch-staging/oxyZZZZZZ.tmp"), "never put in place");
    const std::string record = Path(L"out/oxycalc-batch-files.txt");
    WriteBytes(FromUtf8(record), ReadBytes(FromUtf8(record)) + commit + "\n");
    EXPECT_EQ(RunBatch(Batch(L"out"), err), whole);
    EXPECT_TRUE(Holds(err,
                      "отчёты серии «2024-03-14_0912_АИ-95-К5_партия_2417», прерванные прежним пакетом, "
                      "поставлены на место"))
        << err;
    for (const char* extension : kExtensions) EXPECT_TRUE(fs::exists(base + extension)) << extension;
    EXPECT_FALSE(fs::exists(Path(L"out/oxycalc-batch-staging")));
    EXPECT_EQ(ReadBytes(folder.File(L"out/stray.tmp")), "a lab's own file");
    const std::string lines = ReadBytes(FromUtf8(record));
    EXPECT_TRUE(
        Holds(lines.substr(lines.find(commit)), "\nfile\t2024-03-14_0912_АИ-95-К5_партия_2417.json\t"));
    EXPECT_FALSE(Holds(err, "записанный не пакетом")) << err;
}

// Killed at random points, by SIGTERM or outright, a batch leaves each series whole or as it was (SIGTERM)
// or completable (SIGKILL); the next run completes it and leaves nothing of the cut-short run behind.
TEST_F(BatchFolderTest, ABatchKilledAtRandomPointsLeavesEverySeriesWholeAfterTheNextRun) {
    std::string err;
    const auto start = std::chrono::steady_clock::now();
    RunBatch(Batch(L"reference"), err);
    const auto length = std::chrono::steady_clock::now() - start;
    const std::set<std::string> reference = Names(Path(L"reference"));
    std::mt19937 random(28);
    for (int round = 0; round < 16; ++round) {
        const std::wstring out = L"out" + std::to_wstring(round % 4);
        const int signal = round % 2 == 0 ? SIGTERM : SIGKILL;
        // A changed table makes the next runs write every series anew, not keep what is there.
        if (round % 4 == 0 && round > 0) {
            std::string table = ReadBytes(folder.File(L"CompsTableOxycalc.csv"));
            const size_t ethanol = table.find("793.5");
            table[ethanol + 5] = table[ethanol + 5] == '0' ? '1' : '0';
            WriteBytes(folder.File(L"CompsTableOxycalc.csv"), table);
        }
        setenv("TZ", "UTC0", 1);
        {
            Child child(Batch(out), Path(L"err.txt"));
            std::this_thread::sleep_for(length * std::uniform_real_distribution<double>(0.0, 1.1)(random));
            child.Signal(signal);
            child.Wait();
        }
        const std::string killed = Path(out);
        if (fs::exists(killed) && signal == SIGTERM) ExpectEverySeriesWhole(killed, true);
        const int code = RunBatch(Batch(out), err);
        EXPECT_EQ(code, 1) << err;
        EXPECT_FALSE(Holds(err, "записанный не пакетом")) << "round " << round << ": " << err;
        ExpectEverySeriesWhole(killed, true);
        const std::set<std::string> names = WithoutKeptPages(Names(killed));
        EXPECT_EQ(names, reference) << "round " << round;
    }
}
