#include "BatchCommand.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "ConsoleMessages.h"
#include "InputFiles.h"
#include "batch/BatchIndex.h"
#include "batch/BatchInputs.h"
#include "batch/BatchManifest.h"
#include "batch/BatchQc.h"
#include "batch/BatchSeries.h"
#include "batch/SeriesCalculation.h"
#include "calc/CalculationWarning.h"
#include "calc/Limits.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/FolderLock.h"
#include "platform/InterruptCleanup.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/ReplaceFile.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "qc/QcJson.h"
#include "qc/QualityMark.h"
#include "records/LastReadComponents.h"
#include "records/TrackedTables.h"
#include "register/RegisterExport.h"
#include "register/ReportRegister.h"
#include "report/LimsExport.h"
#include "report/ReportWriting.h"
#include "report/TemporaryReportFile.h"
#include "tables/DataFilePath.h"

namespace {

const wchar_t* const kExtensions[] = {L".html", L".xml", L".json", L".csv"};

ReportOutputs OutputsFor(const std::wstring& folder, const std::wstring& base,
                         const std::wstring& stylesheet) {
    const std::wstring path = JoinPath(folder, base);
    ReportOutputs outputs;
    outputs.html = path + L".html";
    outputs.xml = path + L".xml";
    outputs.json = path + L".json";
    outputs.csv = path + L".csv";
    outputs.stylesheet = stylesheet;
    return outputs;
}

// Where a run stages the files it puts in the folder: a folder of its own inside, so that whatever a run
// cut short left there is known to be a batch's and is cleared by the next one.
const wchar_t kStagingFolder[] = L"oxycalc-batch-staging";

// Everything one run shares: its inputs, read once, and what the folder holds.
struct BatchRun {
    explicit BatchRun(const BatchOptions& options_)
        : options(options_),
          manifest(options_.outFolder),
          staging(JoinPath(options_.outFolder, kStagingFolder)) {}

    const BatchOptions& options;
    SeriesInputs series;
    std::wstring stylesheet;       // of each report
    std::wstring indexStylesheet;  // of the index page, beside the report's
    ReportInput stylesheetInput;   // the report's stylesheet with its checksum, as the reports name it
    ReportOrigin origin;           // what every report records of how the batch made it
    std::vector<std::wstring> inputs;
    BatchManifest manifest;
    std::set<std::wstring> usedNames;            // the reports' names this run gave
    std::optional<QcFile> qcFile;                // beside the components file, when kept
    std::optional<QcCharts> qc;                  // its charts over the run's series
    std::vector<CalculationWarning> qcWarnings;  // what every report says of the QC file, as read
    std::wstring staging;                        // the staging folder
    const FolderLock* lock = nullptr;            // this run's hold on the folder
    std::optional<RegisterPlace> registerPlace;  // the lab's register, when it keeps one: reports are drafts
    // With --issue: the series whose drafts were written, to be issued together once all are written.
    struct Draft {
        size_t row = 0;
        std::wstring series;
        std::string sha256;
        ReportModel model;
    };
    std::vector<Draft> drafts;
};

// The name of a series' reports: the one its files were first given here; for a series new to the
// folder, its first analysis' local time and its sample, so that different series have different ones. A name
// another series took (two samples whose names differ only in characters a file name cannot hold) gets the
// first analysis' id.
std::wstring BaseNameOf(const Series& series, BatchRun& run) {
    // Made once: a later run, in whatever time zone, gives the series the name it has here.
    const std::optional<std::wstring> kept = run.manifest.BaseOf(series.Key());
    if (kept && run.usedNames.insert(*kept).second) return *kept;
    std::wstring stamp = LocalFileStamp(series.First(), false);
    if (stamp.empty()) stamp = L"без-даты";
    std::wstring base = stamp + L"_" + FileNamePart(series.sample);
    const std::optional<std::wstring> owner = run.manifest.SeriesOf(base + kExtensions[0]);
    if (run.usedNames.count(base) != 0 || (owner && *owner != series.Key()))
        base += L"_" + std::to_wstring(series.analyses.front().id);
    run.usedNames.insert(base);
    return base;
}

// The first file of the folder that the series may not replace, or nothing: a file is replaced only when
// a batch wrote it for this series and nobody changed it since.
std::optional<std::wstring> ForeignFile(const ReportOutputs& outputs, const std::wstring& key,
                                        const BatchRun& run) {
    for (const std::wstring& path : outputs.Paths()) {
        if (!FileExists(path) && !FolderExists(path)) continue;
        const std::optional<std::string> sha = Sha256OfFile(path);
        const std::wstring name = FromFileSystemPath(ToFileSystemPath(path).filename());
        if (!sha || !run.manifest.MayReplace(name, key, *sha)) return path;
    }
    return std::nullopt;
}

std::wstring FileNameOf(const std::wstring& path) {
    return FromFileSystemPath(ToFileSystemPath(path).filename());
}

// Records each file of a commit that is in its place as it was staged: every one after a commit that went
// through whole, otherwise those whose file is found so.
void RecordPlaced(const BatchManifest::Commit& commit, bool whole, BatchRun& run, UserMessages& messages) {
    for (const BatchManifest::StagedFile& file : commit.files) {
        if (!whole && Sha256OfFile(JoinPath(run.options.outFolder, file.name)) != file.sha256) continue;
        if (!run.manifest.Record(file.name, commit.seriesKey, file.sha256, commit.created))
            messages.ShowError(Message(MessageCode::BatchRecordNotAdded, {file.name, run.manifest.Path()}));
    }
}

// Completes what a run cut short left: the files of a series recorded as about to take their places are
// put there from the staging folder and recorded; whatever else that folder holds was never put in place
// and is removed.
void CompleteCutShortRun(BatchRun& run, UserMessages& messages) {
    for (const BatchManifest::Commit& commit : run.manifest.Pending()) {
        for (const BatchManifest::StagedFile& file : commit.files) {
            const std::wstring staged = JoinPath(run.staging, file.staged);
            if (FileExists(staged) && Sha256OfFile(staged) == file.sha256)
                ReplaceFileWith(JoinPath(run.options.outFolder, file.name), staged);
        }
        RecordPlaced(commit, false, run, messages);
        const std::vector<BatchManifest::Commit> left = run.manifest.Pending();
        const bool whole = std::none_of(left.begin(), left.end(), [&](const BatchManifest::Commit& other) {
            return other.seriesKey == commit.seriesKey;
        });
        const std::wstring file = commit.files.empty() ? commit.seriesKey : commit.files.front().name;
        const std::wstring name = file.substr(0, file.rfind(L'.'));
        messages.ShowMessage(
            Message(whole ? MessageCode::BatchCutShortPlaced : MessageCode::BatchCutShortRewritten, {name}));
    }
    std::error_code error;
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(ToFileSystemPath(run.staging), error))
        left.push_back(entry.path());
    for (const std::filesystem::path& path : left) std::filesystem::remove(path, error);
}

// Whether every staged file is byte for byte the file already in its place.
bool SameAsInPlace(const StagedFiles& staged) {
    for (size_t i = 0; i < staged.Count(); ++i) {
        const std::optional<std::string> now = Sha256OfFile(staged.Target(i));
        if (!now || now != Sha256OfFile(staged.Temporary(i))) return false;
    }
    return staged.Count() > 0;
}

// Writes the series' reports: unchanged ones stay as they are (a series whose reports would come out
// the same keeps its files and their time), changed ones are made anew with the present time.
bool WriteSeries(const std::vector<Assay>& assays, const CalculationData& data, const QualityMark& quality,
                 const ReportOutputs& outputs, const std::wstring& key, BatchRun& run,
                 std::optional<ReportModel>& written, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const std::optional<int64_t> earlier = run.manifest.CreatedOf(key);
    StagedFiles staged(run.staging);
    ReportContext context;
    context.createdAt = earlier.value_or(now);
    context.language = run.options.language;
    context.databasePath = AbsolutePath(run.options.database);
    context.stylesheet = run.stylesheetInput;
    context.origin = run.origin;
    context.quality = quality;
    if (run.registerPlace) context.registration.status = ReportRegistration::Status::Draft;
    written = FinishReportModel(assays, data, context, messages);
    if (!written) return false;
    ReportModel& model = *written;
    if (!StageReportFiles(model, outputs, staged, messages)) return false;
    if (earlier && SameAsInPlace(staged)) return true;
    if (earlier) {
        staged.Discard();
        model.createdAt = now;
        if (!StageReportFiles(model, outputs, staged, messages)) return false;
    }
    BatchManifest::Commit commit{key, model.createdAt, {}};
    for (size_t i = 0; i < staged.Count(); ++i) {
        commit.files.push_back({FileNameOf(staged.Target(i)), Sha256OfFile(staged.Temporary(i)).value_or(""),
                                FileNameOf(staged.Temporary(i))});
    }
    if (!run.lock->StillHeld()) {
        messages.ShowError(Message(MessageCode::BatchFolderTakenReports, {run.options.outFolder}));
        return false;
    }
    // The files go in place together, recorded before the first and after the last: an interruption waits
    // for them, and a process killed on the way leaves the record from which the next run completes them.
    const InterruptsDeferred whole;
    if (!run.manifest.RecordCommit(commit)) {
        messages.ShowError(Message(MessageCode::BatchCommitNotRecorded, {run.manifest.Path()}));
        return false;
    }
    const bool committed = CommitStaged(staged, messages);
    RecordPlaced(commit, committed, run, messages);
    return committed;
}

std::vector<std::wstring> ComponentsAboveR(const CalculationData& data) {
    std::vector<std::wstring> names;
    for (const ComponentResult& result : data.results) {
        if (result.repeatabilityExceeded) names.push_back(result.name);
    }
    return names;
}

// Loads, ticks, calculates and writes one series; its row of the index either way. A QC series' row
// tells its QC results; an analysis series' report and row carry what QC says of it.
IndexRow RunSeries(BatchRun& run, const Series& series, DataBase::DbHandle& db, UserMessages& messages) {
    CalculatedSeries calculated = CalculateSeries(series, run.series, db, messages);
    IndexRow row = std::move(calculated.row);
    const bool qcSeries = run.qcFile && IsQcSample(*run.qcFile, series.sample);
    if (qcSeries) QcNotesOfSeries(*run.qc, series.Key(), row.qcResults, row.qcFailures);
    if (!calculated.data) return row;
    CalculationData& data = *calculated.data;
    const std::vector<Assay>& assays = calculated.assays;
    const QualityMark quality = run.qc && !qcSeries ? MarkOf(series, *run.qc) : QualityMark();
    data.warnings.insert(data.warnings.end(), run.qcWarnings.begin(), run.qcWarnings.end());
    const std::wstring base = BaseNameOf(series, run);
    const ReportOutputs outputs = OutputsFor(run.options.outFolder, base, run.stylesheet);
    std::vector<std::wstring> inputs = run.inputs;
    for (const Assay& assay : assays) inputs.push_back(assay.fileName);
    if (!OutputsApart(outputs.Paths(), inputs, messages)) {
        row.reason = MessageCode::BatchReportIsInput;
        return row;
    }
    if (const std::optional<std::wstring> foreign = ForeignFile(outputs, series.Key(), run)) {
        row.reason = Message(MessageCode::BatchForeignFile, {*foreign});
        return row;
    }
    std::optional<ReportModel> written;
    if (!WriteSeries(assays, data, quality, outputs, series.Key(), run, written, messages)) {
        row.reason = MessageCode::BatchReportNotWritten;
        return row;
    }
    if (run.options.issue)
        run.drafts.push_back(
            {0, series.Key(), Sha256OfFile(*outputs.json).value_or(""), std::move(*written)});
    row.base = base;
    row.totalOxygen = data.totalOxygen;
    row.totalOxygenDoubt = data.totalOxygenDoubt;
    for (const CalculationWarning& warning : data.warnings) row.warnings.push_back(warning.ToMessage());
    for (const LimitVerdict& verdict : data.verdicts) row.verdicts.emplace_back(verdict);
    row.exceededR = ComponentsAboveR(data);
    row.quality = quality;
    return row;
}

// Tells on as it is told, and keeps the last error for the series' row.
class KeptLastError : public UserMessages {
public:
    explicit KeptLastError(UserMessages& on) : on_(on) {}
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override {
        last = text;
        on_.ShowError(text);
    }
    void ShowMessage(const std::wstring& text) override { on_.ShowMessage(text); }
    Language MessageLanguage() const override { return on_.MessageLanguage(); }

    std::wstring last;

private:
    UserMessages& on_;
};

// Issues the drafts the run wrote, in one hold of the register: each series' row names its number, or why it
// was not issued (a problem of the row). A series whose draft was issued before keeps that issue.
void IssueSeries(BatchRun& run, IndexPage& page, UserMessages& messages) {
    RegisterQuery query;
    for (const BatchRun::Draft& draft : run.drafts) {
        query.drafts.insert(draft.sha256);
        query.series.insert(draft.series);
    }
    KeptLastError kept(messages);
    const std::unique_ptr<IssueSession> session =
        run.drafts.empty() ? nullptr : IssueSession::Open(*run.registerPlace, query, kept);
    const std::wstring lims = DataFileBeside(AbsolutePath(run.options.components), kLimsFolderName);
    for (BatchRun::Draft& draft : run.drafts) {
        IndexRow& row = page.rows[draft.row];
        if (!session) {
            row.warnings.push_back(Message(MessageCode::BatchNotIssued, {kept.last}));
            continue;
        }
        IssueRequest request;
        request.model = std::move(draft.model);
        request.draftSha256 = draft.sha256;
        request.series = draft.series;
        request.stylesheet = run.stylesheet;
        request.program = L"oxycalc-cli batch --issue";
        request.takeEarlierIssue = true;
        const std::optional<IssuedReport> issued = session->Issue(std::move(request), kept);
        if (!issued) {
            row.warnings.push_back(Message(MessageCode::BatchNotIssued, {kept.last}));
            continue;
        }
        row.notes.push_back(
            Message(issued->earlier ? MessageCode::BatchIssuedBefore : MessageCode::BatchIssued,
                    {issued->entry.number}));
        if (!issued->earlier && FolderExists(lims))
            ExportIssueForLims(*issued, *run.registerPlace, lims, kept);
    }
}

Message ProgressLine(size_t number, size_t count, const IndexRow& row) {
    const int64_t determinations = static_cast<int64_t>(row.determinations);
    const Message outcome =
        !row.reason.Empty() ? row.reason
        : !row.totalOxygenDoubt.Empty()
            ? Message(MessageCode::BatchProgressUndetermined, {determinations, Nested(row.totalOxygenDoubt)})
            : Message(MessageCode::BatchProgressOxygen, {determinations, Decimal(row.totalOxygen, 4)});
    return Message(MessageCode::BatchProgress, {static_cast<int64_t>(number), static_cast<int64_t>(count),
                                                row.sample, MessageMoment{row.firstDate}, Nested(outcome)});
}

// The previous index page of the folder (or its QC charts for programs) is kept under a name of its own
// (its dates, as the record says; "прежняя" for a page no batch recorded), never replaced: a lab's page or
// yesterday's batch stays readable.
bool KeepPreviousIndex(const std::wstring& index, const BatchManifest& manifest, UserMessages& messages) {
    const std::filesystem::path path = ToFileSystemPath(index);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const std::wstring range = manifest.IndexRange().value_or(L"прежняя");
    const std::wstring stem = FromFileSystemPath(path.stem()) + L"-" + FileNamePart(range, 80);
    const std::wstring extension = FromFileSystemPath(path.extension());
    std::filesystem::path kept = path.parent_path() / ToFileSystemPath(stem + extension);
    for (int copy = 2; std::filesystem::exists(kept, error); ++copy)
        kept = path.parent_path() / ToFileSystemPath(stem + L"-" + std::to_wstring(copy) + extension);
    std::filesystem::rename(path, kept, error);
    if (!error) return true;
    messages.ShowError(Message(MessageCode::BatchPreviousNotKept, {index, FromUtf8(error.message())}));
    return false;
}

// The index page: the folder's page stays as it is when it is this one already (a batch run again, or
// one that waited for another over the same dates); otherwise the previous page is kept aside.
bool WriteIndex(const std::wstring& index, const IndexPage& page, BatchRun& run, UserMessages& messages) {
    StagedFiles staged(run.staging);
    if (!StageIndexPage(index, page, run.indexStylesheet, staged, messages)) return false;
    if (SameAsInPlace(staged)) return true;
    return KeepPreviousIndex(index, run.manifest, messages) && CommitStaged(staged, messages);
}

// Reads what every series shares: the components, the densities, the limits, the stylesheets and the QC
// file beside the components file. The exit code to end with when one cannot be used; the limits' and
// QC file's unread lines are shortfalls.
std::optional<ExitCode> ReadInputs(BatchRun& run, Shortfalls& shortfalls, UserMessages& messages) {
    const BatchOptions& options = run.options;
    run.series.components = ReadComponents(AbsolutePath(options.components));
    run.series.densities = ReadDensities(options.densities);
    run.series.standard = options.standard;
    run.series.to = options.to;
    if (run.series.components.source != ComponentsSource::File || run.series.components.components.empty()) {
        messages.ShowError(Message(MessageCode::CliComponentsNotReadOrEmpty, {options.components}));
        return kExitFailure;
    }
    if (options.limits && !ReadLimits(AbsolutePath(*options.limits), run.series.limits, messages))
        return kExitFailure;
    TellUnwritableLogs(run.series.components, run.series.limits, messages);
    if (run.series.limits) {
        for (const Message& error : run.series.limits->errors)
            shortfalls.Add(Message(MessageCode::CliLimitsError, {Nested(error)}));
    }
    run.stylesheet = options.stylesheet
                         ? *options.stylesheet
                         : DataFilePath(L"\\" + StylesheetName(L"Report", options.language), messages);
    if (run.stylesheet.empty() || !CanRead(run.stylesheet, MessageCode::WhatStylesheet, messages))
        return kExitFailure;
    run.stylesheetInput = FileInput(run.stylesheet);
    run.indexStylesheet = DataFileBeside(run.stylesheet, StylesheetName(L"BatchIndex", options.language));
    if (!CanRead(run.indexStylesheet, MessageCode::WhatIndexStylesheet, messages)) return kExitFailure;
    // The index page draws its control charts with the QC page's templates.
    const std::wstring chartStylesheet =
        DataFileBeside(run.stylesheet, StylesheetName(kQcStylesheetStem, options.language));
    if (!CanRead(chartStylesheet, MessageCode::WhatChartStylesheet, messages)) return kExitFailure;
    // Absolute, as every report names it: a check of the report finds it beside the components file.
    const std::wstring qcPath = DataFileBeside(AbsolutePath(options.components), kQcFileName);
    run.qcFile = ReadQcFile(qcPath);
    if (run.qcFile) run.qcWarnings = QcFileWarnings(*run.qcFile);
    run.registerPlace = options.registerFile ? std::optional<RegisterPlace>(RegisterAt(*options.registerFile))
                                             : RegisterOf(AbsolutePath(options.components));
    if (options.issue && !run.registerPlace) {
        messages.ShowError(Message(MessageCode::RegisterOff, {AbsolutePath(options.components)}));
        return kExitFailure;
    }
    run.origin.maker = ReportOrigin::Maker::Batch;
    run.origin.densitiesFile = FileInput(options.densities);
    run.origin.seriesGapHours = static_cast<double>(options.seriesGapSeconds) / 3600.0;
    if (run.qcFile) run.origin.qcFile = ReportTable{qcPath, run.qcFile->tracking.version};
    run.inputs = {options.database,
                  options.components,
                  options.densities,
                  run.stylesheet,
                  run.indexStylesheet,
                  chartStylesheet,
                  options.limits.value_or(L""),
                  run.qcFile ? qcPath : L""};
    return std::nullopt;
}

// The control charts of every QC series of the database: a series' mark and a check's judgement rest on
// the whole history, whatever the run's dates. They are calculated here quietly, and those of the run's
// dates again, telling what their loading tells, with the other series.
void ChartQc(BatchRun& run, const std::vector<Series>& all, DataBase::DbHandle& db, Shortfalls& shortfalls,
             UserMessages& messages) {
    TellQcFileLog(*run.qcFile, messages);
    SetAsideSamplesAnalysedOnce(*run.qcFile, all);
    for (const Message& error : run.qcFile->errors)
        shortfalls.Add(Message(MessageCode::CliQcFileError, {Nested(error)}));
    for (const QcLine& line : run.qcFile->lines) {
        if (!line.limitsDoubt.Empty())
            shortfalls.Add(Message(MessageCode::CliQcFileLine,
                                   {static_cast<int64_t>(line.row), Nested(line.limitsDoubt)}));
    }
    QuietMessages quiet;
    run.qc = ChartQcSeries(*run.qcFile, all,
                           [&](const Series& one) { return CalculateSeries(one, run.series, db, quiet); });
}

Message HolderText(const FolderLock& lock) {
    const FolderLockHolder& holder = lock.Holder();
    if (holder.who.empty()) return Message(MessageCode::BatchLockBeingWritten, {lock.Path()});
    return Message(MessageCode::BatchLockHeldBy,
                   {holder.who, static_cast<int64_t>(holder.pid), LocalDateTimeText(holder.since)});
}

// Takes the folder for this run, waiting a while for a batch that holds it. The exit code to end with
// when it cannot be taken.
std::optional<ExitCode> TakeFolder(FolderLock& lock, const BatchOptions& options, UserMessages& messages) {
    const auto waiting = [&](const FolderLockHolder&) {
        messages.ShowMessage(Message(MessageCode::BatchFolderBusyWaiting,
                                     {options.outFolder, Nested(HolderText(lock)), options.waitSeconds}));
    };
    switch (lock.Take(std::chrono::seconds(options.waitSeconds), waiting)) {
        case FolderLock::State::Taken:
            return std::nullopt;
        case FolderLock::State::Failed:
            messages.ShowError(
                Message(MessageCode::BatchFolderNotLocked, {options.outFolder, lock.Path(), lock.Why()}));
            return kExitFailure;
        case FolderLock::State::Held:
            break;
    }
    std::vector<Message> text{
        Message(MessageCode::BatchFolderBusy, {options.outFolder, Nested(HolderText(lock))})};
    if (lock.HolderElsewhere()) text.push_back(Message(MessageCode::BatchFolderBusyElsewhere, {lock.Path()}));
    messages.ShowError(ListMessage(std::move(text), L". "));
    return kExitBusy;
}

}  // namespace

Message RangeOf(const BatchOptions& options) {
    if (options.fromText && options.toText)
        return Message(MessageCode::RangeFromTo, {*options.fromText, *options.toText});
    if (options.fromText) return Message(MessageCode::RangeFrom, {*options.fromText});
    if (options.toText) return Message(MessageCode::RangeTo, {*options.toText});
    return MessageCode::RangeAll;
}

bool MakeFolder(const std::wstring& folder, UserMessages& messages) {
    std::error_code error;
    std::filesystem::create_directories(ToFileSystemPath(folder), error);
    if (!error) return true;
    messages.ShowError(Message(MessageCode::BatchFolderNotMade, {folder, FromUtf8(error.message())}));
    return false;
}

ExitCode RunBatch(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, MessageCode::WhatDatabase, messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, MessageCode::WhatDensitiesFile, messages)) return kExitFailure;
    BatchRun run(options);
    Shortfalls shortfalls(messages);
    if (const std::optional<ExitCode> failed = ReadInputs(run, shortfalls, messages)) return *failed;
    const std::wstring index = JoinPath(options.outFolder, L"index.html");
    const std::wstring qcJson = JoinPath(options.outFolder, kQcJsonName);
    if (!OutputsApart({index, qcJson, run.manifest.Path()}, run.inputs, messages)) return kExitUsage;
    if (!MakeFolder(options.outFolder, messages)) return kExitFailure;
    FolderLock lock(options.outFolder);
    if (const std::optional<ExitCode> busy = TakeFolder(lock, options, messages)) return *busy;
    run.lock = &lock;
    // Read again now that no other batch writes it, and what a run cut short left is completed.
    run.manifest = BatchManifest(options.outFolder);
    if (!MakeFolder(run.staging, messages)) return kExitFailure;
    CompleteCutShortRun(run, messages);
    if (options.from && options.to && *options.from >= *options.to)
        shortfalls.Add(MessageCode::CliFromAfterTo);

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<Series> all = GroupIntoSeries(ListAnalyses(db), options.seriesGapSeconds);
    const std::vector<Series> series = SeriesStartingIn(all, options.from, options.to);
    if (run.qcFile) ChartQc(run, all, db, shortfalls, messages);
    IndexPage page;
    page.language = options.language;
    page.range = RangeOf(options);
    if (run.series.limits) {
        page.limitsFile = run.series.limits->path;
        page.limitsErrors = run.series.limits->errors;
    }
    for (size_t i = 0; i < series.size(); ++i) {
        const size_t drafts = run.drafts.size();
        page.rows.push_back(RunSeries(run, series[i], db, messages));
        if (run.drafts.size() > drafts) run.drafts.back().row = i;
        messages.ShowMessage(ProgressLine(i + 1, series.size(), page.rows.back()));
    }
    if (run.options.issue) IssueSeries(run, page, messages);
    if (run.qc) {
        // The page shows the checks of the run's dates, each judged as on the whole chart.
        page.qc = QcChartsStartingIn(*run.qc, options.from, options.to);
        std::map<std::wstring, std::wstring> reports;
        for (size_t i = 0; i < series.size(); ++i) reports[series[i].Key()] = page.rows[i].base;
        LinkQcReports(*page.qc, [&reports](const std::wstring& key) { return reports[key]; });
        if (NoneJudged(*page.qc)) shortfalls.Add(MessageCode::QcNoneJudged);
    }
    if (!lock.StillHeld()) {
        messages.ShowError(Message(MessageCode::BatchFolderTakenIndex, {options.outFolder}));
        return kExitFailure;
    }
    if (!WriteIndex(index, page, run, messages)) return kExitFailure;
    if (page.qc &&
        (!KeepPreviousIndex(qcJson, run.manifest, messages) ||
         !WriteText(qcJson,
                    QcJson(*page.qc, Render(page.range, page.language), std::time(nullptr), page.language),
                    messages, run.staging)))
        return kExitFailure;
    run.manifest.RecordIndex(Render(page.range, Language::Russian));
    std::error_code error;
    std::filesystem::remove(ToFileSystemPath(run.staging), error);  // only when nothing is left in it
    if (series.empty()) shortfalls.Add(MessageCode::BatchNoAnalyses);
    const bool clean = std::none_of(page.rows.begin(), page.rows.end(), HasProblem);
    return clean && !(page.qc && QcNeedsLook(*page.qc)) && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
