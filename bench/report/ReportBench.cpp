// What the report button costs. For a large report: the document of 256 chromatograms and 50 result
// rows, then its transformation by Report.xsl into the HTML file. For the usual one: three ticked
// chromatograms (files of 800 KB, loaded as the dialog loads them), each file read once more, whole, for
// its checksum, then the document and its page; and the checksums alone, their share of it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "DemoData.h"
#include "calc/CalculationData.h"
#include "data/Assay.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "messages/UserMessages.h"
#include "report/ReportDocument.h"
#include "report/TransformAndOpen.h"
#include "support/TempFolder.h"
#include "xml/XMLWrapper.h"

namespace {

constexpr int kChromatograms = 256;
constexpr int kResults = 50;

std::vector<Assay> Chromatograms() {
    std::vector<Assay> assays(kChromatograms);
    for (int i = 0; i < kChromatograms; ++i) {
        Assay& assay = assays[static_cast<size_t>(i)];
        assay.id = 1000 + i;
        assay.date = 1710407520 + 3600 * i;
        assay.fileName = L"C:\\Хроматограммы\\2024\\Бензин АИ-95, проба " + std::to_wstring(i + 1) + L".stg";
        assay.method = L"ГОСТ EN 13132-2012, TCEP";
        assay.sampleMass = 10.0 + 0.01 * i;
        assay.isTicked = i % 3 == 0 ? 0 : 1;
    }
    return assays;
}

CalculationData Calculation() {
    CalculationData data;
    data.standard = L"1,2-Диметоксиэтан";
    data.sampleDensity = 745.678;
    data.totalOxygen = 2.71828;
    for (int i = 0; i < kResults; ++i) {
        ComponentResult result;
        result.name = L"Компонент " + std::to_wstring(100 + i);
        result.mass = 0.01 * i;
        result.massPercent = 0.1 * i;
        result.delta = 0.001 * i;
        result.volume = 0.02 * i;
        result.volumePercent = 0.15 * i;
        result.oxygen = 0.03 * i;
        data.results.push_back(result);
    }
    return data;
}

std::wstring Stylesheet() {
    const std::string folder = OXY_STYLESHEET_DIR;
    return std::wstring(folder.begin(), folder.end()) + L"/Report.xsl";
}

// The document and its page; false when the transformation failed.
bool MakePage(const ReportModel& model, const std::wstring& output) {
    XMLWrapper wrapper;
    wrapper.CreateDocument();
    FillReportDocument(wrapper, model);
    return TransformAndOpen(wrapper, Stylesheet(), output, FileOpener()) == 0;
}

void ReportDocumentAndTransformation(benchmark::State& state) {
    const TempFolder folder;
    const std::wstring output = folder.File(L"report.html");
    const ReportModel model = MakeReportModel(Chromatograms(), Calculation(), 0);
    for (auto _ : state) {
        if (!MakePage(model, output)) {
            state.SkipWithError("transformation failed");
            break;
        }
    }
}
BENCHMARK(ReportDocumentAndTransformation)->Unit(benchmark::kMillisecond);

// Three chromatograms of 2 channels × 100,000 samples, written once and loaded from their database,
// all ticked.
const std::vector<Assay>& ThreeTicked() {
    static TempFolder folder;
    static const std::vector<Assay> assays = [] {
        std::vector<DemoData::Run> runs = DemoData::SyntheticSet(3, 2, 100000, 40);
        DemoData::WriteRuns(folder.Path(), runs);
        DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
        std::vector<Assay> loaded;
        QuietMessages messages;
        DataBase::DbHandle db;
        for (const DemoData::Run& run : runs) LoadAssay(loaded, messages, db, run.assay.id);
        for (Assay& assay : loaded) assay.isTicked = 1;
        return loaded;
    }();
    return assays;
}

void ReportOfThreeTickedWithChecksums(benchmark::State& state) {
    const TempFolder folder;
    const std::wstring output = folder.File(L"report.html");
    const std::vector<Assay>& assays = ThreeTicked();
    QuietMessages messages;
    for (auto _ : state) {
        ReportModel model = MakeReportModel(assays, Calculation(), 0);
        if (!TakeChecksums(model, assays, messages) || !MakePage(model, output)) {
            state.SkipWithError("no report");
            break;
        }
    }
}
BENCHMARK(ReportOfThreeTickedWithChecksums)->Unit(benchmark::kMillisecond);

void ChecksumsOfThreeTicked(benchmark::State& state) {
    const std::vector<Assay>& assays = ThreeTicked();
    ReportModel model = MakeReportModel(assays, Calculation(), 0);
    QuietMessages messages;
    for (auto _ : state) {
        if (!TakeChecksums(model, assays, messages) || model.chromatograms[2].fileSha256.empty()) {
            state.SkipWithError("no checksums");
            break;
        }
    }
}
BENCHMARK(ChecksumsOfThreeTicked)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
