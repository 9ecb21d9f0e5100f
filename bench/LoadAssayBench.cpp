// LoadAssay of 256 chromatograms (2 channels × 100,000 samples, 40 named peaks each, files of 800 KB)
// from one database, as adding the host dialog's largest choice does, side by side with a plain read of
// the same 256 files, each into memory of its own that is kept until all are read. Loading reads each
// file's header, block headers and passport (about 3 % of it) and keeps no samples. Counters: plain_ms,
// the plain read's time, and ratio, LoadAssay's time over it (the goal is 0.25 at most, 0.05 at best);
// io_ms and io_ratio the same against reading the files' bytes into one buffer used again and again, which
// asks no fresh memory of the system: what reading them costs where fresh memory is dear.
// ChecksumsOfTheWholeList: what a report of all 256 adds, each listed file read once more, whole, for its
// SHA-256 and held against what was loaded.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "BriefRun.h"
#include "DemoData.h"
#include "calc/CalculationData.h"
#include "data/DataBaseConnection.h"
#include "data/LoadAssay.h"
#include "platform/StdioFile.h"
#include "report/ReportModel.h"
#include "support/TempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

class CountingMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring&) override { ++shown; }
    void ShowMessage(const std::wstring&) override { ++shown; }
    int shown = 0;
};

// The database and files are written once, on first use.
const std::vector<DemoData::Run>& Chromatograms() {
    static TempFolder folder;
    static const std::vector<DemoData::Run> runs = [] {
        std::vector<DemoData::Run> written = DemoData::SyntheticSet(256, 2, 100000, 40);
        DemoData::WriteRuns(folder.Path(), written);
        DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
        return written;
    }();
    return runs;
}

std::vector<char> ReadWhole(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    SeekStdioFile(file.get(), 0, SEEK_END);
    std::vector<char> bytes(static_cast<size_t>(TellStdioFile(file.get())));
    SeekStdioFile(file.get(), 0, SEEK_SET);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return bytes;
}

// The bytes of each file into the same buffer.
double ReadIntoOneBuffer(const std::vector<DemoData::Run>& runs) {
    std::vector<char> buffer;
    const Clock::time_point start = Clock::now();
    for (const DemoData::Run& run : runs) {
        const StdioFile file = OpenStdioFile(run.assay.fileName, "rb");
        SeekStdioFile(file.get(), 0, SEEK_END);
        buffer.resize(static_cast<size_t>(TellStdioFile(file.get())));
        SeekStdioFile(file.get(), 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), file.get()));
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The contents are freed after the clock stops, as the loaded list is.
double PlainRead(const std::vector<DemoData::Run>& runs) {
    std::vector<std::vector<char>> contents;
    const Clock::time_point start = Clock::now();
    for (const DemoData::Run& run : runs) contents.push_back(ReadWhole(run.assay.fileName));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(contents.data());
    return seconds;
}

double LoadAll(const std::vector<DemoData::Run>& runs, benchmark::State& state) {
    std::vector<Assay> assays;
    CountingMessages messages;
    const Clock::time_point start = Clock::now();
    {
        DataBase::DbHandle db;
        for (const DemoData::Run& run : runs) LoadAssay(assays, messages, db, run.assay.id);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (assays.size() != runs.size() || messages.shown != 0) state.SkipWithError("not all loaded");
    benchmark::DoNotOptimize(assays.data());
    return seconds;
}

// Each iteration loads and reads plainly, in turns first. The time reported is LoadAssay's.
void LoadAssays(benchmark::State& state) {
    const std::vector<DemoData::Run>& runs = Chromatograms();
    double plain = 0;
    double io = 0;
    double loading = 0;
    bool plainFirst = true;
    for (auto _ : state) {
        double loadTime = 0;
        if (plainFirst) {
            plain += PlainRead(runs);
            loadTime = LoadAll(runs, state);
        } else {
            loadTime = LoadAll(runs, state);
            plain += PlainRead(runs);
        }
        io += ReadIntoOneBuffer(runs);
        plainFirst = !plainFirst;
        loading += loadTime;
        state.SetIterationTime(loadTime);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plain / iterations;
    state.counters["ratio"] = loading / plain;
    state.counters["io_ms"] = 1000 * io / iterations;
    state.counters["io_ratio"] = loading / io;
}
BENCHMARK(LoadAssays)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(BriefRun() ? 1e-9 : 2.0);

void ChecksumsOfTheWholeList(benchmark::State& state) {
    const std::vector<DemoData::Run>& runs = Chromatograms();
    std::vector<Assay> assays;
    CountingMessages messages;
    {
        DataBase::DbHandle db;
        for (const DemoData::Run& run : runs) LoadAssay(assays, messages, db, run.assay.id);
    }
    ReportModel model = MakeReportModel(assays, CalculationData(), 0);
    for (auto _ : state) {
        if (!TakeChecksums(model, assays, messages) || model.chromatograms.back().fileSha256.empty()) {
            state.SkipWithError("no checksums");
            break;
        }
    }
}
BENCHMARK(ChecksumsOfTheWholeList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
