// A year of daily QC: oxycalc-cli qc over 365 series of a check standard, three parallels each, run as
// the program a lab runs, with two charts (total oxygen, MTBE against its accepted value). Prints the
// time (goal: under 2 s) and the peak memory. The chromatograms share three files, each read anew.
// Usage: bench_qc_year [PATH-TO-oxycalc-cli]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "DemoData.h"
#include "HostDatabase.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

constexpr int kDays = 365;

// 365 series of the demo's check standard, one a morning, three parallels 20 minutes apart, their
// concentrations moving a little from day to day.
void WriteYear(const TempFolder& folder) {
    std::vector<DemoData::Run> templates = DemoData::QcSet();
    templates.resize(3);
    DemoData::WriteRuns(folder.Path(), templates);
    DemoData::WriteComponentsFile(folder.File(L"CompsTableOxycalc.csv"));
    HostDatabase database(DemoData::HostDatabasePath(folder.Path()));
    const std::string last = std::to_string(kDays * 3 - 1);
    const std::string first = std::to_string(templates.front().assay.id);
    database.Execute(
        "BEGIN;"
        "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < " +
        last +
        ") "
        "INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration) "
        "SELECT 5000 + k, 1704094200 + (k / 3) * 86400 + (k % 3) * 1200, "
        "(SELECT filename FROM assay WHERE id = " +
        first +
        " + k % 3), sample, mixture, method, 0 FROM n, (SELECT sample, mixture, method FROM assay WHERE id "
        "= " +
        first +
        ");"
        "INSERT INTO peak (assayid, nameid, name, area, time, concentration, height, channel, front, back) "
        "SELECT a.id, p.nameid, p.name, p.area, p.time, "
        "p.concentration * (1 + 0.004 * (((a.id - 5000) / 3 * 37) % 11 - 5) / 5.0), p.height, p.channel, "
        "p.front, p.back FROM assay a JOIN peak p ON p.assayid = " +
        first +
        " + (a.id - 5000) % 3 WHERE a.id >= 5000;"
        "DELETE FROM assay WHERE id < 5000; DELETE FROM peak WHERE assayid < 5000;"
        "COMMIT;");
    WriteBytes(folder.File(L"densities.csv"), DemoData::DensitiesFileBytes());
    WriteBytes(folder.File(L"QcOxycalc.csv"), DemoData::QcFileBytes());
}

struct Measured {
    double seconds = -1;
    double peakMiB = -1;
    int exitCode = -1;
};

Measured Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Measured measured;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return measured;
    measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux counts in KiB
    measured.exitCode = WEXITSTATUS(status);
    return measured;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = argc > 1 ? argv[1] : OXY_CLI;
    const TempFolder folder;
    WriteYear(folder);
    const std::string path = ToUtf8(folder.Path());
    const Measured year =
        Run({cli, "qc", "--db", ToUtf8(DemoData::HostDatabasePath(folder.Path())), "--components",
             path + "/CompsTableOxycalc.csv", "--standard", ToUtf8(DemoData::kStandard), "--densities",
             path + "/densities.csv", "--xsl", OXY_STYLESHEET_DIR "/QcChart.xsl", "--out", path + "/out"});
    // 0: every check in control; 1 when one is not, which the varied days may give. Each series gives a
    // point on each chart.
    const std::string json = ReadBytes(folder.File(L"out/qc.json"));
    size_t points = 0;
    for (size_t at = json.find("\"outcome\""); at != std::string::npos; at = json.find("\"outcome\"", at + 1))
        ++points;
    if (year.seconds < 0 || year.exitCode > 1 || points != 2 * kDays) {
        std::fprintf(stderr, "bench_qc_year: %s charted %zu points, not %d (exit %d)\n", cli.c_str(), points,
                     2 * kDays, year.exitCode);
        return 1;
    }
    std::printf("a year of daily QC, %d series x 3, two charts: %.2f s, peak %.1f MiB (goal: under 2 s)\n",
                kDays, year.seconds, year.peakMiB);
    return 0;
}
