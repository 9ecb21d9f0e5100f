#include "calc/CalculationChecks.h"
#include "calc/CalculationWarning.h"

#include <gtest/gtest.h>

#include "calc/CalculationData.h"
#include "calc/TickedSamples.h"
#include "platform/WideText.h"
#include "tables/NotSet.h"

namespace {

using Kind = CalculationWarning::Kind;

ComponentResult Result(std::wstring name, double molarMass, double density) {
    ComponentResult result;
    result.name = std::move(name);
    result.molarMass = molarMass;
    result.density = density;
    return result;
}

Peak StandardPeak() {
    Peak peak;
    peak.name = L"DME";
    peak.concentration = 4.9;
    return peak;
}

CalculationData Data(std::wstring standard) {
    CalculationData data;
    data.standard = std::move(standard);
    data.sampleDensity = 745.68;
    data.components = {{1, L"DME", L"1,2-Диметоксиэтан", 90.12, 868.3},
                       {2, L"EtOH", L"Этанол", 46.07, 789.0}};
    return data;
}

}  // namespace

void PrintTo(const CalculationWarning& warning, std::ostream* out) {
    *out << warning.Key() << " " << ToUtf8(warning.subject);
}

TEST(CalculationWarning, NamesAStandardThatMatchesNoComponentButNotAnEmptyOne) {
    EXPECT_TRUE(CheckCalculation(Data(L"1,2-диметоксиэтан")).empty());  // case does not matter
    EXPECT_TRUE(CheckCalculation(Data(L"")).empty());
    const auto warnings = CheckCalculation(Data(L"1,2-диметоксиэтн"));
    ASSERT_EQ(warnings, (std::vector<CalculationWarning>{{Kind::StandardNotFound, L"1,2-диметоксиэтн"}}));
    EXPECT_NE(warnings[0].Text(Language::Russian).find(L"«1,2-диметоксиэтн»"), std::wstring::npos);
    EXPECT_STREQ(warnings[0].Key(), "standard_not_found");
}

TEST(CalculationWarning, NamesEachResultWithoutAUsableMolarMassOrDensity) {
    CalculationData data = Data(L"1,2-Диметоксиэтан");
    data.results = {Result(L"Этанол", 46.07, 789.0), Result(L"Новый", 0.0, NotSet),
                    Result(L"Отрицательный", -88.15, 740.0), Result(L"1,2-ДИМЕТОКСИЭТАН", 0.0, 0.0)};
    // The standard contributes no oxygen, so only its missing density matters.
    EXPECT_EQ(CheckCalculation(data),
              (std::vector<CalculationWarning>{{Kind::NoMolarMass, L"Новый"},
                                               {Kind::NoDensity, L"Новый"},
                                               {Kind::NoMolarMass, L"Отрицательный"},
                                               {Kind::NoDensity, L"1,2-ДИМЕТОКСИЭТАН"}}));
}

TEST(CalculationWarning, SaysWhereTheComponentsCameFrom) {
    CalculationData data = Data(L"");
    data.componentsFile.path = L"C:\\Users\\Public\\Documents\\Veltar4\\oxycalc\\CompsTableOxycalc.csv";
    data.componentsFile.source = ComponentsSource::LastRead;
    auto warnings = CheckCalculation(data);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, Kind::ComponentsLastRead);
    EXPECT_NE(warnings[0].Text(Language::Russian).find(data.componentsFile.path), std::wstring::npos);
    data.componentsFile.source = ComponentsSource::None;
    warnings = CheckCalculation(data);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, Kind::ComponentsNotRead);
}

TEST(CalculationWarning, FlagsTickedChromatogramsOfMoreThanOneSample) {
    std::vector<Assay> assays(4);
    const wchar_t* samples[] = {L"АИ-95-К5, партия 2417", L"АИ-95-К5, партия 2417", L"АИ-92-К5", L"АИ-98"};
    for (size_t i = 0; i < assays.size(); ++i) {
        assays[i].sample = samples[i];
        assays[i].isTicked = i < 2 ? 1 : 0;
        assays[i].peaks = {StandardPeak()};
    }
    const std::wstring standard = L"1,2-Диметоксиэтан";
    EXPECT_TRUE(CheckCalculation(Data(standard), assays).empty());
    assays[2].isTicked = 1;
    EXPECT_EQ(CheckCalculation(Data(standard), assays),
              (std::vector<CalculationWarning>{{Kind::SeveralSamples, L"АИ-95-К5, партия 2417; АИ-92-К5"}}));
    // The same sample in another mixture is listed twice among the samples but is one sample.
    assays[2].sample = samples[0];
    assays[2].mixture = L"другая смесь";
    EXPECT_EQ(TickedSamples(assays).size(), 2u);
    EXPECT_TRUE(CheckCalculation(Data(standard), assays).empty());
}

TEST(CalculationWarning, SaysWhatMakesEveryResultSuspect) {
    CalculationData data = Data(L"");
    data.results = {Result(L"Этанол", 46.07, 789.0)};
    data.sampleDensity = 0.7457;  // g/cm3 typed where kg/m3 belongs
    data.components.push_back({7, L"", L"Пустой", 1.0, 1.0});
    EXPECT_EQ(
        CheckCalculation(data),
        (std::vector<CalculationWarning>{
            {Kind::NoPeakName, L"№7"}, {Kind::NoStandard, L""}, {Kind::ImplausibleDensity, L"0.7457"}}));
    data.components.clear();
    data.results.clear();
    data.componentsFile.path = L"CompsTableOxycalc.csv";
    EXPECT_EQ(CheckCalculation(data),
              (std::vector<CalculationWarning>{{Kind::NoComponents, L"CompsTableOxycalc.csv"}}));
    EXPECT_TRUE(PlausibleSampleDensity(745.68));
    EXPECT_FALSE(PlausibleSampleDensity(1.0));
}

// An emptied density field runs the calculation with 1; "1 kg/m3 is no petrol" would blame a number
// nobody typed.
TEST(CalculationWarning, ADensityNotGivenIsSaidSoInPlaceOfTheDefaultsNumber) {
    CalculationData data = Data(L"1,2-Диметоксиэтан");
    data.results = {Result(L"Этанол", 46.07, 789.0)};
    data.sampleDensity = 1.0;
    EXPECT_EQ(CheckCalculation(data), (std::vector<CalculationWarning>{{Kind::ImplausibleDensity, L"1"}}));
    data.sampleDensityGiven = false;
    const std::vector<CalculationWarning> warnings = CheckCalculation(data);
    EXPECT_EQ(warnings, (std::vector<CalculationWarning>{{Kind::NoSampleDensity, L""}}));
    EXPECT_EQ(warnings[0].Text(Language::Russian),
              L"Плотность пробы не задана: объёмные доли компонентов неверны.");
    data.results.clear();
    EXPECT_EQ(CheckCalculation(data), (std::vector<CalculationWarning>{{Kind::NoSampleDensity, L""}}));
}
