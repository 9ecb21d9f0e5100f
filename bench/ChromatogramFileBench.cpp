// Reading a chromatogram file of 4 channels × 1,000,000 samples with 200 peak marks, side by side with
// a plain read of the same bytes into memory. Counters: plain_ms, the plain read's time, and ratio,
// the reader's time over the plain read's (the goal is 1.2 at most).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DemoData.h"
#include "data/CVeltarFile4.h"
#include "platform/StdioFile.h"
#include "support/TempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

// The file is written once, on first use.
const std::wstring& BigFile() {
    static TempFolder folder;
    static const std::wstring path = [] {
        const std::wstring name = folder.File(L"большая.stg");
        CVeltarFile4 file = DemoData::MakeChromatogram(DemoData::SyntheticSet(1, 4, 1000000, 200)[0]);
        if (file.Write(name) != VeltarFileStatus::kOk) std::abort();
        return name;
    }();
    return path;
}

double PlainRead() {
    const Clock::time_point start = Clock::now();
    const StdioFile file = OpenStdioFile(BigFile(), "rb");
    SeekStdioFile(file.get(), 0, SEEK_END);
    std::vector<char> bytes(static_cast<size_t>(TellStdioFile(file.get())));
    SeekStdioFile(file.get(), 0, SEEK_SET);
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    benchmark::DoNotOptimize(bytes.data());
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ReaderRead(benchmark::State& state) {
    const Clock::time_point start = Clock::now();
    CVeltarFile4 file;
    if (file.Read(BigFile()) != VeltarFileStatus::kOk) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(file.channels.data());
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Each iteration reads the file both ways, in turns first, so that neither always finds the other's
// traces in the caches. The time reported is the reader's.
void ReadChromatogramFile(benchmark::State& state) {
    BigFile();
    double plain = 0;
    double reader = 0;
    bool plainFirst = true;
    for (auto _ : state) {
        double readerTime = 0;
        if (plainFirst) {
            plain += PlainRead();
            readerTime = ReaderRead(state);
        } else {
            readerTime = ReaderRead(state);
            plain += PlainRead();
        }
        plainFirst = !plainFirst;
        reader += readerTime;
        state.SetIterationTime(readerTime);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plain / iterations;
    state.counters["ratio"] = reader / plain;
}
BENCHMARK(ReadChromatogramFile)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
