#include "BatchCommand.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <system_error>

#include "BatchIndex.h"
#include "BatchInputs.h"
#include "BatchManifest.h"
#include "BatchSeries.h"
#include "InputFiles.h"
#include "calc/CalculationWarning.h"
#include "calc/DataFilePath.h"
#include "calc/LastReadComponents.h"
#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/Sha256.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportFiles.h"

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

// What loading a series' chromatograms tells: shown as it comes, and kept for the series' row of the
// index, so that a determination left out says why there too.
class SeriesMessages : public UserMessages {
public:
    explicit SeriesMessages(UserMessages& shown) : shown_(shown) {}
    void ShowError(const std::wstring& text) override {
        shown_.ShowError(text);
        texts.push_back(text);
    }
    void ShowMessage(const std::wstring& text) override {
        shown_.ShowMessage(text);
        texts.push_back(text);
    }
    std::vector<std::wstring> texts;

private:
    UserMessages& shown_;
};

// Everything one run shares: its inputs, read once, and what the folder holds.
struct BatchRun {
    const BatchOptions& options;
    ComponentsSnapshot components;
    std::optional<LimitsFile> limits;
    Densities densities;
    std::wstring stylesheet;       // of each report
    std::wstring indexStylesheet;  // of the index page, beside the report's
    ReportInput stylesheetInput;   // the report's stylesheet with its checksum, as the reports name it
    std::vector<std::wstring> inputs;
    BatchManifest manifest;
    std::set<std::wstring> usedNames;  // the reports' names this run gave
};

// The name of a series' reports: its first analysis' local time and its sample, so that a series keeps
// its name from run to run and different series have different ones. A name another series took (two
// samples whose names differ only in characters a file name cannot hold) gets the first analysis' id.
std::wstring BaseNameOf(const Series& series, BatchRun& run) {
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
bool WriteSeries(const std::vector<Assay>& assays, const CalculationData& data, const ReportOutputs& outputs,
                 const std::wstring& key, BatchRun& run, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const std::optional<int64_t> earlier = run.manifest.CreatedOf(key);
    StagedFiles staged;
    ReportModel model = MakeReportModel(assays, data, earlier.value_or(now));
    model.databasePath = run.options.database;
    model.stylesheet = run.stylesheetInput;
    if (!StageReportFiles(model, outputs, staged, messages)) return false;
    if (earlier && SameAsInPlace(staged)) return true;
    if (earlier) {
        staged.Discard();
        model.createdAt = now;
        if (!StageReportFiles(model, outputs, staged, messages)) return false;
    }
    std::vector<std::pair<std::wstring, std::string>> written;
    for (size_t i = 0; i < staged.Count(); ++i) {
        const std::optional<std::string> sha = Sha256OfFile(staged.Temporary(i));
        written.emplace_back(FromFileSystemPath(ToFileSystemPath(staged.Target(i)).filename()),
                             sha.value_or(""));
    }
    if (!CommitStaged(staged, messages)) return false;
    for (const auto& [name, sha] : written) {
        if (!run.manifest.Record(name, key, sha, model.createdAt))
            messages.ShowError(L"запись о файле «" + name + L"» не добавлена в " + run.manifest.Path() +
                               L": следующий пакет не заменит этот файл");
    }
    return true;
}

std::vector<std::wstring> ComponentsAboveR(const CalculationData& data) {
    std::vector<std::wstring> names;
    if (!data.limits) return names;
    for (const ComponentResult& result : data.results) {
        const std::optional<double> r = RepeatabilityLimit(data.limits->limits, result);
        if (r && RepeatabilityExceeded(result, *r)) names.push_back(result.name);
    }
    return names;
}

// Loads, ticks, calculates and writes one series; its row of the index either way.
IndexRow RunSeries(BatchRun& run, const Series& series, DataBase::DbHandle& db, UserMessages& messages) {
    IndexRow row;
    row.sample = series.sample;
    row.firstDate = series.First();
    row.lastDate = series.Last();
    row.analyses = series.analyses.size();
    if (run.options.to) {
        row.afterRange = static_cast<size_t>(
            std::count_if(series.analyses.begin(), series.analyses.end(),
                          [&run](const AnalysisRow& a) { return a.date >= *run.options.to; }));
    }
    const auto problem = run.densities.problems.find(series.sample);
    const auto density = run.densities.bySample.find(series.sample);
    if (problem != run.densities.problems.end() || density == run.densities.bySample.end()) {
        row.reason =
            problem != run.densities.problems.end() ? problem->second : L"нет плотности в файле плотностей";
        return row;
    }
    std::vector<Assay> assays;
    SeriesMessages loading(messages);
    for (const AnalysisRow& analysis : series.analyses) {
        std::string reason;
        if (LoadAssay(assays, loading, db, analysis.id, &reason) < 0) {
            loading.ShowError(L"хроматограмма " + std::to_wstring(analysis.id) + L" не загружена" +
                              (reason.empty() ? L"" : L" (" + FromUtf8(reason) + L")"));
        }
    }
    row.notes = loading.texts;
    for (Assay& assay : assays) assay.isTicked = HasUsableMass(assay) ? 1 : 0;
    row.determinations = static_cast<size_t>(
        std::count_if(assays.begin(), assays.end(), [](const Assay& a) { return a.isTicked != 0; }));
    if (row.determinations == 0) {
        row.reason = L"нет хроматограмм с указанной массой пробы";
        return row;
    }
    const CalculationData data =
        Recalculate({run.options.standard, density->second}, run.components, assays, run.limits);
    const std::wstring base = BaseNameOf(series, run);
    const ReportOutputs outputs = OutputsFor(run.options.outFolder, base, run.stylesheet);
    std::vector<std::wstring> inputs = run.inputs;
    for (const Assay& assay : assays) inputs.push_back(assay.fileName);
    if (!OutputsApart(outputs.Paths(), inputs, messages)) {
        row.reason = L"отчёт не записан: его файл — входные данные";
        return row;
    }
    if (const std::optional<std::wstring> foreign = ForeignFile(outputs, series.Key(), run)) {
        row.reason = L"отчёт не записан: в папке уже есть файл «" + *foreign +
                     L"», записанный не пакетом для этой серии или изменённый после записи; он не тронут";
        return row;
    }
    if (!WriteSeries(assays, data, outputs, series.Key(), run, messages)) {
        row.reason = L"отчёт не записан";
        return row;
    }
    row.base = base;
    row.totalOxygen = data.totalOxygen;
    row.warnings = data.warnings;
    row.verdicts = data.verdicts;
    row.exceededR = ComponentsAboveR(data);
    return row;
}

bool MakeFolder(const std::wstring& folder, UserMessages& messages) {
    std::error_code error;
    std::filesystem::create_directories(ToFileSystemPath(folder), error);
    if (!error) return true;
    messages.ShowError(L"папка отчётов «" + folder + L"» не создана: " + FromUtf8(error.message()));
    return false;
}

std::wstring ProgressLine(size_t number, size_t count, const IndexRow& row) {
    std::wstring line = L"[" + std::to_wstring(number) + L"/" + std::to_wstring(count) + L"] " + row.sample +
                        L" (" + LocalTimeText(row.firstDate) + L"): ";
    if (!row.reason.empty()) return line + row.reason;
    return line + std::to_wstring(row.determinations) + L" опр., кислород " +
           FormatFixed(row.totalOxygen, 4) + L" % масс.";
}

// The dates asked for, as the index page and the name of a kept index page say them.
std::wstring RangeText(const BatchOptions& options) {
    if (!options.fromText && !options.toText) return L"все даты";
    std::wstring text;
    if (options.fromText) text = L"с " + *options.fromText;
    if (options.toText) text += (text.empty() ? L"по " : L" по ") + *options.toText;
    return text;
}

// The previous index page of the folder is kept under a name of its own (its dates, as the record says;
// "прежняя" for a page no batch recorded), never replaced: a lab's page or yesterday's batch stays readable.
bool KeepPreviousIndex(const std::wstring& index, const BatchManifest& manifest, UserMessages& messages) {
    const std::filesystem::path path = ToFileSystemPath(index);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const std::wstring range = manifest.IndexRange().value_or(L"прежняя");
    const std::wstring stem = L"index-" + FileNamePart(range, 80);
    std::filesystem::path kept = path.parent_path() / ToFileSystemPath(stem + L".html");
    for (int copy = 2; std::filesystem::exists(kept, error); ++copy)
        kept = path.parent_path() / ToFileSystemPath(stem + L"-" + std::to_wstring(copy) + L".html");
    std::filesystem::rename(path, kept, error);
    if (!error) return true;
    messages.ShowError(L"прежняя страница «" + index + L"» не сохранена под другим именем: " +
                       FromUtf8(error.message()) + L"; новая не записана");
    return false;
}

}  // namespace

ExitCode RunBatch(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, L"файл плотностей проб", messages)) return kExitFailure;
    BatchRun run{
        options, ReadComponents(options.components), {}, ReadDensities(options.densities), {}, {}, {},
        {},      BatchManifest(options.outFolder),   {}};
    if (run.components.source != ComponentsSource::File || run.components.components.empty()) {
        messages.ShowError(L"таблица компонентов не прочитана или пуста: «" + options.components + L"»");
        return kExitFailure;
    }
    if (options.limits && !ReadLimits(*options.limits, run.limits, messages)) return kExitFailure;
    TellUnwritableLogs(run.components, run.limits, messages);
    Shortfalls shortfalls(messages);
    if (run.limits) {
        for (const std::wstring& error : run.limits->errors) shortfalls.Add(L"файл норм: " + error);
    }
    run.stylesheet = options.stylesheet ? *options.stylesheet : DataFilePath(L"\\Report.xsl", messages);
    if (run.stylesheet.empty() || !CanRead(run.stylesheet, L"таблица стилей", messages)) return kExitFailure;
    run.stylesheetInput = StylesheetInput(run.stylesheet);
    run.indexStylesheet = DataFileBeside(run.stylesheet, L"BatchIndex.xsl");
    if (!CanRead(run.indexStylesheet, L"таблица стилей страницы пакета", messages)) return kExitFailure;
    run.inputs = {options.database, options.components,  options.densities,
                  run.stylesheet,   run.indexStylesheet, options.limits.value_or(L"")};
    const std::wstring index = JoinPath(options.outFolder, L"index.html");
    if (!OutputsApart({index, run.manifest.Path()}, run.inputs, messages)) return kExitUsage;
    if (!MakeFolder(options.outFolder, messages)) return kExitFailure;
    if (options.from && options.to && *options.from >= *options.to)
        shortfalls.Add(L"--from позже --to: в эти даты анализов нет");

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<Series> series = SeriesStartingIn(
        GroupIntoSeries(ListAnalyses(db), options.seriesGapSeconds), options.from, options.to);
    IndexPage page;
    page.range = RangeText(options);
    if (run.limits) {
        page.limitsFile = run.limits->path;
        page.limitsErrors = run.limits->errors;
    }
    for (size_t i = 0; i < series.size(); ++i) {
        page.rows.push_back(RunSeries(run, series[i], db, messages));
        messages.ShowMessage(ProgressLine(i + 1, series.size(), page.rows.back()));
    }
    if (!KeepPreviousIndex(index, run.manifest, messages) ||
        !WriteIndexPage(index, page, run.indexStylesheet, messages))
        return kExitFailure;
    run.manifest.RecordIndex(page.range);
    if (series.empty()) shortfalls.Add(L"в выбранные даты анализов нет");
    const bool clean = std::none_of(page.rows.begin(), page.rows.end(), HasProblem);
    return clean && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
