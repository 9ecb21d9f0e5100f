#include "qc/QcSample.h"

namespace {

QcResult Result(int day, std::optional<double> value, Message doubt = {}) {
    QcResult result;
    result.first = 1709251200 + int64_t{86400} * day + 27000;  // 2024-03-01 07:30 UTC on
    result.last = result.first + 900;
    result.seriesKey = std::to_wstring(300 + day) + L"@" + std::to_wstring(result.first);
    result.report = day < 0 ? L"" : L"2024-03-0" + std::to_wstring(day + 1) + L"_0730_КО-1";
    result.measurement = {value, std::move(doubt)};
    return result;
}

}  // namespace

QcCharts SampleQcCharts() {
    QcLine mtbe;
    mtbe.sample = L"КО-1 <контроль & проверка>";
    mtbe.peakName = L"МТБЭ";
    mtbe.accepted = 5.0;
    mtbe.acceptedText = L"5.00";
    mtbe.tolerance = 0.15;
    mtbe.toleranceText = L"0.15";
    const std::vector<QcResult> results = {Result(0, 5.01),
                                           Result(1, 4.98),
                                           Result(2, 5.03),
                                           Result(3, 4.99, MessageCode::DoubtNoStandard),
                                           Result(4, 5.02),
                                           Result(5, 4.97),
                                           Result(6, std::nullopt, MessageCode::BatchNoDensity),
                                           Result(7, 5.3012),
                                           Result(8, 5.0)};
    QcLine oxygen;
    oxygen.sample = L"КО-1 <контроль & проверка>";
    QcCharts qc;
    qc.file = L"C:\\Users\\Public\\Documents\\Veltar4\\oxycalc\\QcOxycalc.csv";
    qc.errors = {
        Message(MessageCode::FileLine, {int64_t{4}, Nested(MessageCode::QcToleranceWithoutAccepted)})};
    // Ten earlier results, not shown: the shown ones are judged by provisional limits from what came before.
    std::vector<QcResult> all;
    for (int day = -20; day < -10; ++day) all.push_back(Result(day, day % 2 == 0 ? 5.01 : 4.99));
    all.insert(all.end(), results.begin(), results.end());
    qc.charts = {ChartStartingIn(MakeQcChart(mtbe, all), results.front().first, std::nullopt),
                 MakeQcChart(oxygen, {Result(0, 2.1034)})};
    return qc;
}
