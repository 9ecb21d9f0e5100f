// How the batch grows: oxycalc-cli batch over 200 and over 5,000 series of three parallels each, run as
// the program a lab runs. Prints each run's time per series and the ratio of the two (the goal: a long
// batch costs no more a series than a short one), and the long run's peak memory (goal: under 100 MB).
// The series' chromatograms share three files, so that the folder stays small; each is read anew.
// Usage: bench_batch_scale [PATH-TO-oxycalc-cli]

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BriefRun.h"
#include "DemoData.h"
#include "HostDatabase.h"
#include "ProgramRun.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

// A database of `count` series of three analyses (20 minutes apart, each series another sample) and
// the densities of their samples.
void WriteSeries(const TempFolder& folder, int count) {
    std::vector<DemoData::Run> templates = DemoData::SyntheticSet(3, 2, 18000, 11);
    DemoData::WriteRuns(folder.Path(), templates);
    DemoData::WriteComponentsFile(folder.File(L"CompsTableOxycalc.csv"));
    HostDatabase database(DemoData::HostDatabasePath(folder.Path()));
    const std::string last = std::to_string(count * 3 - 1);
    database.Execute(
        "BEGIN;"
        "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < " +
        last +
        ") "
        "INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration) "
        "SELECT 2000 + k, 1710407520 + k * 1200, (SELECT filename FROM assay WHERE id = 1000 + k % 3), "
        "'Серия ' || (k / 3), 'Бензин', 'ГОСТ EN 13132', 0 FROM n;"
        "INSERT INTO peak (assayid, nameid, name, area, time, concentration, height, channel, front, back) "
        "SELECT a.id, p.nameid, p.name, p.area, p.time, p.concentration, p.height, p.channel, p.front, "
        "p.back "
        "FROM assay a JOIN peak p ON p.assayid = 1000 + (a.id - 2000) % 3 WHERE a.id >= 2000;"
        "DELETE FROM assay WHERE id < 2000; DELETE FROM peak WHERE assayid < 2000;"
        "COMMIT;");
    std::string densities;
    for (int i = 0; i < count; ++i) densities += "Серия " + std::to_string(i) + ";745.5\n";
    WriteBytes(folder.File(L"densities.csv"), densities);
}

ProgramRun Batch(const std::string& cli, int count) {
    const TempFolder folder;
    WriteSeries(folder, count);
    const std::string path = ToUtf8(folder.Path());
    return RunProgram(
        {cli, "batch", "--db", ToUtf8(DemoData::HostDatabasePath(folder.Path())), "--components",
         path + "/CompsTableOxycalc.csv", "--standard", ToUtf8(DemoData::kStandard), "--densities",
         path + "/densities.csv", "--xsl", OXY_STYLESHEET_DIR "/Report.xsl", "--out", path + "/out"},
        "", path + "/log.txt");
}

// The median of three runs of the small batch: a second's run on a shared machine varies by a third.
ProgramRun MedianBatch(const std::string& cli, int count) {
    std::vector<ProgramRun> runs;
    for (int i = 0; i < 3; ++i) runs.push_back(Batch(cli, count));
    std::sort(runs.begin(), runs.end(),
              [](const ProgramRun& a, const ProgramRun& b) { return a.seconds < b.seconds; });
    return runs[1];
}

double Megabytes(double mebibytes) {
    return mebibytes * 1024 * 1024 / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = argc > 1 ? argv[1] : OXY_CLI;
    const int smallCount = BriefRun() ? 10 : 200;
    const int largeCount = BriefRun() ? 20 : 5000;
    const ProgramRun small = BriefRun() ? Batch(cli, smallCount) : MedianBatch(cli, smallCount);
    const ProgramRun large = Batch(cli, largeCount);
    if (small.exitCode < 0 || large.exitCode < 0) {
        std::fprintf(stderr, "bench_batch_scale: %s did not run\n", cli.c_str());
        return 1;
    }
    std::printf("batch of %5d series x 3: %7.2f s, %.2f ms a series, peak %.1f MB (goal: under 2 s)\n",
                smallCount, small.seconds, small.seconds * 1000 / smallCount, Megabytes(small.peakMiB));
    std::printf("batch of %5d series x 3: %7.2f s, %.2f ms a series, peak %.1f MB (goal: under 100 MB)\n",
                largeCount, large.seconds, large.seconds * 1000 / largeCount, Megabytes(large.peakMiB));
    std::printf("time a series, %d / %d: %.2f (goal: 1.00 at most)\n", largeCount, smallCount,
                (large.seconds / largeCount) / (small.seconds / smallCount));
    return 0;
}
