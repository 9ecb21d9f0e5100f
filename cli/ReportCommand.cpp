#include "ReportCommand.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "InputFiles.h"
#include "OutputPlaces.h"
#include "ResultTable.h"
#include "calc/Recalculation.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "data/LoadAssays.h"
#include "messages/UserMessages.h"
#include "platform/ConsoleText.h"
#include "platform/WideText.h"
#include "records/LastReadComponents.h"
#include "register/RegisterPlace.h"
#include "report/ReportWriting.h"
#include "report/TemporaryReportFile.h"
#include "tables/DataFilePath.h"

namespace {

std::vector<std::wstring> ChromatogramFiles(const std::vector<Assay>& assays) {
    std::vector<std::wstring> files;
    for (const Assay& assay : assays) files.push_back(assay.fileName);
    return files;
}

// Ticks as the check boxes do: a chromatogram without a usable sample mass is refused and the run
// goes on with the others; with --tick-all such a one is left out.
void Tick(std::vector<Assay>& assays, const CliOptions& options, Shortfalls& shortfalls) {
    for (Assay& assay : assays) {
        const bool usable = HasUsableMass(assay);
        const bool asked =
            std::find(options.ticks.begin(), options.ticks.end(), assay.id) != options.ticks.end();
        if (!usable) {
            shortfalls.Add(Message(asked ? MessageCode::CliNoMassRefused : MessageCode::CliNoMassLeftOut,
                                   {int64_t{assay.id}}));
            continue;
        }
        if (asked || options.tickAll) assay.isTicked = 1;
    }
    const bool anyTicked = AnyTicked(assays);
    if (!anyTicked) shortfalls.Add(MessageCode::CliNothingTicked);
}

ReportOutputs OutputsOf(const CliOptions& options) {
    ReportOutputs outputs;
    outputs.xml = options.xmlPath;
    outputs.html = options.htmlPath;
    outputs.json = options.jsonPath;
    outputs.csv = options.csvPath;
    return outputs;
}

}  // namespace

ExitCode RunReport(const CliOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, MessageCode::WhatDatabase, messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    const int64_t createdAt = static_cast<int64_t>(std::time(nullptr));
    std::optional<LimitsFile> limits;
    if (options.limits && !ReadLimits(AbsolutePath(*options.limits), limits, messages)) return kExitFailure;
    ReportOutputs outputs = OutputsOf(options);
    const Language language = options.language.value_or(Language::Russian);
    if (outputs.html) {
        outputs.stylesheet = options.stylesheet
                                 ? *options.stylesheet
                                 : DataFilePath(L"\\" + StylesheetName(L"Report", language), messages);
        // Checked before anything is written: a run that cannot make its page makes no file at all.
        if (outputs.stylesheet.empty() || !CanRead(outputs.stylesheet, MessageCode::WhatStylesheet, messages))
            return kExitFailure;
    }
    const std::vector<std::wstring> inputs{options.database, options.components, outputs.stylesheet,
                                           options.limits.value_or(L"")};
    if (!OutputsApart(outputs.Paths(), inputs, messages) || !OutputsReplaceable(outputs, messages))
        return kExitUsage;
    DataBaseConnection::Instance().Store(options.database.c_str());
    Shortfalls shortfalls(messages);
    std::vector<Assay> assays = LoadAssays(options.assays, messages, shortfalls);
    if (!OutputsApart(outputs.Paths(), ChromatogramFiles(assays), messages)) return kExitUsage;
    Tick(assays, options, shortfalls);
    const ComponentsSnapshot components = ReadComponents(AbsolutePath(options.components));
    ReportContext context;
    context.createdAt = createdAt;
    context.language = language;
    context.databasePath = AbsolutePath(options.database);
    context.origin.maker = ReportOrigin::Maker::Report;
    if (outputs.html) context.stylesheet = FileInput(outputs.stylesheet);
    // While the lab keeps a register of issued reports, a report is a draft until it is issued.
    const bool kept = options.registerFile ? true : RegisterOf(options.components).has_value();
    if (kept) context.registration.status = ReportRegistration::Status::Draft;
    const std::optional<ReportModel> model =
        FinishReportModel(assays,
                          Recalculate({options.standard, options.sampleDensity, options.sampleDensityGiven},
                                      components, assays, limits),
                          context, messages);
    if (!model) return kExitFailure;
    const CalculationData& data = model->data;
    for (const CalculationWarning& warning : data.warnings)
        messages.ShowMessage(Message(MessageCode::CliWarning, {Nested(warning.ToMessage())}));
    if (components.source != ComponentsSource::File) shortfalls.Add(MessageCode::CliComponentsNotRead);
    if (components.source == ComponentsSource::File && components.components.empty())
        shortfalls.Add(MessageCode::CliComponentsEmpty);
    if (limits) {
        for (const Message& error : limits->errors)
            shortfalls.Add(Message(MessageCode::CliLimitsError, {Nested(error)}));
    }
    if (!WriteReportFiles(*model, outputs, messages)) return kExitFailure;
    // The tables come last, so that a run that fails on its way prints none.
    WriteConsoleText(stdout, ResultTableText(data, language));
    if (limits)
        WriteConsoleText(stdout, VerdictTableText(data.verdicts, DecisionRuleNotice(data.limits), language));
    // Numbers a lab must not sign as they stand: the report is there, the exit code says so.
    const bool undetermined = std::any_of(
        data.verdicts.begin(), data.verdicts.end(),
        [](const LimitVerdict& verdict) { return verdict.outcome == LimitVerdict::Outcome::Undetermined; });
    const bool complete =
        !shortfalls.Any() && data.warnings.empty() && !undetermined && data.TotalOxygenDetermined();
    return complete ? kExitSuccess : kExitFailure;
}
