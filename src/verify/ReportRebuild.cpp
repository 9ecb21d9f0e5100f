#include "verify/ReportRebuild.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "batch/BatchInputs.h"
#include "batch/BatchQc.h"
#include "batch/BatchSeries.h"
#include "batch/SeriesCalculation.h"
#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "data/AnalysisList.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssays.h"
#include "data/SqlException.h"
#include "messages/Languages.h"
#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/WideText.h"
#include "qc/QualityMark.h"
#include "records/EstablishedLimitsLog.h"
#include "records/LastReadComponents.h"
#include "records/NewDefaultTable.h"
#include "records/ReferenceTable.h"
#include "report/TemporaryReportFile.h"
#include "tables/DataFilePath.h"
#include "tables/QcFile.h"

namespace {

// Keeps the errors told, for the lines of a check.
class KeptErrors : public UserMessages {
public:
    void ShowError(const std::wstring& text) override {
        errors.push_back(Message(MessageCode::Text, {text}));
    }
    void ShowMessage(const std::wstring&) override {}
    void ShowError(const Message& message) override { errors.push_back(message); }
    void ShowMessage(const Message&) override {}
    std::vector<Message> errors;
};

bool Has(const RecordedReport& recorded, const wchar_t* kind, const std::wstring& subject) {
    return std::any_of(recorded.circumstances.begin(), recorded.circumstances.end(),
                       [&](const RecordedCircumstance& c) { return c.kind == kind && c.subject == subject; });
}

std::wstring DetailOf(const RecordedReport& recorded, const wchar_t* kind, const std::wstring& subject) {
    for (const RecordedCircumstance& c : recorded.circumstances) {
        if (c.kind == kind && c.subject == subject) return c.detail;
    }
    return L"";
}

// Why a log was not to be trusted, as the report said it: the code whose words it is in any language.
Message LogProblemOf(const std::wstring& detail) {
    if (detail.empty()) return Message();
    for (const MessageCode code : {MessageCode::LogVersionNotKept, MessageCode::LogRemoved}) {
        for (const LanguageEntry& language : Languages()) {
            if (Render(code, language.language) == detail) return code;
        }
    }
    return Message(MessageCode::Text, {detail});
}

Message LogProblemOf(const RecordedReport& recorded, const std::wstring& subject) {
    return LogProblemOf(DetailOf(recorded, L"table_log_broken", subject));
}

// The components file as it is now, with how the report found it then: read as remembered, changed
// outside the program, its log not written or not to be trusted, a new default beside it not answered.
ComponentsSnapshot PresentComponents(const RecordedReport& recorded, const std::wstring& reportPath) {
    const std::wstring path = recorded.componentsFile.file.path;
    ComponentsSnapshot components = ReadComponentsAsTheyAre(ResolveRecordedPath(path, reportPath));
    components.path = path;
    if (Has(recorded, L"components_last_read", path)) components.source = ComponentsSource::LastRead;
    if (Has(recorded, L"components_not_read", path)) {
        components.source = ComponentsSource::None;
        components.components.clear();
    }
    components.tracking.changedOutside = Has(recorded, L"table_changed_outside", path);
    components.tracking.logUnwritable = Has(recorded, L"table_log_unwritable", path);
    components.tracking.logProblem = LogProblemOf(recorded, path);
    const std::wstring defaultPath = DefaultTablePath(path);
    if (Has(recorded, L"new_default_table", defaultPath)) {
        components.newDefault.path = defaultPath;
        components.newDefault.differences =
            Message(MessageCode::Text, {DetailOf(recorded, L"new_default_table", defaultPath)});
    }
    return components;
}

std::optional<LimitsFile> PresentLimits(const RecordedReport& recorded, const std::wstring& reportPath) {
    if (!recorded.limitsFile) return std::nullopt;
    const std::wstring path = recorded.limitsFile->file.path;
    const std::wstring present = ResolveRecordedPath(path, reportPath);
    std::optional<LimitsFile> limits = ParseLimitsFile(present);
    if (!limits) return limits;
    limits->path = path;
    limits->tracking.version = ReadTableVersion(present);
    limits->tracking.changedOutside = Has(recorded, L"table_changed_outside", path);
    limits->tracking.logUnwritable = Has(recorded, L"table_log_unwritable", path);
    limits->tracking.logProblem = LogProblemOf(recorded, path);
    return limits;
}

std::vector<int32_t> RecordedIds(const RecordedReport& recorded) {
    std::vector<int32_t> ids;
    for (const RecordedChromatogram& chromatogram : recorded.chromatograms) ids.push_back(chromatogram.id);
    return ids;
}

// A report of the plug-in or of `oxycalc-cli report`: its chromatograms by id, ticked as recorded where
// they still can be.
CalculationData CalculateListed(const RecordedReport& recorded, const ComponentsSnapshot& components,
                                const std::optional<LimitsFile>& limits, std::vector<Assay>& assays) {
    QuietMessages quiet;
    Shortfalls shortfalls(quiet);
    assays = LoadAssays(RecordedIds(recorded), quiet, shortfalls);
    for (Assay& assay : assays) {
        const auto was = std::find_if(recorded.chromatograms.begin(), recorded.chromatograms.end(),
                                      [&assay](const RecordedChromatogram& c) { return c.id == assay.id; });
        assay.isTicked = was != recorded.chromatograms.end() && was->ticked && HasUsableMass(assay) ? 1 : 0;
    }
    return Recalculate({recorded.standard, recorded.sampleDensity, recorded.sampleDensityGiven}, components,
                       assays, limits);
}

// The series of the database that holds the report's first analysis, grouped with the report's gap.
std::optional<Series> PresentSeries(const RecordedReport& recorded, DataBase::DbHandle& db) {
    if (recorded.chromatograms.empty()) return std::nullopt;
    const double hours = recorded.origin.seriesGapHours.value_or(12.0);
    const int64_t gap = static_cast<int64_t>(std::llround(hours * 3600.0));
    const int32_t first = recorded.chromatograms.front().id;
    for (Series& series : GroupIntoSeries(ListAnalyses(db), gap)) {
        const bool holds = std::any_of(series.analyses.begin(), series.analyses.end(),
                                       [first](const AnalysisRow& row) { return row.id == first; });
        if (holds) return std::move(series);
    }
    return std::nullopt;
}

// The QC file a batch would read now, the one beside the components file, as the report found it then
// (changed outside, its log not written or not to be trusted) and with its limits held against its log.
// Nothing when there is none; `unverifiable` says when the report names one, or names none while it is there.
std::optional<QcFile> PresentQcFile(const RecordedReport& recorded, const std::wstring& reportPath,
                                    std::vector<Message>& unverifiable) {
    const std::wstring beside =
        DataFileBeside(ResolveRecordedPath(recorded.componentsFile.file.path, reportPath), kQcFileName);
    const std::optional<RecordedTable>& named = recorded.qcFile;
    const std::wstring at = named ? ResolveRecordedPath(named->file.path, reportPath) : beside;
    std::optional<QcFile> file = ParseQcFile(named && SameFile(at, beside) ? at : beside);
    if (!file) {
        if (named) unverifiable.push_back(Message(MessageCode::VerifyNoQcFile, {named->file.path}));
        return file;
    }
    if (!named) {
        unverifiable.push_back(Message(MessageCode::VerifyQcFileNotNamed, {beside}));
    }
    CheckLimitsAgainstLog(*file);
    file->path = named ? named->file.path : beside;
    file->tracking.version = ReadTableVersion(named && SameFile(at, beside) ? at : beside);
    file->tracking.changedOutside = Has(recorded, L"table_changed_outside", file->path);
    file->tracking.logUnwritable = Has(recorded, L"table_log_unwritable", file->path);
    file->tracking.logProblem = LogProblemOf(recorded, file->path);
    return file;
}

// What QC says of a batch's series now: the QC file's charts over every series of the database.
QualityMark PresentQuality(const RecordedReport& recorded, std::optional<QcFile> qcFile, const Series& series,
                           const SeriesInputs& inputs, DataBase::DbHandle& db) {
    if (!qcFile) return {};
    const int64_t gap =
        static_cast<int64_t>(std::llround(recorded.origin.seriesGapHours.value_or(12.0) * 3600.0));
    const std::vector<Series> all = GroupIntoSeries(ListAnalyses(db), gap);
    SetAsideSamplesAnalysedOnce(*qcFile, all);
    if (IsQcSample(*qcFile, series.sample)) return {};
    QuietMessages quiet;
    const QcCharts charts = ChartQcSeries(
        *qcFile, all, [&](const Series& one) { return CalculateSeries(one, inputs, db, quiet); });
    return MarkOf(series, charts);
}

// A batch's report: its series grouped anew, its density from the densities file, what QC says of it.
std::optional<CalculationData> CalculateSeriesAgain(const RecordedReport& recorded,
                                                    const std::wstring& reportPath, SeriesInputs& inputs,
                                                    const std::optional<QcFile>& qcFile,
                                                    std::vector<Assay>& assays, QualityMark& quality,
                                                    std::vector<Message>& unverifiable) {
    DataBase::DbHandle db;
    const std::optional<Series> series = PresentSeries(recorded, db);
    if (!series) {
        unverifiable.push_back(
            Message(MessageCode::VerifyNoFirstAnalysis,
                    {int64_t{recorded.chromatograms.empty() ? 0 : recorded.chromatograms[0].id}}));
        return std::nullopt;
    }
    if (recorded.origin.densitiesFile) {
        const std::wstring densities = ResolveRecordedPath(recorded.origin.densitiesFile->path, reportPath);
        if (FileExists(densities)) inputs.densities = ReadDensities(densities);
    }
    if (inputs.densities.bySample.count(series->sample) == 0) {
        unverifiable.push_back(Message(MessageCode::VerifyNoDensity, {series->sample}));
        inputs.densities.bySample[series->sample] = recorded.sampleDensity;
        inputs.densities.problems.erase(series->sample);
    }
    QuietMessages quiet;
    CalculatedSeries calculated = CalculateSeries(*series, inputs, db, quiet);
    assays = std::move(calculated.assays);
    quality = PresentQuality(recorded, qcFile, *series, inputs, db);
    if (calculated.data && qcFile) {
        const std::vector<CalculationWarning> qc = QcFileWarnings(*qcFile);
        calculated.data->warnings.insert(calculated.data->warnings.end(), qc.begin(), qc.end());
    }
    return calculated.data;
}

}  // namespace

std::wstring ResolveRecordedPath(const std::wstring& recorded, const std::wstring& reportPath) {
    if (recorded.empty() || FileExists(recorded)) return recorded;
    const std::filesystem::path path = ToFileSystemPath(recorded);
    if (path.is_absolute()) return recorded;
    const std::filesystem::path beside = ToFileSystemPath(reportPath).parent_path() / path;
    return FileExists(FromFileSystemPath(beside)) ? FromFileSystemPath(beside) : recorded;
}

std::wstring RecordedStylesheet(const std::wstring& reportJson) {
    Message error;
    const std::optional<RecordedReport> recorded = ReadRecordedReport(reportJson, error);
    if (recorded && recorded->stylesheet) return ResolveRecordedPath(recorded->stylesheet->path, reportJson);
    const Language language = recorded ? recorded->language : Language::Russian;
    return DataFileBeside(
        ResolveRecordedPath(recorded ? recorded->componentsFile.file.path : L"", reportJson),
        StylesheetName(L"Report", language));
}

RebuiltReport RebuildReport(const RecordedReport& recorded, const std::wstring& reportPath) {
    RebuiltReport rebuilt;
    const std::wstring database = ResolveRecordedPath(recorded.database, reportPath);
    if (!FileExists(database)) {
        rebuilt.unverifiable.push_back(Message(MessageCode::VerifyNoDatabase, {recorded.database}));
        return rebuilt;
    }
    DataBaseConnection::Instance().Store(database.c_str());
    const ComponentsSnapshot components = PresentComponents(recorded, reportPath);
    const std::optional<LimitsFile> limits = PresentLimits(recorded, reportPath);
    std::vector<Assay> assays;
    QualityMark quality;
    std::optional<CalculationData> data;
    const bool batch = recorded.origin.maker == ReportOrigin::Maker::Batch;
    const std::optional<QcFile> qcFile =
        batch ? PresentQcFile(recorded, reportPath, rebuilt.unverifiable) : std::nullopt;
    try {
        if (batch) {
            SeriesInputs inputs{components, limits, {}, recorded.standard, std::nullopt};
            data = CalculateSeriesAgain(recorded, reportPath, inputs, qcFile, assays, quality,
                                        rebuilt.unverifiable);
        } else {
            data = CalculateListed(recorded, components, limits, assays);
        }
    } catch (const DataBase::SqlException& error) {
        rebuilt.unverifiable.push_back(
            Message(MessageCode::VerifyDatabaseUnreadable, {recorded.database, FromUtf8(error.what())}));
        return rebuilt;
    }
    if (!data) return rebuilt;
    // Ticks the plug-in kept while their files were away are known from the report only.
    for (const RecordedCircumstance& c : recorded.circumstances) {
        if (c.kind == L"ticks_not_counted")
            AddWarning(*data, {MessageCode::TicksNotCounted, c.subject, c.chromatograms}, assays);
    }
    ReportContext context;
    context.createdAt = recorded.createdAt;
    context.utcOffsetMinutes = recorded.utcOffsetMinutes;
    context.language = recorded.language;
    context.databasePath = recorded.database;
    context.origin = recorded.origin;
    // A batch reads the QC file beside its components file, whatever the report says of it.
    if (batch) {
        context.origin.qcFile.reset();
        if (qcFile) context.origin.qcFile = ReportTable{qcFile->path, qcFile->tracking.version};
    }
    context.quality = quality;
    if (recorded.stylesheet)
        context.stylesheet = ReportInput{recorded.stylesheet->path, recorded.stylesheet->sha256};
    KeptErrors stale;
    rebuilt.model = FinishReportModel(assays, std::move(*data), context, stale);
    for (const Message& error : stale.errors)
        rebuilt.unverifiable.push_back(Message(MessageCode::VerifyUnverifiable, {Nested(error)}));
    return rebuilt;
}
