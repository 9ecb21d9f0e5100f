#include "calc/OxygenateCalculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

struct NamedPeak {
    std::wstring name;
    double concentration;
};

Assay TickedAssay(double sampleMass, const std::vector<NamedPeak>& peaks, int32_t ticked = 1) {
    Assay assay;
    assay.sampleMass = sampleMass;
    assay.isTicked = ticked;
    for (const NamedPeak& named : peaks) {
        Peak peak;
        peak.name = named.name;
        peak.concentration = named.concentration;
        assay.peaks.push_back(peak);
    }
    return assay;
}

Component MakeComponent(std::wstring peakName, std::wstring name, double molarMass, double density) {
    return {0, std::move(peakName), std::move(name), molarMass, density};
}

class OxygenateCalculatorTest : public ::testing::Test {
protected:
    void Calculate() {
        const OxygenateCalculator calculator{&data, &assays};
        calculator.Calculate();
    }

    // The worked example: samples of 10 g and 12 g, density 750, a component of molar mass 80 and
    // density 800.
    void SetUpWorkedExample(std::vector<NamedPeak> firstPeaks, std::vector<NamedPeak> secondPeaks) {
        data.sampleDensity = 750;
        data.components = {MakeComponent(L"МТБЭ", L"Метил-трет-бутиловый эфир", 80, 800)};
        assays = {TickedAssay(10, firstPeaks), TickedAssay(12, secondPeaks)};
    }

    CalculationData data;
    std::vector<Assay> assays;
};

void ExpectRelativelyNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12) << "expected " << expected;
}

}  // namespace

TEST_F(OxygenateCalculatorTest, ComputesTheWorkedExampleWithThePeakInBothChromatograms) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"МТБЭ", 5.2}});
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    const ComponentResult& row = data.results[0];
    EXPECT_EQ(row.peakName, L"МТБЭ");
    EXPECT_EQ(row.name, L"Метил-трет-бутиловый эфир");
    ExpectRelativelyNear(row.massPercent, 5.1);
    ExpectRelativelyNear(row.mass, 0.562);
    ExpectRelativelyNear(row.delta, 0.2);
    ExpectRelativelyNear(row.volume, 0.7025);
    ExpectRelativelyNear(row.volumePercent, 0.7025 / (11.0 * 1000 / 750) * 100);
    EXPECT_NEAR(row.volumePercent, 4.7898, 5e-5);
    ExpectRelativelyNear(row.oxygen, 1.02);
    EXPECT_EQ(row.density, 800);
    EXPECT_EQ(row.molarMass, 80);
    ExpectRelativelyNear(data.totalOxygen, 1.02);
}

TEST_F(OxygenateCalculatorTest, CountsAChromatogramWithoutThePeakAsZero) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"Этанол", 1.0}});
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    const ComponentResult& row = data.results[0];
    ExpectRelativelyNear(row.massPercent, 2.5);
    ExpectRelativelyNear(row.mass, 0.25);
    ExpectRelativelyNear(row.delta, 5.0);
    ExpectRelativelyNear(row.volume, 0.3125);
    EXPECT_NEAR(row.volumePercent, 2.1307, 5e-5);
    ExpectRelativelyNear(row.oxygen, 0.5);
}

TEST_F(OxygenateCalculatorTest, GivesNothingWithoutATickedChromatogram) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"МТБЭ", 5.2}});
    data.results.resize(3);
    data.totalOxygen = 7;
    assays[0].isTicked = 0;
    assays[1].isTicked = 0;
    Calculate();
    EXPECT_TRUE(data.results.empty());
    EXPECT_EQ(data.totalOxygen, 0.0);
    assays.clear();
    Calculate();
    EXPECT_TRUE(data.results.empty());
}

TEST_F(OxygenateCalculatorTest, OneTickedChromatogramGivesItsConcentrationAndNoSpread) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"МТБЭ", 5.2}});
    assays[0].isTicked = 0;
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    EXPECT_EQ(data.results[0].massPercent, 5.2);
    EXPECT_EQ(data.results[0].delta, 0.0);
}

TEST_F(OxygenateCalculatorTest, DividesByAllTickedChromatogramsWhenThePeakIsInTwoOfThree) {
    data.components = {MakeComponent(L"Этанол", L"Этанол", 46, 789)};
    assays = {TickedAssay(10, {{L"Этанол", 3.0}}), TickedAssay(10, {{L"Метанол", 1.0}}),
              TickedAssay(10, {{L"Этанол", 9.0}}, 0), TickedAssay(10, {{L"Этанол", 4.5}})};
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    ExpectRelativelyNear(data.results[0].massPercent, 7.5 / 3);
    ExpectRelativelyNear(data.results[0].mass, 0.75 / 3);
    EXPECT_EQ(data.results[0].delta, 4.5);
}

TEST_F(OxygenateCalculatorTest, MatchesPeakNamesWithoutRegardToCaseButWholeAndLetterForLetter) {
    data.components = {MakeComponent(L"Ethanol", L"e", 46, 789), MakeComponent(L"МТБЭ", L"m", 88, 740),
                       MakeComponent(L"Ёлка", L"y", 100, 800), MakeComponent(L"ТАМЭ", L"t", 102, 770),
                       MakeComponent(L"Е", L"Cyrillic Е", 102, 770)};
    assays = {TickedAssay(
        10, {{L"ETHANOL", 1}, {L"мтбэ", 2}, {L"ёЛКА", 3}, {L"ТАМЭ ", 4}, {L"E", 5}})};  // the last one Latin
    Calculate();
    ASSERT_EQ(data.results.size(), 3u);
    EXPECT_EQ(data.results[0].massPercent, 1);
    EXPECT_EQ(data.results[1].massPercent, 2);
    EXPECT_EQ(data.results[2].massPercent, 3);
}

TEST_F(OxygenateCalculatorTest, TakesOnlyTheFirstOfTwoEqualPeaksOfAChromatogram) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}, {L"мтбэ", 50.0}}, {{L"Мтбэ", 5.2}, {L"МТБЭ", 0.1}});
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    ExpectRelativelyNear(data.results[0].massPercent, 5.1);
    ExpectRelativelyNear(data.results[0].delta, 0.2);
}

TEST_F(OxygenateCalculatorTest, GivesTheStandardNoOxygenWhateverItsCase) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"МТБЭ", 5.2}});
    data.standard = L"МЕТИЛ-ТРЕТ-БУТИЛОВЫЙ ЭФИР";
    Calculate();
    ASSERT_EQ(data.results.size(), 1u);
    EXPECT_EQ(data.results[0].oxygen, 0.0);
    ExpectRelativelyNear(data.results[0].mass, 0.562);
    ExpectRelativelyNear(data.results[0].volumePercent, 0.7025 / (11.0 * 1000 / 750) * 100);
    EXPECT_EQ(data.totalOxygen, 0.0);

    data.standard.clear();
    data.components.push_back(MakeComponent(L"мтбэ", L"", 80, 800));
    Calculate();
    ASSERT_EQ(data.results.size(), 2u);
    ExpectRelativelyNear(data.results[0].oxygen, 1.02);
    EXPECT_EQ(data.results[1].oxygen, 0.0);
}

TEST_F(OxygenateCalculatorTest, GuardsEveryDivisionByAZeroDensityOrMolarMass) {
    SetUpWorkedExample({{L"МТБЭ", 5.0}}, {{L"МТБЭ", 5.2}});
    data.sampleDensity = 0;
    Calculate();
    ExpectRelativelyNear(data.results[0].volume, 0.7025);
    EXPECT_EQ(data.results[0].volumePercent, 0.0);

    data.sampleDensity = 750;
    data.components[0].density = 0;
    data.components[0].molarMass = 0;
    Calculate();
    EXPECT_EQ(data.results[0].volume, 0.0);
    EXPECT_EQ(data.results[0].volumePercent, 0.0);
    EXPECT_EQ(data.results[0].oxygen, 0.0);
    EXPECT_EQ(data.totalOxygen, 0.0);
    ExpectRelativelyNear(data.results[0].mass, 0.562);

    // Neither does a negative or infinite constant: a typing slip must not subtract oxygen or volume.
    for (const double slip : {-80.0, std::numeric_limits<double>::infinity()}) {
        data.components[0].density = slip;
        data.components[0].molarMass = slip;
        Calculate();
        EXPECT_EQ(data.results[0].volume, 0.0);
        EXPECT_EQ(data.results[0].oxygen, 0.0);
        EXPECT_EQ(data.totalOxygen, 0.0);
    }
}

TEST_F(OxygenateCalculatorTest, KeepsTableOrderAndServesComponentsSharingAPeakName) {
    for (int i = 0; i < 20; ++i) {
        data.components.push_back(MakeComponent(L"Пик " + std::to_wstring(i), std::to_wstring(i), 50, 800));
    }
    data.components.push_back(MakeComponent(L"пик 3", L"again", 50, 800));
    std::vector<NamedPeak> peaks;
    for (int i = 19; i >= 0; i -= 2) peaks.push_back({L"ПИК " + std::to_wstring(i), static_cast<double>(i)});
    assays = {TickedAssay(10, peaks)};
    Calculate();
    std::vector<std::wstring> names;
    for (const ComponentResult& row : data.results) names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"1", L"3", L"5", L"7", L"9", L"11", L"13", L"15", L"17",
                                                L"19", L"again"}));
    EXPECT_EQ(data.results.back().massPercent, 3);
    ExpectRelativelyNear(data.totalOxygen, (100 + 3) * 16.0 / 50);
}

TEST_F(OxygenateCalculatorTest, CountsEveryOxygenAtomOfAMolecule) {
    // 9.5 % V/V of ethanol and 1 % by mass of dimethyl carbonate, (CH3O)2CO with three oxygen atoms.
    data.sampleDensity = 745;
    data.components = {MakeComponent(L"Этанол", L"Этанол", 46.07, 793.5),
                       MakeComponent(L"ДМК", L"Диметилкарбонат", 90.08, 1079.0)};
    data.components[1].oxygenAtoms = 3;
    assays = {TickedAssay(10, {{L"Этанол", 9.5 * 793.5 / 745}, {L"ДМК", 1.0}})};
    Calculate();
    ASSERT_EQ(data.results.size(), 2u);
    EXPECT_EQ(data.results[1].oxygenAtoms, 3);
    ExpectRelativelyNear(data.results[1].oxygen, 1.0 * 16 * 3 / 90.08);
    EXPECT_NEAR(data.totalOxygen, 4.0470, 5e-5);  // above E10's 3.7, where one atom would read 3.6918

    // A value that is no whole number from 1 on counts for nothing, as a missing molar mass does.
    data.components[1].oxygenAtoms = 0;
    Calculate();
    EXPECT_EQ(data.results[1].oxygen, 0.0);
}
