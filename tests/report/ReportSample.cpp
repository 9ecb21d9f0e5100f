#include "report/ReportSample.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "calc/Recalculation.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

Assay MakeAssay(int32_t id, int64_t date, std::wstring fileName, std::wstring method, double mass,
                int32_t ticked) {
    Assay assay;
    assay.id = id;
    assay.date = date;
    assay.fileName = std::move(fileName);
    assay.method = std::move(method);
    assay.sampleMass = mass;
    assay.isTicked = ticked;
    return assay;
}

}  // namespace

ComponentResult MakeResult(std::wstring name, double mass, double massPercent, double delta, double volume,
                           double volumePercent, double oxygen) {
    ComponentResult result;
    result.name = std::move(name);
    result.mass = mass;
    result.massPercent = massPercent;
    result.delta = delta;
    result.volume = volume;
    result.volumePercent = volumePercent;
    result.oxygen = oxygen;
    return result;
}

std::vector<Assay> SampleAssays() {
    return {
        MakeAssay(101, 1710407520, L"C:\\Хроматограммы\\2024\\Проба 2417-1.stg", L"ГОСТ EN 13132, TCEP",
                  10.0213, 1),
        MakeAssay(105, 1710500580, L"C:\\Хроматограммы\\2024\\Проба <0988> & Co.stg", L"Метод \"A\" > B",
                  -1.0, 0),
        MakeAssay(106, 1710502620, L"Проба 0988-2.stg", L"", 0.0, 1),
    };
}

std::vector<Assay> SampleAssaysWithSamples() {
    std::vector<Assay> assays = SampleAssays();
    assays[0].sample = L"АИ-95-К5, партия 2417";
    assays[0].mixture = L"Оксигенаты";
    assays[2].sample = L"Градуировочная смесь";
    assays[2].isCalibration = true;
    return assays;
}

CalculationData SampleCalculation() {
    CalculationData data;
    data.standard = L"1,2-диметоксиэтан";
    data.sampleDensity = 745.678;
    data.totalOxygen = 2.71828;
    data.components = {{1, L"МТБЭ", L"Метил-трет-бутиловый эфир", 88.15, 740.5},
                       {2, L"1,2-Диметоксиэтан", L"1,2-Диметоксиэтан", 90.12, 868.3}};
    data.results = {
        MakeResult(L"Метил-трет-бутиловый эфир", 0.8278, 8.2357, 0.0195, 1.1179, 8.2932, 1.49485),
        MakeResult(L"Спирты & эфиры <C5>", 0, 0.5, 0.00005, 0.25, 0.125, 0.0),
        MakeResult(L"1,2-Диметоксиэтан", 0.4905, 4.8796, 0.0363, 0.5649, 4.1905, 0.0),
    };
    data.SetSums({1.3183, 13.6153, 0.05585, 1.9328, 12.6087, 1.49485});
    data.warnings = {{CalculationWarning::Kind::NoMolarMass, L"Спирты & эфиры <C5>"}};
    MarkResults(data);  // the standard's row, each row's place in the method's range
    return data;
}

namespace {

// A file below a folder of this machine; under Wine the tests read it through drive Z:, the Unix root.
std::wstring InFolder(const std::string& folder, const std::wstring& relative) {
#ifdef _WIN32
    const std::string root = "Z:" + folder;
#else
    const std::string& root = folder;
#endif
    return std::wstring(root.begin(), root.end()) + L"/" + relative;
}

}  // namespace

std::wstring SourceFile(const std::wstring& relative) {
    return InFolder(OXY_SOURCE_DIR, relative);
}

std::wstring StylesheetFile(const std::wstring& name) {
    return InFolder(OXY_STYLESHEET_DIR, name);
}

std::wstring CopyOfSourceFile(const std::wstring& relative, const TempFolder& folder) {
    const std::wstring name = relative.substr(relative.find_last_of(L'/') + 1);
    return folder.Write(name, ReadBytes(SourceFile(relative)));
}

void ExpectMatchesGolden(const std::string& actual, const std::wstring& golden) {
    const std::wstring path = SourceFile(L"tests/" + golden);
#ifndef _WIN32
    const char* write = std::getenv("OXYCALC_WRITE_GOLDEN");
    if (write != nullptr && std::strcmp(write, "1") == 0) {
        WriteBytes(path, actual);
        return;
    }
#endif
    const std::string expected = ReadBytes(path);
    ASSERT_FALSE(expected.empty()) << "no golden file tests/" << ToUtf8(golden);
    EXPECT_EQ(actual, expected);
}

QualityMark SampleDoubt() {
    QualityCheck check;
    QcLine line;
    line.sample = L"КО-1";
    check.chart = line.TitleMessage();
    check.first = 1710417600;
    check.why = MessageCode::RuleBeyondLimit;
    check.limits = LimitsFromMeans(2.1072, 0.0243);
    check.limits.baselineCount = 20;
    check.limits.established = true;
    EstablishedLimits established;
    established.centre = 2.1072;
    established.movingRangeMean = 0.0243;
    established.count = 20;
    established.baselineFrom = 1707982200;
    established.baselineTo = 1709624700;
    established.at = 1710583500;
    established.reason = L"первые 20 дней <контроля & проверки>";
    check.established = established;
    return {QualityMark::Status::InDoubt,
            Message(MessageCode::Text, {L"контроль «КО-1 — кислород, % масс.» не пройден"}),
            {check}};
}
