#include "QcCommand.h"

#include <ctime>

#include "BatchCommand.h"
#include "InputFiles.h"
#include "QcCharting.h"
#include "SeriesCalculation.h"
#include "calc/DataFilePath.h"
#include "calc/LastReadComponents.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "platform/FileSystemPath.h"
#include "platform/UserMessages.h"
#include "report/QcDocument.h"
#include "report/QcJson.h"
#include "report/ReportFiles.h"
#include "report/TransformAndOpen.h"
#include "report/XMLWrapper.h"

namespace {

// "Карта 1. КО-1 — МТБЭ, % масс.: 30 результатов, не пройдено 1, не определено 0"
std::wstring SummaryLine(size_t number, const QcChart& chart) {
    size_t failed = 0;
    size_t undetermined = 0;
    for (const QcPoint& point : chart.points) {
        failed += point.outcome == QcOutcome::Failed ? 1 : 0;
        undetermined += point.outcome == QcOutcome::Undetermined ? 1 : 0;
    }
    std::wstring line = L"Карта " + std::to_wstring(number) + L". " + chart.line.Title() + L": " +
                        std::to_wstring(chart.points.size()) + L" результатов, не пройдено " +
                        std::to_wstring(failed) + L", не определено " + std::to_wstring(undetermined);
    if (!chart.limits.determined) return line + L"; пределов нет: " + chart.limits.why;
    return line + L"; пределы по " + std::to_wstring(chart.limits.baselineCount) + L" результатам" +
           (chart.limits.provisional ? L" (предварительные)" : L"");
}

// The page and its JSON, put in place together.
bool WriteQcFiles(const QcCharts& qc, const std::wstring& range, const std::wstring& page,
                  const std::wstring& json, const std::wstring& stylesheet, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(L"документ контрольных карт не создан");
        return false;
    }
    FillQcDocument(document, qc, range, now);
    StagedFiles staged;
    return StageFile(page, staged, messages,
                     [&](const std::wstring& path, std::wstring& error) {
                         return TransformToFile(document, stylesheet, path, &error);
                     }) &&
           StageText(json, QcJson(qc, range, now), staged, messages) && CommitStaged(staged, messages);
}

}  // namespace

ExitCode RunQc(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, L"файл плотностей проб", messages)) return kExitFailure;
    const std::wstring qcPath = DataFileBeside(options.components, kQcFileName);
    const std::optional<QcFile> file = ReadQcFile(qcPath);
    if (!file) {
        messages.ShowError(L"файла контроля качества «" + qcPath +
                           L"» нет (он лежит рядом с таблицей компонентов)");
        return kExitFailure;
    }
    SeriesInputs inputs{ReadComponents(options.components), std::nullopt, ReadDensities(options.densities),
                        options.standard, options.to};
    if (inputs.components.source != ComponentsSource::File || inputs.components.components.empty()) {
        messages.ShowError(L"таблица компонентов не прочитана или пуста: «" + options.components + L"»");
        return kExitFailure;
    }
    TellUnwritableLogs(inputs.components, std::nullopt, messages);
    const std::wstring stylesheet = options.stylesheet
                                        ? *options.stylesheet
                                        : DataFilePath(std::wstring(L"\\") + kQcStylesheetName, messages);
    if (stylesheet.empty() || !CanRead(stylesheet, L"таблица стилей контрольных карт", messages))
        return kExitFailure;
    const std::wstring page = JoinPath(options.outFolder, kQcPageName);
    const std::wstring json = JoinPath(options.outFolder, kQcJsonName);
    if (!OutputsApart({page, json},
                      {options.database, options.components, options.densities, stylesheet, qcPath},
                      messages))
        return kExitUsage;
    if (!MakeFolder(options.outFolder, messages)) return kExitFailure;
    Shortfalls shortfalls(messages);
    for (const std::wstring& error : file->errors) shortfalls.Add(L"файл контроля качества: " + error);
    if (options.from && options.to && *options.from >= *options.to)
        shortfalls.Add(L"--from позже --to: в эти даты анализов нет");

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<Series> all = GroupIntoSeries(ListAnalyses(db), options.seriesGapSeconds);
    const QcCharts qc = ChartQcSeries(
        *file, SeriesStartingIn(all, options.from, options.to), BaselineOf(options.qcBaseline, all),
        [&](const Series& series) { return CalculateSeries(series, inputs, db, messages); });
    size_t results = 0;
    for (size_t i = 0; i < qc.charts.size(); ++i) {
        messages.ShowMessage(SummaryLine(i + 1, qc.charts[i]));
        results += qc.charts[i].points.size();
    }
    if (!WriteQcFiles(qc, RangeText(options), page, json, stylesheet, messages)) return kExitFailure;
    if (results == 0) shortfalls.Add(L"в выбранные даты серий контрольных проб нет");
    return !QcNeedsLook(qc) && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
