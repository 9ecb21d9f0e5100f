#include "VerifyCommand.h"

#include <cstdio>

#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "calc/ResultColumns.h"
#include "calc/TotalOxygen.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "data/SqlException.h"
#include "platform/ConsoleText.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "platform/Sha256.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/RecordedReport.h"

namespace {

class QuietMessages : public UserMessages {
public:
    void ShowError(const std::wstring&) override {}
    void ShowMessage(const std::wstring&) override {}
};

void Compare(const std::wstring& what, const std::wstring& printed, const std::wstring& now,
             std::vector<std::wstring>& differences) {
    if (printed != now)
        differences.push_back(what + L": в отчёте «" + printed + L"», пересчёт даёт «" + now + L"»");
}

// A file against its recorded checksum.
void CompareFile(const std::wstring& what, const RecordedFile& file, std::vector<std::wstring>& differences) {
    const std::optional<std::string> now = Sha256OfFile(file.path);
    if (!now) {
        if (!file.sha256.empty()) differences.push_back(what + L" «" + file.path + L"» не читается");
    } else if (*now != file.sha256) {
        differences.push_back(what + L" «" + file.path + L"» изменён: SHA-256 " +
                              FromUtf8(file.sha256.substr(0, 12)) + L"… → " + FromUtf8(now->substr(0, 12)) +
                              L"…");
    }
}

std::wstring Concentration(const Peak& peak) {
    return peak.concentrationGiven ? FormatGeneral(peak.concentration, 15) : L"не задана";
}

bool SameConcentration(const Peak& a, const Peak& b) {
    return a.concentrationGiven == b.concentrationGiven &&
           (!a.concentrationGiven || a.concentration == b.concentration);
}

// The host's rows of one chromatogram against the recorded ones.
void CompareRows(const Assay& recorded, const Assay& now, std::vector<std::wstring>& differences) {
    const std::wstring which = L"хроматограмма " + std::to_wstring(recorded.id) + L" в базе данных: ";
    if (now.sample != recorded.sample)
        differences.push_back(which + L"проба «" + recorded.sample + L"» → «" + now.sample + L"»");
    if (now.date != recorded.date)
        differences.push_back(which + L"время анализа " + std::to_wstring(recorded.date) + L" → " +
                              std::to_wstring(now.date));
    if (now.fileName != recorded.fileName)
        differences.push_back(which + L"файл «" + recorded.fileName + L"» → «" + now.fileName + L"»");
    const size_t common = std::min(now.peaks.size(), recorded.peaks.size());
    for (size_t i = 0; i < common; ++i) {
        const Peak& was = recorded.peaks[i];
        const Peak& is = now.peaks[i];
        if (was.name != is.name) {
            differences.push_back(which + L"пик №" + std::to_wstring(i + 1) + L" «" + was.name + L"» → «" +
                                  is.name + L"»");
        } else if (!SameConcentration(was, is)) {
            differences.push_back(which + L"концентрация пика «" + was.name + L"» " + Concentration(was) +
                                  L" → " + Concentration(is));
        }
    }
    for (size_t i = common; i < recorded.peaks.size(); ++i)
        differences.push_back(which + L"пика «" + recorded.peaks[i].name + L"» больше нет");
    for (size_t i = common; i < now.peaks.size(); ++i)
        differences.push_back(which + L"добавлен пик «" + now.peaks[i].name + L"»");
}

void CompareDatabase(const RecordedReport& report, std::vector<std::wstring>& differences) {
    if (report.chromatograms.empty()) return;
    if (!FileExists(report.database)) {
        differences.push_back(L"база данных «" + report.database + L"» не найдена");
        return;
    }
    DataBaseConnection::Instance().Store(report.database.c_str());
    try {
        DataBase::DbHandle db;
        QuietMessages quiet;
        for (const Assay& recorded : report.chromatograms) {
            std::vector<Assay> loaded;
            if (LoadAssay(loaded, quiet, db, recorded.id) < 0 || loaded.empty()) {
                differences.push_back(L"хроматограммы " + std::to_wstring(recorded.id) +
                                      L" нет в базе данных");
                continue;
            }
            CompareRows(recorded, loaded.front(), differences);
        }
    } catch (const DataBase::SqlException& error) {
        differences.push_back(L"база данных «" + report.database + L"» не читается: " +
                              FromUtf8(error.what()));
    }
}

void Print(const std::wstring& title, const std::vector<std::wstring>& lines, const std::wstring& none) {
    std::wstring text = title + L"\n";
    if (lines.empty()) text += L"  " + none + L"\n";
    for (const std::wstring& line : lines) text += L"  " + line + L"\n";
    WriteConsoleText(stdout, text);
}

}  // namespace

std::vector<std::wstring> ArithmeticDifferences(const RecordedReport& report) {
    ComponentsSnapshot components;
    components.source = ComponentsSource::File;
    components.path = report.componentsFile ? report.componentsFile->path : std::wstring();
    components.components = report.components;
    // The verdicts are recalculated too when the limits file is the one the report used.
    std::optional<LimitsFile> limits;
    if (report.limitsFile && Sha256OfFile(report.limitsFile->path) == report.limitsFile->sha256)
        limits = ParseLimitsFile(report.limitsFile->path);
    const CalculationData data =
        Recalculate({report.standard, report.sampleDensity}, components, report.chromatograms, limits);
    std::vector<std::wstring> differences;
    if (data.results.size() != report.results.size()) {
        differences.push_back(L"строк результатов в отчёте " + std::to_wstring(report.results.size()) +
                              L", пересчёт даёт " + std::to_wstring(data.results.size()));
    }
    for (size_t i = 0; i < std::min(data.results.size(), report.results.size()); ++i) {
        const RecordedReport::Row& printed = report.results[i];
        const ComponentResult& result = data.results[i];
        const std::wstring row = L"строка " + std::to_wstring(i + 1) + L" «" + printed.name + L"»";
        Compare(row + L", компонент", printed.name, result.name, differences);
        for (size_t c = 0; c < kResultColumns.size() && c < printed.values.size(); ++c) {
            const ResultColumn& column = kResultColumns[c];
            Compare(row + L", " + column.caption, printed.values[c],
                    FormatFixed(result.*column.value, column.decimals), differences);
        }
    }
    for (size_t c = 0; c < kResultColumns.size() && c < report.sums.size(); ++c) {
        const ResultColumn& column = kResultColumns[c];
        Compare(std::wstring(L"«Всего», ") + column.caption, report.sums[c],
                FormatFixed(data.sums.*column.sum, column.decimals), differences);
    }
    Compare(L"общее содержание кислорода", report.totalOxygen, TotalOxygenText(data), differences);
    if (limits) {
        for (size_t i = 0; i < std::min(data.verdicts.size(), report.verdicts.size()); ++i) {
            Compare(L"вывод «" + report.verdicts[i].first + L"»", report.verdicts[i].second,
                    data.verdicts[i].OutcomeText(), differences);
        }
    }
    return differences;
}

std::vector<std::wstring> InputDifferences(const RecordedReport& report) {
    std::vector<std::wstring> differences;
    for (const Assay& chromatogram : report.chromatograms)
        CompareFile(L"файл хроматограммы", {chromatogram.fileName, chromatogram.fileSha256}, differences);
    if (report.componentsFile) CompareFile(L"файл таблицы компонентов", *report.componentsFile, differences);
    if (report.limitsFile) CompareFile(L"файл норм", *report.limitsFile, differences);
    if (report.stylesheet) CompareFile(L"таблица стилей", *report.stylesheet, differences);
    CompareDatabase(report, differences);
    return differences;
}

ExitCode RunVerify(const std::wstring& reportPath) {
    std::wstring error;
    const std::optional<RecordedReport> report = ReadRecordedReport(reportPath, error);
    if (!report) {
        WriteConsoleText(stderr, L"oxycalc-cli: " + error + L"\n");
        return kExitUsage;
    }
    const std::vector<std::wstring> arithmetic = ArithmeticDifferences(*report);
    const std::vector<std::wstring> inputs = InputDifferences(*report);
    Print(L"Пересчёт по записанным в отчёте данным:", arithmetic, L"числа отчёта совпадают");
    Print(L"Исходные данные сейчас:", inputs, L"совпадают с записанными в отчёте");
    return arithmetic.empty() && inputs.empty() ? kExitSuccess : kExitFailure;
}
