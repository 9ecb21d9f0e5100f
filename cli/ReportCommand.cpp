#include "ReportCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ResultTable.h"
#include "calc/ComponentsTable.h"
#include "calc/DataFilePath.h"
#include "calc/LastReadComponents.h"
#include "calc/OxygenateCalculator.h"
#include "calc/ResultTotals.h"
#include "calc/RoundTo4.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/ConsoleText.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportBuilder.h"
#include "report/TransformAndOpen.h"
#include "report/XMLWrapper.h"

namespace {

const wchar_t kNoMassRefusal[] = L"Эту хроматограмму невозможно выбрать, поскольку масса пробы не указана.";

// Reasons why a run, though it went to its end, did not use everything it was given: each is told
// on standard error, and any one makes the exit code 1.
class Shortfalls {
public:
    explicit Shortfalls(UserMessages& messages) : messages_(messages) {}
    void Add(const std::wstring& reason) {
        messages_.ShowError(reason);
        any_ = true;
    }
    bool Any() const { return any_; }

private:
    UserMessages& messages_;
    bool any_ = false;
};

// The system's reason for the last failed call; read before anything else can change errno.
std::wstring SystemError(int error) {
    return FromUtf8(std::strerror(error));
}

// A file the tool is given must exist and be readable; the system's reason otherwise.
bool CanRead(const std::wstring& path, const std::wstring& what, UserMessages& messages) {
    if (OpenStdioFile(path, "rb")) return true;
    const int error = errno;
    messages.ShowError(what + L" «" + path + L"»: " + SystemError(error));
    return false;
}

// The components file is held exclusively for reading and writing, as the plug-in holds it; a file
// that does not open so would be read as an empty table.
bool CanUseComponents(const std::wstring& path, UserMessages& messages) {
    if (!CanRead(path, L"файл таблицы компонентов", messages)) return false;
    if (ExclusiveFile(path, ExclusiveFile::Disposition::OpenExisting).IsOpen()) return true;
    messages.ShowError(
        L"файл таблицы компонентов «" + path +
        L"» не открывается для чтения и записи: он только для чтения или занят другой программой");
    return false;
}

// The files the run writes, in the order of the switches.
std::vector<std::wstring> OutputPaths(const CliOptions& options) {
    std::vector<std::wstring> outputs;
    for (const auto* output : {&options.xmlPath, &options.htmlPath}) {
        if (*output) outputs.push_back(**output);
    }
    return outputs;
}

// No output may be written over an input or over another output: the lab's data would be lost.
bool OutputsApart(const CliOptions& options, const std::vector<std::wstring>& inputs,
                  UserMessages& messages) {
    const std::vector<std::wstring> outputs = OutputPaths(options);
    for (size_t i = 0; i < outputs.size(); ++i) {
        for (const std::wstring& input : inputs) {
            if (!SameFile(outputs[i], input)) continue;
            messages.ShowError(L"файл «" + outputs[i] + L"» — входные данные расчёта (" + input +
                               L"); отчёт не записан поверх него");
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            if (outputs[j] != outputs[i] && !SameFile(outputs[i], outputs[j])) continue;
            messages.ShowError(L"файл «" + outputs[i] + L"» назван для двух выводов");
            return false;
        }
    }
    return true;
}

std::vector<std::wstring> ChromatogramFiles(const std::vector<Assay>& assays) {
    std::vector<std::wstring> files;
    for (const Assay& assay : assays) files.push_back(assay.fileName);
    return files;
}

// Loads the ids in order; an id already loaded is not loaded again, an id without a row is reported
// and skipped. Database failures are thrown.
std::vector<Assay> LoadAssays(const std::vector<int32_t>& ids, UserMessages& messages,
                              Shortfalls& shortfalls) {
    DataBase::DbHandle db;
    std::vector<Assay> assays;
    for (const int32_t id : ids) {
        bool hasRow = false;
        QueryAssayFileName(db, id, [&hasRow](const std::wstring&) { hasRow = true; });
        if (!hasRow) {
            shortfalls.Add(L"хроматограммы " + std::to_wstring(id) + L" нет в базе данных; она пропущена");
            continue;
        }
        if (LoadAssay(assays, messages, db, id) < 0) {
            shortfalls.Add(L"хроматограмма " + std::to_wstring(id) + L" не загружена; она пропущена");
        }
    }
    return assays;
}

// Ticks as the check boxes do: a chromatogram without a usable sample mass is refused and the run
// goes on with the others; with --tick-all such a one is left out.
void Tick(std::vector<Assay>& assays, const CliOptions& options, Shortfalls& shortfalls) {
    for (Assay& assay : assays) {
        const bool usable = assay.sampleMass != -1.0;
        const bool asked =
            std::find(options.ticks.begin(), options.ticks.end(), assay.id) != options.ticks.end();
        if (!usable) {
            const std::wstring id = std::to_wstring(assay.id);
            shortfalls.Add(asked ? std::wstring(kNoMassRefusal) + L" (" + id + L")"
                                 : L"у хроматограммы " + id + L" не указана масса пробы; она не учтена");
            continue;
        }
        if (asked || options.tickAll) assay.isTicked = 1;
    }
    const bool anyTicked =
        std::any_of(assays.begin(), assays.end(), [](const Assay& assay) { return assay.isTicked != 0; });
    if (!anyTicked) shortfalls.Add(L"ни одна хроматограмма не отмечена: расчёт пуст");
}

// What a recalculation of the main dialog computes, with its warnings.
CalculationData Calculate(const CliOptions& options, const std::vector<Assay>& assays) {
    ComponentsTable table;
    table.path = options.components;
    LastReadComponents components;
    CalculationData data;
    data.componentsSource = components.Reload(table);
    data.componentsPath = table.path;
    data.components = components.Components();
    data.standard = options.standard;
    data.sampleDensity = options.sampleDensity;
    OxygenateCalculator calculator;
    calculator.data = &data;
    calculator.assays = &assays;
    calculator.Calculate();
    data.totalOxygen = RoundTo4(data.totalOxygen);
    FillResultTotals(data);
    data.warnings = CheckCalculation(data, assays);
    return data;
}

bool WriteText(const std::wstring& path, const std::string& text, UserMessages& messages) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
        std::fflush(file.get()) == 0) {
        return true;
    }
    const int error = errno;
    messages.ShowError(L"файл «" + path + L"» не записан: " + SystemError(error));
    return false;
}

bool WriteHtml(const XMLWrapper& document, const CliOptions& options, const std::wstring& stylesheet,
               UserMessages& messages) {
    std::wstring error;
    if (TransformToFile(document, stylesheet, *options.htmlPath, &error)) return true;
    messages.ShowError(L"отчёт HTML не записан: " + error);
    return false;
}

bool WriteReport(const std::vector<Assay>& assays, const CalculationData& data,
                 const std::optional<LimitsFile>& limits, const CliOptions& options,
                 const std::wstring& stylesheet, UserMessages& messages) {
    if (!options.xmlPath && !options.htmlPath) return true;
    ReportBuilder builder(messages, FileOpener());
    builder.assays = &assays;
    builder.data = data;
    builder.limits = limits;
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(L"документ отчёта не создан");
        return false;
    }
    builder.FillDocument(document);
    if (options.xmlPath && !WriteText(*options.xmlPath, document.ToText(), messages)) return false;
    return !options.htmlPath || WriteHtml(document, options, stylesheet, messages);
}

}  // namespace

ExitCode RunReport(const CliOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    std::optional<LimitsFile> limits;
    if (options.limits) {
        limits = ReadLimitsFile(*options.limits);
        if (!limits) {
            messages.ShowError(L"файла норм «" + *options.limits + L"» нет");
            return kExitFailure;
        }
    }
    std::wstring stylesheet;
    if (options.htmlPath) {
        stylesheet = options.stylesheet ? *options.stylesheet : DataFilePath(L"\\Report.xsl", messages);
        if (stylesheet.empty()) return kExitFailure;
    }
    if (!OutputsApart(options,
                      {options.database, options.components, stylesheet, options.limits.value_or(L"")},
                      messages))
        return kExitUsage;
    DataBaseConnection::Instance().Store(options.database.c_str());
    Shortfalls shortfalls(messages);
    std::vector<Assay> assays = LoadAssays(options.assays, messages, shortfalls);
    if (!OutputsApart(options, ChromatogramFiles(assays), messages)) return kExitUsage;
    Tick(assays, options, shortfalls);
    const CalculationData data = Calculate(options, assays);
    for (const CalculationWarning& warning : data.warnings)
        messages.ShowMessage(L"предупреждение: " + warning.Text());
    if (data.componentsSource != ComponentsSource::File) shortfalls.Add(L"таблица компонентов не прочитана");
    if (limits) {
        for (const std::wstring& error : limits->errors) shortfalls.Add(L"файл норм: " + error);
    }
    if (!WriteReport(assays, data, limits, options, stylesheet, messages)) return kExitFailure;
    // The tables come last, so that a run that fails on its way prints none.
    WriteConsoleText(stdout, ResultTableText(data));
    if (limits) WriteConsoleText(stdout, VerdictTableText(CheckLimits(limits->limits, data)));
    return shortfalls.Any() ? kExitFailure : kExitSuccess;
}
