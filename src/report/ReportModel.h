#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/TickedSamples.h"
#include "data/Assay.h"
#include "messages/Language.h"
#include "qc/QualityMark.h"
#include "report/ReportRegistration.h"

class UserMessages;

// One chromatogram of the list as the reports show it: its row and sample mass, without its signal.
struct ReportChromatogram {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970
    std::wstring fileName;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool isCalibration = false;
    double sampleMass = kNoSampleMass;
    bool usableMass = false;  // a sample mass the calculation can use
    bool ticked = false;
    // Of the chromatogram file when the report was made (TakeChecksums); empty when it did not load.
    std::string fileSha256;
    bool checksumUnavailable = false;  // the file is as loaded, but its SHA-256 could not be made
    // Its file changed or no longer reads since it was loaded: the values loaded may no longer be the
    // file's, and no checksum is given (TakeChecksumsMarkingStale).
    bool fileChanged = false;
    std::vector<Peak> peaks;  // its named peaks as the host's database gave them
};

// A file a report rests on, by its path and the SHA-256 of its content when the report was made.
struct ReportInput {
    std::wstring path;
    std::string sha256;  // empty: the file did not read
};

// A reference table a report rests on: its path and the version it read, with where its change log stood.
struct ReportTable {
    std::wstring path;
    TableVersion version;
};

// Which program made a report, and what a batch made it with besides what every report records: so that
// the report can be made again from the same settings and the inputs as they are now.
struct ReportOrigin {
    enum class Maker { Plugin, Report, Batch };
    Maker maker = Maker::Report;
    // A batch's: the file its sample density came from, the gap that ends its series, in hours, and the
    // QC file whose checks say what the series' results are worth.
    std::optional<ReportInput> densitiesFile;
    std::optional<double> seriesGapHours;
    std::optional<ReportTable> qcFile;
};

// How documents for programs name the maker: "plugin", "report", "batch".
const char* MakerKey(ReportOrigin::Maker maker);

// One sample's report: everything its outputs show, built once from a finished calculation. The report
// document, its page, JSON and CSV are all made from it.
struct ReportModel {
    std::vector<ReportChromatogram> chromatograms;  // the whole list, ticked or not, in its order
    std::vector<SampleName> samples;                // distinct sample and mixture of the ticked ones
    size_t distinctSamples = 0;                     // different sample names among them
    CalculationData data;                           // the calculation, its warnings and verdicts
    int64_t createdAt = 0;                          // when the report was made; 0: not told
    Language language = Language::Russian;          // the language of its words
    // How far the local time the report shows its times in was ahead of UTC when it was made, in minutes:
    // a check on a computer in another zone shows them so.
    int32_t utcOffsetMinutes = 0;
    // What the numbers rest on besides the chromatograms, so that the report can be checked later: the
    // host database the chromatograms came from and the stylesheet that made the page, set by whoever
    // makes the report; the components and limits files come with the calculation.
    std::wstring databasePath;
    std::optional<ReportInput> stylesheet;
    QualityMark quality;  // what QC says of the series; set by a batch
    ReportOrigin origin;
    ReportRegistration registration;  // where it stands in the register of issued reports, when one is kept
};

// What a report records besides its chromatograms and calculation: when, in which language and by which
// program it is made, from which database and stylesheet, what QC says of its series, and what becomes of a
// chromatogram file changed since it was loaded.
struct ReportContext {
    int64_t createdAt = 0;
    Language language = Language::Russian;
    std::wstring databasePath;
    std::optional<ReportInput> stylesheet;
    ReportOrigin origin;
    QualityMark quality;
    // The offset from UTC its local times are shown at; the computer's at createdAt when not given (a report
    // made again shows them as the recorded one did).
    std::optional<int32_t> utcOffsetMinutes;
    // Mark: the file is marked and a ticked one leaves the total and verdicts undetermined (the plug-in's
    // report button makes a report at each press). Refuse: no report is made.
    enum class StaleFiles { Refuse, Mark };
    StaleFiles staleFiles = StaleFiles::Refuse;
    // A draft while the lab keeps a register of issued reports; nothing of one otherwise.
    ReportRegistration registration;
};

// The one road from a calculation to a finished report, for every maker of one: the model of `assays` and
// their calculation with the context's records and the chromatograms' checksums. Nothing when a file changed
// since loading and the context refuses that (told to `messages`).
std::optional<ReportModel> FinishReportModel(const std::vector<Assay>& assays, CalculationData data,
                                             const ReportContext& context, UserMessages& messages);

// The report of a calculation of `assays`, made at `createdAt`; its local times are shown in the
// computer's time zone. The chromatograms' checksums are not taken yet (TakeChecksums).
ReportModel MakeReportModel(const std::vector<Assay>& assays, CalculationData data, int64_t createdAt);

// Reads the file of each chromatogram of the report's list once, whole, for its SHA-256, holding its
// header, block headers and passport against what loading read: the list keeps no checksum, as most of
// what it lists never goes into a report. `assays` is the list the model was made of. False, after
// telling which files changed or no longer read since they were loaded, when one did: the values loaded
// from it may no longer be the file's, and no report is to be made of them.
bool TakeChecksums(ReportModel& model, const std::vector<Assay>& assays, UserMessages& messages);

// The same for a report that is made whatever the files say (each press of the plug-in's report button
// makes one): a chromatogram whose file changed or no longer reads since loading is marked, and when it is
// ticked the calculation says so (a warning naming it): its total and verdicts are undetermined.
void TakeChecksumsMarkingStale(ReportModel& model, const std::vector<Assay>& assays);

// A file as an input of a report: its path, made absolute so that the report can be checked from any
// folder, and its checksum.
ReportInput FileInput(const std::wstring& path);

// A path made absolute against the working folder; as it is when that fails.
std::wstring AbsolutePath(const std::wstring& path);
