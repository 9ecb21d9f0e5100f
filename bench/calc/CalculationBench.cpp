#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/Limits.h"
#include "calc/OxygenateCalculator.h"
#include "calc/Recalculation.h"
#include "data/Assay.h"
#include "records/LastReadComponents.h"
#include "records/TrackedTables.h"
#include "tables/ComponentsTable.h"
#include "tables/DataFilePath.h"

namespace {

constexpr int kComponents = 50;
constexpr int kChromatograms = 256;
constexpr int kPeaksPerChromatogram = 60;

// Names of equal length that differ only near the end, the hardest case for matching.
std::string ComponentName(int i) {
    return "\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2 " + std::to_string(100 + i);  // "Компонент 1xx"
}

std::wstring PeakName(int i) {
    return L"КОМПОНЕНТ " + std::to_wstring(100 + i);
}

// A 50-row components file in a fresh temporary folder.
class ComponentsFile {
public:
    ComponentsFile() {
        folder_ = std::filesystem::temp_directory_path() / "oxycalc-bench-calculation";
        std::filesystem::create_directories(folder_);
        path_ = folder_ / "CompsTableOxycalc.csv";
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << "\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2;\xC8\xEC\xFF;\xCC;\xCF\r\n";
        for (int i = 0; i < kComponents; ++i) {
            out << i << ';' << ComponentName(i) << ';' << ComponentName(i) << ";88.15;740.50\r\n";
        }
    }
    ~ComponentsFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ComponentsFile(const ComponentsFile&) = delete;
    ComponentsFile& operator=(const ComponentsFile&) = delete;

    std::wstring Path() const { return path_.wstring(); }
    // Puts the shipped E10 limits beside the table, as the lab that checks against them does.
    void AddLimits() const {
        std::filesystem::copy_file(
            std::filesystem::path(OXY_SOURCE_DIR) / "src/tables/LimitsOxycalc-EN228-E10.csv",
            folder_ / "LimitsOxycalc.csv", std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

// Ticked chromatograms holding most components plus peaks the table does not know.
std::vector<Assay> TickedChromatograms() {
    std::vector<Assay> assays(kChromatograms);
    for (int a = 0; a < kChromatograms; ++a) {
        assays[a].isTicked = 1;
        assays[a].sampleMass = 10.0 + a * 0.01;
        for (int p = 0; p < kPeaksPerChromatogram; ++p) {
            Peak peak;
            peak.name = PeakName((p * 7 + a) % (kComponents + 15));
            peak.concentration = 0.1 + p * 0.05;
            assays[a].peaks.push_back(peak);
        }
    }
    return assays;
}

// Three parallel determinations, each with every component once: a calculation every limit is held against.
std::vector<Assay> ThreeParallels() {
    std::vector<Assay> assays(3);
    for (int a = 0; a < 3; ++a) {
        assays[a].isTicked = 1;
        assays[a].sampleMass = 10.0 + a * 0.01;
        for (int p = 0; p < kComponents; ++p) {
            Peak peak;
            peak.name = PeakName(p);
            peak.concentration = 0.2 + p * 0.01;
            peak.concentrationGiven = true;
            assays[a].peaks.push_back(peak);
        }
    }
    return assays;
}

void ReloadAndCalculate(benchmark::State& state) {
    const ComponentsFile file;
    const std::vector<Assay> assays = TickedChromatograms();
    ComponentsTable table;
    table.path = file.Path();
    CalculationData data;
    data.sampleDensity = 745;
    const OxygenateCalculator calculator{&data, &assays};
    for (auto _ : state) {
        table.Load();
        data.components = table.components;
        calculator.Calculate();
        benchmark::DoNotOptimize(data.totalOxygen);
    }
    if (data.results.size() != kComponents) state.SkipWithError("not every component was found");
}

// A keystroke in the density or standard field, the whole road the dialog's Recalculate takes: the
// components file read (hashed, its change log checked), the limits file beside it read the same way, the
// calculation with its warnings, and the results held against the limits.
void Keystroke(benchmark::State& state) {
    const ComponentsFile file;
    file.AddLimits();
    const std::vector<Assay> assays = TickedChromatograms();
    ComponentsTable table;
    table.path = file.Path();
    LastReadComponents lastRead;
    const CalculationSettings settings{L"Компонент 100", 745.0, true};
    CalculationData data;
    for (auto _ : state) {
        const ComponentsSnapshot components = lastRead.Reload(table);
        const std::optional<LimitsFile> limits =
            ReadLimitsFile(DataFileBeside(components.path, L"LimitsOxycalc.csv"));
        data = Recalculate(settings, components, assays, limits);
        benchmark::DoNotOptimize(data.totalOxygen);
    }
    if (data.results.size() != kComponents || !data.limits || data.verdicts.empty() ||
        data.componentsFile.tracking.version.sha256.empty() || data.limits->tracking.version.sha256.empty())
        state.SkipWithError("not the whole road");
}

// The two halves alone, to see where the time goes.
void ReloadOnly(benchmark::State& state) {
    const ComponentsFile file;
    ComponentsTable table;
    table.path = file.Path();
    for (auto _ : state) {
        table.Load();
        benchmark::DoNotOptimize(table.components.data());
    }
}

void CalculateOnly(benchmark::State& state) {
    const ComponentsFile file;
    const std::vector<Assay> assays = TickedChromatograms();
    ComponentsTable table;
    table.path = file.Path();
    table.Load();
    CalculationData data;
    data.components = table.components;
    const OxygenateCalculator calculator{&data, &assays};
    for (auto _ : state) {
        calculator.Calculate();
        benchmark::DoNotOptimize(data.totalOxygen);
    }
}

// A limits file of state.range(0) lines, each a limit of one component (no r: every line is looked
// through for one), read and held against the calculation: its time must grow with the lines, not with
// their square.
void LimitsOfManyLines(benchmark::State& state) {
    const ComponentsFile file;
    const std::filesystem::path limitsPath = std::filesystem::path(file.Path()).parent_path() / "Many.csv";
    {
        std::ofstream out(limitsPath, std::ios::binary | std::ios::trunc);
        for (int64_t i = 0; i < state.range(0); ++i)
            out << "N " << i << ';' << ComponentName(static_cast<int>(i % kComponents))
                << ";% \xEC\xE0\xF1\xF1.;15\r\n";
    }
    const std::vector<Assay> assays = ThreeParallels();
    ComponentsTable table;
    table.path = file.Path();
    LastReadComponents lastRead;
    const ComponentsSnapshot components = lastRead.Reload(table);
    const CalculationSettings settings{L"Компонент 100", 745.0, true};
    CalculationData data;
    for (auto _ : state) {
        const std::optional<LimitsFile> limits = ParseLimitsFile(limitsPath.wstring());
        data = Recalculate(settings, components, assays, limits);
        benchmark::DoNotOptimize(data.totalOxygen);
    }
    const bool determined = !data.verdicts.empty() && data.verdicts.back().doubt.Empty();
    if (data.verdicts.size() != static_cast<size_t>(state.range(0)) || !determined)
        state.SkipWithError("not every limit determined");
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(LimitsOfManyLines)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReloadAndCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReloadOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculateOnly)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
