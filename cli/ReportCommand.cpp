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
#include "calc/OxygenateCalculator.h"
#include "calc/ResultTotals.h"
#include "calc/RoundTo4.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/ConsoleText.h"
#include "platform/ExclusiveFile.h"
#include "platform/StdioFile.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportBuilder.h"
#include "report/TransformAndOpen.h"
#include "report/XMLWrapper.h"

namespace {

const wchar_t kNoMassRefusal[] = L"Эту хроматограмму невозможно выбрать, поскольку масса пробы не указана.";

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

// Loads the ids in order; an id already loaded is not loaded again, an id without a row is reported
// and skipped. Database failures are thrown.
std::vector<Assay> LoadAssays(const std::vector<int32_t>& ids, UserMessages& messages) {
    DataBase::DbHandle db;
    std::vector<Assay> assays;
    for (const int32_t id : ids) {
        bool hasRow = false;
        QueryAssayFileName(db, id, [&hasRow](const std::wstring&) { hasRow = true; });
        if (!hasRow) {
            messages.ShowError(L"хроматограммы " + std::to_wstring(id) +
                               L" нет в базе данных; она пропущена");
            continue;
        }
        if (LoadAssay(assays, messages, db, id) < 0) {
            messages.ShowError(L"хроматограмма " + std::to_wstring(id) + L" не загружена; она пропущена");
        }
    }
    return assays;
}

// Ticks as the check boxes do: a chromatogram without sample mass is refused.
bool Tick(std::vector<Assay>& assays, const CliOptions& options, UserMessages& messages) {
    for (Assay& assay : assays) {
        const bool wanted = options.tickAll || std::find(options.ticks.begin(), options.ticks.end(),
                                                         assay.id) != options.ticks.end();
        if (!wanted) continue;
        if (!HasUsableMass(assay)) {
            messages.ShowError(std::wstring(kNoMassRefusal) + L" (" + std::to_wstring(assay.id) + L")");
            return false;
        }
        assay.isTicked = 1;
    }
    return true;
}

// What a recalculation of the main dialog computes.
CalculationData Calculate(const CliOptions& options, const std::vector<Assay>& assays) {
    ComponentsTable table;
    table.path = options.components;
    table.Load();
    CalculationData data;
    data.standard = options.standard;
    data.sampleDensity = options.sampleDensity;
    data.components = table.components;
    OxygenateCalculator calculator;
    calculator.data = &data;
    calculator.assays = &assays;
    calculator.Calculate();
    data.totalOxygen = RoundTo4(data.totalOxygen);
    FillResultTotals(data);
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

bool WriteHtml(const XMLWrapper& document, const CliOptions& options, UserMessages& messages) {
    const std::wstring stylesheet =
        options.stylesheet ? *options.stylesheet : DataFilePath(L"\\Report.xsl", messages);
    if (stylesheet.empty()) return false;
    std::wstring error;
    if (TransformToFile(document, stylesheet, *options.htmlPath, &error)) return true;
    messages.ShowError(L"отчёт HTML не записан: " + error);
    return false;
}

bool WriteReport(const std::vector<Assay>& assays, const CalculationData& data, const CliOptions& options,
                 UserMessages& messages) {
    if (!options.xmlPath && !options.htmlPath) return true;
    ReportBuilder builder(messages, FileOpener());
    builder.assays = &assays;
    builder.data = data;
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(L"документ отчёта не создан");
        return false;
    }
    builder.FillDocument(document);
    if (options.xmlPath && !WriteText(*options.xmlPath, document.ToText(), messages)) return false;
    return !options.htmlPath || WriteHtml(document, options, messages);
}

}  // namespace

ExitCode RunReport(const CliOptions& options, UserMessages& messages) {
    if (!CanRead(options.database, L"база данных", messages)) return kExitFailure;
    if (!CanUseComponents(options.components, messages)) return kExitFailure;
    DataBaseConnection::Instance().Store(options.database.c_str());
    std::vector<Assay> assays = LoadAssays(options.assays, messages);
    if (!Tick(assays, options, messages)) return kExitFailure;
    const CalculationData data = Calculate(options, assays);
    WriteConsoleText(stdout, ResultTableText(data));
    std::fflush(stdout);
    return WriteReport(assays, data, options, messages) ? kExitSuccess : kExitFailure;
}
