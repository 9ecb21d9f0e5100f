#include "BatchCommand.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "BatchIndex.h"
#include "BatchInputs.h"
#include "InputFiles.h"
#include "calc/CalculationWarning.h"
#include "calc/DataFilePath.h"
#include "calc/LastReadComponents.h"
#include "calc/Recalculation.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportFiles.h"

namespace {

// The analyses of one sample, in the order of their dates.
struct SampleGroup {
    std::wstring sample;
    std::vector<AnalysisRow> analyses;
};

std::vector<SampleGroup> GroupBySample(const std::vector<AnalysisRow>& analyses,
                                       const BatchOptions& options) {
    std::vector<SampleGroup> groups;
    for (const AnalysisRow& row : analyses) {
        if ((options.from && row.date < *options.from) || (options.to && row.date >= *options.to)) continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&row](const SampleGroup& g) { return g.sample == row.sample; });
        if (group == groups.end()) group = groups.insert(groups.end(), SampleGroup{row.sample, {}});
        group->analyses.push_back(row);
    }
    return groups;
}

ReportOutputs OutputsFor(const std::wstring& folder, const std::wstring& base,
                         const std::wstring& stylesheet) {
    const std::wstring path = folder + L"/" + base;
    ReportOutputs outputs;
    outputs.html = path + L".html";
    outputs.xml = path + L".xml";
    outputs.json = path + L".json";
    outputs.csv = path + L".csv";
    outputs.stylesheet = stylesheet;
    return outputs;
}

// What loading a sample's chromatograms tells: shown as it comes, and kept for the sample's row of
// the index, so that a determination left out says why there too.
class SampleMessages : public UserMessages {
public:
    explicit SampleMessages(UserMessages& shown) : shown_(shown) {}
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

// Everything one run shares: its inputs, read once.
struct BatchRun {
    const BatchOptions& options;
    ComponentsSnapshot components;
    std::optional<LimitsFile> limits;
    Densities densities;
    std::wstring stylesheet;       // of each report
    std::wstring indexStylesheet;  // of the index page, beside the report's
    std::vector<std::wstring> inputs;
};

// Loads, ticks, calculates and writes one sample; its row of the index either way.
IndexRow RunSample(const BatchRun& run, const SampleGroup& group, size_t number, DataBase::DbHandle& db,
                   UserMessages& messages) {
    IndexRow row;
    row.sample = group.sample;
    row.firstDate = group.analyses.front().date;
    row.lastDate = group.analyses.back().date;
    row.analyses = group.analyses.size();
    const auto problem = run.densities.problems.find(group.sample);
    const auto density = run.densities.bySample.find(group.sample);
    if (problem != run.densities.problems.end() || density == run.densities.bySample.end()) {
        row.reason =
            problem != run.densities.problems.end() ? problem->second : L"нет плотности в файле плотностей";
        return row;
    }
    std::vector<Assay> assays;
    SampleMessages loading(messages);
    for (const AnalysisRow& analysis : group.analyses) {
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
    const ReportModel model = MakeReportModel(
        assays, Recalculate({run.options.standard, density->second}, run.components, assays, run.limits),
        static_cast<int64_t>(std::time(nullptr)));
    row.base = BaseName(number, group.sample);
    const ReportOutputs outputs = OutputsFor(run.options.outFolder, row.base, run.stylesheet);
    std::vector<std::wstring> inputs = run.inputs;
    for (const Assay& assay : assays) inputs.push_back(assay.fileName);
    if (!OutputsApart(outputs.Paths(), inputs, messages) || !WriteReportFiles(model, outputs, messages)) {
        row.reason = L"отчёт не записан";
        row.base.clear();
        return row;
    }
    row.totalOxygen = model.data.totalOxygen;
    row.warnings = model.data.warnings;
    row.verdicts = model.data.verdicts;
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
    std::wstring line =
        L"[" + std::to_wstring(number) + L"/" + std::to_wstring(count) + L"] " + row.sample + L": ";
    if (!row.reason.empty()) return line + row.reason;
    return line + std::to_wstring(row.determinations) + L" опр., кислород " +
           FormatFixed(row.totalOxygen, 4) + L" % масс.";
}

}  // namespace

ExitCode RunBatch(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, L"файл плотностей проб", messages)) return kExitFailure;
    BatchRun run{options, ReadComponents(options.components), {}, ReadDensities(options.densities), {}, {},
                 {}};
    if (run.components.source != ComponentsSource::File || run.components.components.empty()) {
        messages.ShowError(L"таблица компонентов не прочитана или пуста: «" + options.components + L"»");
        return kExitFailure;
    }
    if (options.limits && !ReadLimits(*options.limits, run.limits, messages)) return kExitFailure;
    Shortfalls shortfalls(messages);
    if (run.limits) {
        for (const std::wstring& error : run.limits->errors) shortfalls.Add(L"файл норм: " + error);
    }
    run.stylesheet = options.stylesheet ? *options.stylesheet : DataFilePath(L"\\Report.xsl", messages);
    if (run.stylesheet.empty() || !CanRead(run.stylesheet, L"таблица стилей", messages)) return kExitFailure;
    run.indexStylesheet = DataFileBeside(run.stylesheet, L"BatchIndex.xsl");
    if (!CanRead(run.indexStylesheet, L"таблица стилей страницы пакета", messages)) return kExitFailure;
    run.inputs = {options.database, options.components,  options.densities,
                  run.stylesheet,   run.indexStylesheet, options.limits.value_or(L"")};
    const std::wstring index = options.outFolder + L"/index.html";
    if (!OutputsApart({index}, run.inputs, messages)) return kExitUsage;
    if (!MakeFolder(options.outFolder, messages)) return kExitFailure;
    if (options.from && options.to && *options.from >= *options.to)
        shortfalls.Add(L"--from позже --to: в эти даты анализов нет");

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<SampleGroup> groups = GroupBySample(ListAnalyses(db), options);
    std::vector<IndexRow> rows;
    for (size_t i = 0; i < groups.size(); ++i) {
        rows.push_back(RunSample(run, groups[i], i + 1, db, messages));
        messages.ShowMessage(ProgressLine(i + 1, groups.size(), rows.back()));
    }
    if (!WriteIndexPage(index, rows, options.limits.value_or(L""), run.indexStylesheet, messages))
        return kExitFailure;
    const bool complete = std::all_of(rows.begin(), rows.end(), [](const IndexRow& row) {
        return row.reason.empty() && row.determinations == row.analyses;
    });
    if (groups.empty()) shortfalls.Add(L"в выбранные даты анализов нет");
    return complete && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
