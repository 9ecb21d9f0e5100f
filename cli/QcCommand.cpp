#include "QcCommand.h"

#include <ctime>

#include "BatchCommand.h"
#include "ConsoleMessages.h"
#include "InputFiles.h"
#include "batch/BatchQc.h"
#include "batch/SeriesCalculation.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "qc/QcDocument.h"
#include "qc/QcEstablishment.h"
#include "qc/QcJson.h"
#include "records/LastReadComponents.h"
#include "records/TrackedTables.h"
#include "report/ReportWriting.h"
#include "report/TemporaryReportFile.h"
#include "report/TransformAndOpen.h"
#include "tables/DataFilePath.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

// "Карта 1. КО-1 — МТБЭ, % масс.: 30 результатов, не пройдено 1, не определено 0, не оценено 0; …"
std::wstring SummaryLine(size_t number, const QcChart& chart) {
    size_t failed = 0;
    size_t undetermined = 0;
    size_t unjudged = 0;
    for (const QcPoint& point : chart.points) {
        failed += point.outcome == QcOutcome::Failed ? 1 : 0;
        undetermined += point.outcome == QcOutcome::Undetermined ? 1 : 0;
        unjudged += point.outcome == QcOutcome::Unjudged ? 1 : 0;
    }
    std::wstring line = L"Карта " + std::to_wstring(number) + L". " + chart.line.Title() + L": " +
                        std::to_wstring(chart.points.size()) + L" результатов, не пройдено " +
                        std::to_wstring(failed) + L", не определено " + std::to_wstring(undetermined) +
                        L", не оценено " + std::to_wstring(unjudged);
    const ChartLimits& limits = chart.limits;
    const std::wstring count = std::to_wstring(limits.baselineCount) + L" результатам";
    if (chart.line.established)
        return line + L"; пределы установлены " + LocalDateTimeText(chart.line.established->at) + L" по " +
               count + (limits.provisional ? L" (предварительные)" : L"");
    if (!limits.determined)
        return line + L"; пределы не установлены, предварительных нет: " +
               Render(limits.why, Language::Russian);
    return line + L"; пределы не установлены, предварительные по " + count;
}

// "средняя линия 2.1035, пределы 3σ 2.0707 … 2.1362, средний скользящий размах 0.0123 (% масс.)"
std::wstring LimitsLine(const QcChart& chart) {
    const ChartLimits& limits = chart.limits;
    return L"средняя линия " + FormatFixed(limits.centre, 4) + L", пределы 3σ " +
           FormatFixed(limits.lower, 4) + L" … " + FormatFixed(limits.upper, 4) +
           L", средний скользящий размах " + FormatFixed(limits.movingRangeMean, 4) + L", его предел " +
           FormatFixed(limits.movingRangeUpper, 4) + L" (" +
           QuantityText(chart.line.quantity, Language::Russian) +
           (chart.line.accepted ? L", результат − принятое" : L"") + L")";
}

// The page and its JSON, put in place together.
bool WriteQcFiles(const QcCharts& qc, const Message& range, Language language, const std::wstring& page,
                  const std::wstring& json, const std::wstring& stylesheet, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(L"документ контрольных карт не создан");
        return false;
    }
    FillQcDocument(document, qc, Render(range, language), now, language);
    StagedFiles staged;
    return StageFile(page, staged, messages,
                     [&](const std::wstring& path, std::wstring& error) {
                         return TransformToFile(document, stylesheet, path, &error);
                     }) &&
           StageText(json, QcJson(qc, Render(range, language), now, language), staged, messages) &&
           CommitStaged(staged, messages);
}

std::vector<QcResult> ResultsOf(const QcChart& chart) {
    std::vector<QcResult> results;
    for (const QcPoint& point : chart.points) results.push_back(point.result);
    return results;
}

// Establishes each line's limits from its baseline, records them in the QC file with the reason, and
// charts the lines anew with them. False when a line got none or the file was not written.
bool Establish(QcFile& file, QcCharts& whole, const BatchOptions& options, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    std::optional<BaselineDates> dates;
    if (options.qcBaseline) dates = BaselineDates{options.qcBaseline->from, options.qcBaseline->to};
    std::vector<std::optional<EstablishedLimits>> limits(file.lines.size());
    std::vector<std::wstring> changes;
    bool all = true;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const QcLine& line = file.lines[i];
        const Establishment established =
            EstablishLimits(ResultsOf(whole.charts[i]), dates, now, options.reason);
        if (!established.limits) {
            messages.ShowError(L"Карта " + std::to_wstring(i + 1) + L". " + line.Title() +
                               L": пределы не установлены: " + Render(established.why, Language::Russian) +
                               (line.established
                                    ? L"; остаются установленные " + LocalDateTimeText(line.established->at)
                                    : std::wstring()));
            all = false;
            continue;
        }
        limits[i] = established.limits;
        changes.push_back(DescribeLimitsChange(line, *established.limits));
    }
    if (changes.empty()) return false;
    bool logged = false;
    std::wstring error;
    if (!RecordEstablishedLimits(file, limits, options.reason, changes, logged, error)) {
        messages.ShowError(L"пределы не записаны в файл контроля качества «" + file.path + L"»: " + error);
        return false;
    }
    if (!logged)
        messages.ShowError(L"пределы записаны в «" + file.path + L"», но журнал изменений «" + file.path +
                           L".log» не записан");
    for (size_t i = 0; i < file.lines.size(); ++i) {
        if (!limits[i]) continue;
        file.lines[i].established = limits[i];
        file.lines[i].limitsDoubt = {};
        whole.charts[i] = MakeQcChart(file.lines[i], ResultsOf(whole.charts[i]));
        messages.ShowMessage(L"Карта " + std::to_wstring(i + 1) + L". " + file.lines[i].Title() +
                             L": пределы установлены по " + std::to_wstring(limits[i]->count) +
                             L" результатам (" + LocalTimeText(limits[i]->baselineFrom) + L" – " +
                             LocalTimeText(limits[i]->baselineTo) + L"): " + LimitsLine(whole.charts[i]));
    }
    return all && logged;
}

}  // namespace

ExitCode RunQc(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, L"файл плотностей проб", messages)) return kExitFailure;
    const std::wstring qcPath = DataFileBeside(options.components, kQcFileName);
    std::optional<QcFile> file = ReadQcFile(qcPath);
    if (!file) {
        messages.ShowError(L"файла контроля качества «" + qcPath +
                           L"» нет (он лежит рядом с таблицей компонентов)");
        return kExitFailure;
    }
    TellQcFileLog(*file, messages);
    SeriesInputs inputs{ReadComponents(options.components), std::nullopt, ReadDensities(options.densities),
                        options.standard, options.to};
    if (inputs.components.source != ComponentsSource::File || inputs.components.components.empty()) {
        messages.ShowError(L"таблица компонентов не прочитана или пуста: «" + options.components + L"»");
        return kExitFailure;
    }
    TellUnwritableLogs(inputs.components, std::nullopt, messages);
    // Establishing draws the charts only when asked for a folder.
    const bool drawn = !options.outFolder.empty();
    const std::wstring stylesheet =
        !drawn ? std::wstring()
        : options.stylesheet
            ? *options.stylesheet
            : DataFilePath(L"\\" + StylesheetName(kQcStylesheetStem, options.language), messages);
    if (drawn && (stylesheet.empty() || !CanRead(stylesheet, L"таблица стилей контрольных карт", messages)))
        return kExitFailure;
    const std::wstring page = JoinPath(options.outFolder, kQcPageName);
    const std::wstring json = JoinPath(options.outFolder, kQcJsonName);
    if (drawn && !OutputsApart({page, json},
                               {options.database, options.components, options.densities, stylesheet, qcPath},
                               messages))
        return kExitUsage;
    if (drawn && !MakeFolder(options.outFolder, messages)) return kExitFailure;
    Shortfalls shortfalls(messages);
    if (options.from && options.to && *options.from >= *options.to)
        shortfalls.Add(L"--from позже --to: в эти даты анализов нет");

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<Series> all = GroupIntoSeries(ListAnalyses(db), options.seriesGapSeconds);
    SetAsideSamplesAnalysedOnce(*file, all);
    for (const Message& error : file->errors)
        shortfalls.Add(L"файл контроля качества: " + Render(error, Language::Russian));
    // Establishing answers for the limits it records: those it replaces are no shortfall of it.
    for (const QcLine& line : file->lines) {
        if (!line.limitsDoubt.Empty() && !options.establish)
            shortfalls.Add(L"файл контроля качества, строка " + std::to_wstring(line.row) + L": " +
                           Render(line.limitsDoubt, Language::Russian));
    }
    // The series outside the dates are calculated quietly: what their loading tells belongs to their own
    // runs.
    QuietMessages quiet;
    QcCharts whole = ChartQcSeries(*file, all, [&](const Series& series) {
        const bool shown = (!options.from || series.First() >= *options.from) &&
                           (!options.to || series.First() < *options.to);
        return CalculateSeries(series, inputs, db, shown ? messages : quiet);
    });
    if (options.establish && !Establish(*file, whole, options, messages))
        shortfalls.Add(L"пределы контроля качества установлены не для всех карт");
    const QcCharts qc = QcChartsStartingIn(whole, options.from, options.to);
    size_t results = 0;
    for (size_t i = 0; i < qc.charts.size(); ++i) {
        messages.ShowMessage(SummaryLine(i + 1, qc.charts[i]));
        results += qc.charts[i].points.size();
    }
    if (drawn && !WriteQcFiles(qc, RangeOf(options), options.language, page, json, stylesheet, messages))
        return kExitFailure;
    // Establishing answers for the limits it records; the charts' results are for the runs that judge.
    if (options.establish) return shortfalls.Any() ? kExitFailure : kExitSuccess;
    if (results == 0) shortfalls.Add(L"в выбранные даты серий контрольных проб нет");
    if (NoneJudged(qc)) shortfalls.Add(Render(MessageCode::QcNoneJudged, Language::Russian));
    return !QcNeedsLook(qc) && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
