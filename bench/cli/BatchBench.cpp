// A batch for a LIMS: 200 samples of three parallel determinations each, every sample's reports (HTML,
// XML, JSON, CSV) and the index page, against one sample's reports made by `report`. After the runs
// the batch's time per sample is printed over the single report's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "BriefRun.h"
#include "CliOptions.h"
#include "DemoData.h"
#include "ReportCommand.h"
#include "messages/UserMessages.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

constexpr int kSamples = 200;
constexpr int kDeterminations = 3;

// The host database of the batch, made once: 600 chromatograms of the demo's compounds.
struct BatchData {
    TempFolder folder;
    BatchData() {
        std::vector<DemoData::Run> runs = DemoData::SyntheticSet(kSamples * kDeterminations, 2, 18000, 11);
        std::wstring densities;
        for (size_t i = 0; i < runs.size(); ++i) {
            const std::wstring sample = L"Проба " + std::to_wstring(i / kDeterminations + 1);
            runs[i].assay.sample = sample;
            if (i % kDeterminations == 0) densities += sample + L";745.5\n";
        }
        DemoData::WriteRuns(folder.Path(), runs);
        DemoData::WriteComponentsFile(folder.File(L"CompsTableOxycalc.csv"));
        WriteBytes(folder.File(L"densities.csv"), ToUtf8(densities));
    }
};

BatchData& Data() {
    static BatchData data;
    return data;
}

std::wstring Stylesheet() {
    return FromUtf8(OXY_STYLESHEET_DIR "/Report.xsl");
}

void BatchOfTwoHundredSamples(benchmark::State& state) {
    BatchData& data = Data();
    QuietMessages messages;
    BatchOptions options;
    options.database = DemoData::HostDatabasePath(data.folder.Path());
    options.components = data.folder.File(L"CompsTableOxycalc.csv");
    options.standard = DemoData::kStandard;
    options.densities = data.folder.File(L"densities.csv");
    options.outFolder = data.folder.File(L"batch");
    options.stylesheet = Stylesheet();
    for (auto _ : state) benchmark::DoNotOptimize(RunBatch(options, messages));
    state.counters["samples"] = kSamples;
}

void OneSampleReport(benchmark::State& state) {
    BatchData& data = Data();
    QuietMessages messages;
    CliOptions options;
    options.database = DemoData::HostDatabasePath(data.folder.Path());
    options.components = data.folder.File(L"CompsTableOxycalc.csv");
    options.assays = {1000, 1001, 1002};
    options.tickAll = true;
    options.sampleDensity = 745.5;
    options.standard = DemoData::kStandard;
    options.htmlPath = data.folder.File(L"one.html");
    options.xmlPath = data.folder.File(L"one.xml");
    options.jsonPath = data.folder.File(L"one.json");
    options.csvPath = data.folder.File(L"one.csv");
    options.stylesheet = Stylesheet();
    for (auto _ : state) benchmark::DoNotOptimize(RunReport(options, messages));
}

// The results table that `report` prints would mix with the benchmark's own output.
struct QuietStandardOutput {
    QuietStandardOutput() { saved = std::freopen("/dev/null", "w", stdout) != nullptr; }
    bool saved = false;
};

// Prints the batch's time per sample over a single report's after the runs, on standard error.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.benchmark_name().rfind("OneSampleReport", 0) == 0) single_ = run.GetAdjustedRealTime();
            if (run.benchmark_name().rfind("BatchOfTwoHundredSamples", 0) == 0)
                batch_ = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
        if (single_ > 0 && batch_ > 0) {
            std::fprintf(
                stderr,
                "batch of %d samples: %.0f ms (goal: under 2000 ms); %.2f ms a sample, %.2f x one report\n",
                kSamples, batch_, batch_ / kSamples, batch_ / kSamples / single_);
        }
    }

private:
    double single_ = 0;
    double batch_ = 0;
};

}  // namespace

BENCHMARK(OneSampleReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BatchOfTwoHundredSamples)->Unit(benchmark::kMillisecond)->Iterations(BriefRun() ? 1 : 3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    const QuietStandardOutput quiet;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return quiet.saved ? 0 : 1;
}
