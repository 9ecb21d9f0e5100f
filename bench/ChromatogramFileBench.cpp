// Reading a chromatogram file of 4 channels × 1,000,000 samples with 200 peak marks, against a
// plain read of the same bytes into memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DemoData.h"
#include "data/CVeltarFile4.h"
#include "platform/StdioFile.h"
#include "support/TempFolder.h"

namespace {

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

void PlainRead(benchmark::State& state) {
    for (auto _ : state) {
        const StdioFile file = OpenStdioFile(BigFile(), "rb");
        SeekStdioFile(file.get(), 0, SEEK_END);
        std::vector<char> bytes(static_cast<size_t>(TellStdioFile(file.get())));
        SeekStdioFile(file.get(), 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);

void ReadChromatogramFile(benchmark::State& state) {
    for (auto _ : state) {
        CVeltarFile4 file;
        if (file.Read(BigFile()) != VeltarFileStatus::kOk) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(file.channels.data());
    }
}
BENCHMARK(ReadChromatogramFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
