// What the report button costs for a large report: the document of 256 chromatograms and 50 result
// rows, then its transformation by Report.xsl into the HTML file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"
#include "messages/UserMessages.h"
#include "report/ReportDocument.h"
#include "report/TransformAndOpen.h"
#include "report/XMLWrapper.h"
#include "support/SilentMessages.h"
#include "support/TempFolder.h"

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
    data.settings.standard = L"1,2-Диметоксиэтан";
    data.settings.sampleDensity = 745.678;
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

void ReportDocumentAndTransformation(benchmark::State& state) {
    const TempFolder folder;
    const std::wstring stylesheet = [] {
        const std::string root = OXY_SOURCE_DIR;
        return std::wstring(root.begin(), root.end()) + L"/src/report/Report.xsl";
    }();
    const std::wstring output = folder.File(L"report.html");
    const ReportModel model = MakeReportModel(Chromatograms(), Calculation(), 0);
    for (auto _ : state) {
        XMLWrapper wrapper;
        wrapper.CreateDocument();
        FillReportDocument(wrapper, model);
        if (TransformAndOpen(wrapper, stylesheet, output, FileOpener()) != 0) {
            state.SkipWithError("transformation failed");
            break;
        }
    }
}
BENCHMARK(ReportDocumentAndTransformation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
