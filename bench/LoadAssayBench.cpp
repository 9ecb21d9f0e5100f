// LoadAssay of 256 chromatograms (2 channels × 100,000 samples, 40 named peaks each) from one
// database, as adding the host dialog's largest choice does.
#include <benchmark/benchmark.h>

#include <vector>

#include "DemoData.h"
#include "data/DataBaseConnection.h"
#include "data/LoadAssay.h"
#include "support/TempFolder.h"

namespace {

class SilentMessages : public UserMessages {
public:
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

void LoadAssays(benchmark::State& state) {
    const std::vector<DemoData::Run>& runs = Chromatograms();
    for (auto _ : state) {
        DataBase::DbHandle db;
        std::vector<Assay> assays;
        SilentMessages messages;
        for (const DemoData::Run& run : runs) LoadAssay(assays, messages, db, run.assay.id);
        if (assays.size() != runs.size() || messages.shown != 0) state.SkipWithError("not all loaded");
        benchmark::DoNotOptimize(assays.data());
    }
}
BENCHMARK(LoadAssays)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
