// Memory per loaded chromatogram: oxycalc-cli computes from 100 chromatograms of 2 channels × 360,000
// samples (files of about 2.9 MB), and its peak resident memory is set against the files' size. Also
// run with one chromatogram, so that what the program needs without them can be told apart.
// Prints the ratios; the goal is 0.05 at most per added chromatogram (no samples are kept: only each file's
// outline and its named peaks).
// Usage: bench_load_memory [PATH-TO-oxycalc-cli]

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoData.h"
#include "ProgramRun.h"
#include "platform/FileSystemPath.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

constexpr int kChromatograms = 100;

// Peak resident memory in bytes of one run of the tool; -1 when it did not run or failed. Exit 1 is a run
// that went to its end: the synthetic chromatograms hold peaks no component of the table takes.
long long PeakMemoryOfRun(const std::vector<std::string>& arguments, const std::string& output) {
    const ProgramRun run = RunProgram(arguments, output, "");
    return run.exitCode == 0 || run.exitCode == 1 ? static_cast<long long>(run.peakMiB * 1024 * 1024) : -1;
}

std::vector<std::string> Arguments(const std::string& cli, const std::string& folder, int count) {
    std::vector<std::string> arguments{cli, "report", "--db",
                                       ToUtf8(DemoData::HostDatabasePath(FromUtf8(folder)))};
    for (int i = 0; i < count; ++i) {
        arguments.push_back("--assay");
        arguments.push_back(std::to_string(1000 + i));
    }
    for (const char* option : {"--tick-all", "--density", "745.68", "--standard"})
        arguments.push_back(option);
    arguments.push_back(ToUtf8(DemoData::kStandard));
    arguments.push_back("--components");
    arguments.push_back(folder + "/CompsTableOxycalc.csv");
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = argc > 1 ? argv[1] : OXY_CLI;
    const TempFolder folder;
    std::vector<DemoData::Run> runs = DemoData::SyntheticSet(kChromatograms, 2, 360000, 40);
    DemoData::WriteRuns(folder.Path(), runs);
    DemoData::WriteComponentsFile(DemoData::InFolder(folder.Path(), L"CompsTableOxycalc.csv"));
    double fileBytes = 0;
    for (const DemoData::Run& run : runs) {
        fileBytes += static_cast<double>(std::filesystem::file_size(ToFileSystemPath(run.assay.fileName)));
    }
    const double fileSize = fileBytes / kChromatograms;

    const std::string path = ToUtf8(folder.Path());
    const std::string output = path + "/table.txt";
    const long long one = PeakMemoryOfRun(Arguments(cli, path, 1), output);
    const long long all = PeakMemoryOfRun(Arguments(cli, path, kChromatograms), output);
    if (one < 0 || all < 0) {
        std::fprintf(stderr, "bench_load_memory: %s did not run or failed\n", cli.c_str());
        return 1;
    }
    const double mib = 1024.0 * 1024.0;
    std::printf("chromatogram file:                     %.2f MiB (2 channels x 360,000 samples)\n",
                fileSize / mib);
    std::printf("peak memory, 1 chromatogram:           %.1f MiB\n", static_cast<double>(one) / mib);
    std::printf("peak memory, %d chromatograms:        %.1f MiB\n", kChromatograms,
                static_cast<double>(all) / mib);
    std::printf("peak memory / files' size:             %.3f\n", static_cast<double>(all) / fileBytes);
    std::printf("memory per added chromatogram / file:  %.3f\n",
                static_cast<double>(all - one) / (kChromatograms - 1) / fileSize);
    return 0;
}
