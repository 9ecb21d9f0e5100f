#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/OxygenateCalculator.h"
#include "data/Assay.h"
#include "tables/ComponentsTable.h"

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

void ReloadAndCalculate(benchmark::State& state) {
    const ComponentsFile file;
    const std::vector<Assay> assays = TickedChromatograms();
    ComponentsTable table;
    table.path = file.Path();
    const CalculationSettings settings{L"", 745, true};
    OxygenateResults data;
    for (auto _ : state) {
        table.Load();
        data = CalculateOxygenates(settings, table.components, assays);
        benchmark::DoNotOptimize(data.totalOxygen);
    }
    if (data.results.size() != kComponents) state.SkipWithError("not every component was found");
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
    const CalculationSettings settings;
    for (auto _ : state) {
        const OxygenateResults data = CalculateOxygenates(settings, table.components, assays);
        benchmark::DoNotOptimize(data.totalOxygen);
    }
}

}  // namespace

BENCHMARK(ReloadAndCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReloadOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculateOnly)->Unit(benchmark::kMicrosecond);
