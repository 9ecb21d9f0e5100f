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

// What a chart's limits are, for its summary line.
Message LimitsSummary(const QcChart& chart) {
    const ChartLimits& limits = chart.limits;
    const int64_t count = static_cast<int64_t>(limits.baselineCount);
    if (chart.line.established)
        return Message(limits.provisional ? MessageCode::QcSummaryEstablishedProvisional
                                          : MessageCode::QcSummaryEstablished,
                       {LocalDateTimeText(chart.line.established->at), count});
    if (!limits.determined) return Message(MessageCode::QcSummaryNone, {Nested(limits.why)});
    return Message(MessageCode::QcSummaryProvisional, {count});
}

// "Карта 1. КО-1 — МТБЭ, % масс.: 30 результатов, не пройдено 1, не определено 0, не оценено 0; …"
Message SummaryLine(size_t number, const QcChart& chart, Language language) {
    int64_t failed = 0;
    int64_t undetermined = 0;
    int64_t unjudged = 0;
    for (const QcPoint& point : chart.points) {
        failed += point.outcome == QcOutcome::Failed ? 1 : 0;
        undetermined += point.outcome == QcOutcome::Undetermined ? 1 : 0;
        unjudged += point.outcome == QcOutcome::Unjudged ? 1 : 0;
    }
    return Message(MessageCode::QcSummary, {static_cast<int64_t>(number), chart.line.Title(language),
                                            static_cast<int64_t>(chart.points.size()), failed, undetermined,
                                            unjudged, Nested(LimitsSummary(chart))});
}

// "средняя линия 2.1035, пределы 3σ 2.0707 … 2.1362, средний скользящий размах 0.0123 (% масс.)"
Message LimitsLine(const QcChart& chart, Language language) {
    const ChartLimits& limits = chart.limits;
    return Message(chart.line.accepted ? MessageCode::QcLimitsLineAccepted : MessageCode::QcLimitsLine,
                   {Decimal(limits.centre, 4), Decimal(limits.lower, 4), Decimal(limits.upper, 4),
                    Decimal(limits.movingRangeMean, 4), Decimal(limits.movingRangeUpper, 4),
                    QuantityText(chart.line.quantity, language)});
}

// The page and its JSON, put in place together.
bool WriteQcFiles(const QcCharts& qc, const Message& range, Language language, const std::wstring& page,
                  const std::wstring& json, const std::wstring& stylesheet, UserMessages& messages) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(Message(MessageCode::QcDocumentNotCreated));
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
    const Language language = options.language;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const QcLine& line = file.lines[i];
        const Establishment established =
            EstablishLimits(ResultsOf(whole.charts[i]), dates, now, options.reason);
        if (!established.limits) {
            const int64_t number = static_cast<int64_t>(i + 1);
            messages.ShowError(line.established
                                   ? Message(MessageCode::QcNotEstablishedKept,
                                             {number, line.Title(language), Nested(established.why),
                                              LocalDateTimeText(line.established->at)})
                                   : Message(MessageCode::QcNotEstablished,
                                             {number, line.Title(language), Nested(established.why)}));
            all = false;
            continue;
        }
        limits[i] = established.limits;
        changes.push_back(DescribeLimitsChange(line, *established.limits));
    }
    if (changes.empty()) return false;
    bool logged = false;
    Message error;
    if (!RecordEstablishedLimits(file, limits, options.reason, changes, logged, error)) {
        messages.ShowError(Message(MessageCode::QcLimitsNotRecorded, {file.path, Nested(error)}));
        return false;
    }
    if (!logged) messages.ShowError(Message(MessageCode::QcLimitsNotLoggedAfter, {file.path}));
    for (size_t i = 0; i < file.lines.size(); ++i) {
        if (!limits[i]) continue;
        file.lines[i].established = limits[i];
        file.lines[i].limitsDoubt = {};
        whole.charts[i] = MakeQcChart(file.lines[i], ResultsOf(whole.charts[i]));
        messages.ShowMessage(
            Message(MessageCode::QcEstablishedLine,
                    {static_cast<int64_t>(i + 1), file.lines[i].Title(language),
                     static_cast<int64_t>(limits[i]->count), MessageMoment{limits[i]->baselineFrom},
                     MessageMoment{limits[i]->baselineTo}, Nested(LimitsLine(whole.charts[i], language))}));
    }
    return all && logged;
}

}  // namespace

ExitCode RunQc(const BatchOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, MessageCode::WhatDatabase, messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    if (!CanRead(options.densities, MessageCode::WhatDensitiesFile, messages)) return kExitFailure;
    const std::wstring qcPath = DataFileBeside(options.components, kQcFileName);
    std::optional<QcFile> file = ReadQcFile(qcPath);
    if (!file) {
        messages.ShowError(Message(MessageCode::QcNoQcFile, {qcPath}));
        return kExitFailure;
    }
    TellQcFileLog(*file, messages);
    SeriesInputs inputs{ReadComponents(options.components), std::nullopt, ReadDensities(options.densities),
                        options.standard, options.to};
    if (inputs.components.source != ComponentsSource::File || inputs.components.components.empty()) {
        messages.ShowError(Message(MessageCode::CliComponentsNotReadOrEmpty, {options.components}));
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
    if (drawn && (stylesheet.empty() || !CanRead(stylesheet, MessageCode::WhatChartStylesheet, messages)))
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
        shortfalls.Add(MessageCode::CliFromAfterTo);

    DataBaseConnection::Instance().Store(options.database.c_str());
    DataBase::DbHandle db;
    const std::vector<Series> all = GroupIntoSeries(ListAnalyses(db), options.seriesGapSeconds);
    SetAsideSamplesAnalysedOnce(*file, all);
    for (const Message& error : file->errors)
        shortfalls.Add(Message(MessageCode::CliQcFileError, {Nested(error)}));
    // Establishing answers for the limits it records: those it replaces are no shortfall of it.
    for (const QcLine& line : file->lines) {
        if (!line.limitsDoubt.Empty() && !options.establish)
            shortfalls.Add(Message(MessageCode::CliQcFileLine,
                                   {static_cast<int64_t>(line.row), Nested(line.limitsDoubt)}));
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
        shortfalls.Add(MessageCode::QcNotAllEstablished);
    const QcCharts qc = QcChartsStartingIn(whole, options.from, options.to);
    size_t results = 0;
    for (size_t i = 0; i < qc.charts.size(); ++i) {
        messages.ShowMessage(SummaryLine(i + 1, qc.charts[i], options.language));
        results += qc.charts[i].points.size();
    }
    if (drawn && !WriteQcFiles(qc, RangeOf(options), options.language, page, json, stylesheet, messages))
        return kExitFailure;
    // Establishing answers for the limits it records; the charts' results are for the runs that judge.
    if (options.establish) return shortfalls.Any() ? kExitFailure : kExitSuccess;
    if (results == 0) shortfalls.Add(MessageCode::QcNoSeries);
    if (NoneJudged(qc)) shortfalls.Add(MessageCode::QcNoneJudged);
    return !QcNeedsLook(qc) && !shortfalls.Any() ? kExitSuccess : kExitFailure;
}
