#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/Assay.h"
#include "data/CVeltarFile4.h"

// Realistic demo data for the plug-in: a host database, chromatogram files and a components file.
// Used by the oxycalc-demo-data program, the tests and the benchmarks.
namespace DemoData {

// An oxygenate as the host names its peak (a row of the shipped components table), with its place
// in the demo chromatograms.
struct Compound {
    const wchar_t* peakName;
    double retentionTime;  // min
    double petrol;         // % by mass in the demo petrol; 0 when absent
    double calibration;    // % by mass in the calibration mixture
    double petrolE10;      // % by mass in the second day's petrol with ethanol (E10)
    double petrolEthers;   // % by mass in the second day's petrol rich in ethers
};

// The compounds of the demo, the internal standard among them.
const std::vector<Compound>& Compounds();
// The component name of the internal standard, 1,2-dimethoxyethane.
extern const wchar_t kStandard[];

enum class FileState { Written, Missing, Damaged };

// One chromatogram to generate: its database row and named peaks, and what its file holds.
struct Run {
    Assay assay;                       // fileName is the name inside the folder until the run is written
    std::optional<double> sampleMass;  // absent: the passport names no "masssample"
    int channelCount = 2;
    size_t samplesPerChannel = 18000;
    double samplingRate = 20;  // Hz
    FileState file = FileState::Written;
};

// The demo set: three parallel determinations of one petrol with the internal standard, a
// calibration run, a chromatogram without sample mass, one whose file is missing, one damaged; on a
// second day three parallel determinations of each of two more petrols.
std::vector<Run> DemoSet(size_t samplesPerChannel = 18000);
// A check standard run once a day over 30 days, 2024-02-15 to 2024-03-15, in two parallels each morning;
// its MTBE is out of control on 2024-03-14, run at noon after that day's analyses.
std::vector<Run> QcSet(size_t samplesPerChannel = 18000);
// The QC file of the demo: the check standard's total oxygen, and its MTBE against 5.00 ± 0.15 % by mass;
// no limits established yet (tools/demo.sh establishes them from the first 20 days with oxycalc-cli qc
// --establish, as a lab does).
std::string QcFileBytes();
// `count` chromatograms of `channels` channels and `peaks` named peaks each (for benchmarks).
std::vector<Run> SyntheticSet(int count, int channels, size_t samplesPerChannel, int peaks);

// The chromatogram file of a run: baseline, noise and Gaussian peaks; peak tables; passport.
CVeltarFile4 MakeChromatogram(const Run& run);
// The host database file in a folder.
std::wstring HostDatabasePath(const std::wstring& folder);
// A file name inside a folder.
std::wstring InFolder(const std::wstring& folder, const std::wstring& name);

// Writes the runs' files into the folder (made absolute in fileName) and a fresh host database;
// throws std::runtime_error when something cannot be written.
void WriteRuns(const std::wstring& folder, std::vector<Run>& runs);
// The shipped components table in the plug-in's format: Windows-1251, CR LF, a header line.
std::string ComponentsFileBytes();
// Writes ComponentsFileBytes() into a file; throws std::runtime_error when it cannot.
void WriteComponentsFile(const std::wstring& path);
// The densities of the demo's petrols as a batch reads them: "sample;density" lines, UTF-8.
std::string DensitiesFileBytes();
// Everything: host.db, the chromatogram files of DemoSet, CompsTableOxycalc.csv and densities.csv; with
// `withQc` also the runs of QcSet and QcOxycalc.csv.
void WriteDemo(const std::wstring& folder, size_t samplesPerChannel = 18000, bool withQc = false);
// Writes the bytes into a file; throws std::runtime_error when it cannot.
void WriteFile(const std::wstring& path, const std::string& bytes);

}  // namespace DemoData
