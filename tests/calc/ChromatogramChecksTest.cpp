#include "calc/ChromatogramChecks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calc/CalculationData.h"

namespace {

using Kind = CalculationWarning::Kind;

Peak MakePeak(std::wstring name, double concentration, bool given = true) {
    Peak peak;
    peak.name = std::move(name);
    peak.concentration = concentration;
    peak.concentrationGiven = given;
    return peak;
}

Assay Parallel(std::wstring file, std::vector<Peak> peaks) {
    Assay assay;
    assay.fileName = L"C:\\Хроматограммы\\" + file;
    assay.isTicked = 1;
    assay.peaks = std::move(peaks);
    return assay;
}

CalculationData Data() {
    CalculationData data;
    data.standard = L"1,2-Диметоксиэтан";
    data.components = {{1, L"Этанол", L"Этанол", 46.07, 793.5},
                       {2, L"Метанол", L"Метанол", 32.04, 795.97},
                       {3, L"ДМЭ", L"1,2-Диметоксиэтан", 90.12, 872.06}};
    return data;
}

// Three parallels of a petrol with ethanol, methanol below the method's range and the standard.
std::vector<Assay> Parallels() {
    return {
        Parallel(L"1.stg", {MakePeak(L"Этанол", 8.0), MakePeak(L"Метанол", 0.1), MakePeak(L"ДМЭ", 4.9)}),
        Parallel(L"2.stg", {MakePeak(L"этанол", 8.1), MakePeak(L"Метанол", 0.12), MakePeak(L"ДМЭ", 4.8)}),
        Parallel(L"3.stg", {MakePeak(L"Этанол", 7.9), MakePeak(L"Метанол", 0.11), MakePeak(L"ДМЭ", 4.9)})};
}

}  // namespace

TEST(ChromatogramChecks, FindNothingInProcessedParallelsWithTheirStandard) {
    EXPECT_TRUE(CheckChromatograms(Data(), Parallels()).empty());
    // A chromatogram that is not ticked is not looked at.
    std::vector<Assay> assays = Parallels();
    assays.push_back(Parallel(L"4.stg", {}));
    assays.back().isTicked = 0;
    EXPECT_TRUE(CheckChromatograms(Data(), assays).empty());
}

TEST(ChromatogramChecks, NameAnUnprocessedChromatogramOnceAndOneWithoutTheStandardsPeak) {
    std::vector<Assay> assays = Parallels();
    assays[1].peaks.clear();  // not yet integrated or identified
    assays[2].peaks.pop_back();
    const std::vector<CalculationWarning> warnings = CheckChromatograms(Data(), assays);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], CalculationWarning(Kind::NoNamedPeaks, L"", L"2.stg"));
    EXPECT_EQ(warnings[1], CalculationWarning(Kind::NoStandardPeak, L"1,2-Диметоксиэтан", L"3.stg", L"ДМЭ"));
    EXPECT_NE(warnings[1].Text(Language::Russian).find(L"«1,2-Диметоксиэтан»: 3.stg"), std::wstring::npos)
        << warnings[1].Text(Language::Russian);
    // Without a standard there is no peak to miss; a chromatogram without a file is named by its id.
    CalculationData data = Data();
    data.standard.clear();
    assays[2] = Parallels()[2];
    assays[1].fileName.clear();
    assays[1].id = 102;
    EXPECT_EQ(CheckChromatograms(data, assays),
              std::vector<CalculationWarning>{CalculationWarning(Kind::NoNamedPeaks, L"", L"id 102")});
}

TEST(ChromatogramChecks, NameAComponentMissingFromSomeParallelsOnlyFromTheMethodsLowestLevelOn) {
    std::vector<Assay> assays = Parallels();
    assays[0].peaks.erase(assays[0].peaks.begin());      // ethanol at 8 % in the two others
    assays[2].peaks.erase(assays[2].peaks.begin() + 1);  // methanol at 0.1 %: ordinary
    EXPECT_EQ(CheckChromatograms(Data(), assays), std::vector<CalculationWarning>{CalculationWarning(
                                                      Kind::PartlyFound, L"Этанол", L"1.stg", L"Этанол")});
    // 0.17 % itself counts.
    assays[1].peaks[1].concentration = 0.17;
    EXPECT_EQ(CheckChromatograms(Data(), assays).size(), 2u);
}

TEST(ChromatogramChecks, NameEveryCountedPeakWithoutAUsableConcentration) {
    std::vector<Assay> assays = Parallels();
    assays[0].peaks[0].concentration = -50.0;
    assays[1].peaks[0] = MakePeak(L"Этанол", 0.0, false);  // NULL in the host's table
    assays[2].peaks[1].concentration = std::numeric_limits<double>::infinity();
    // A second peak of the name is not counted, whatever it holds; that there is one is said.
    assays[2].peaks.push_back(MakePeak(L"Этанол", std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(
        CheckChromatograms(Data(), assays),
        (std::vector<CalculationWarning>{
            CalculationWarning(Kind::BadConcentration, L"Этанол", L"1.stg, 2.stg", L"Этанол"),
            CalculationWarning(Kind::BadConcentration, L"Метанол", L"3.stg", L"Метанол"),
            CalculationWarning(Kind::PeakTwiceInChromatogram, L"Этанол", L"3.stg", L"", L"0.000, 0.000")}));
}

TEST(ChromatogramChecks, NameAnAnalysisTimeThatIsNoDate) {
    std::vector<Assay> assays = Parallels();
    assays[0].date = INT64_MIN;
    EXPECT_EQ(CheckChromatograms(Data(), assays),
              std::vector<CalculationWarning>{CalculationWarning(Kind::NoAnalysisDate, L"", L"1.stg")});
}

// The first of a name counts, as the calculation takes it; the others are named with their times, once for
// a name two components share and not at all for a name no component bears.
TEST(ChromatogramChecks, NameAPeakNameGivenToSeveralPeaksOfOneChromatogramWithTheirTimes) {
    std::vector<Assay> assays = Parallels();
    assays[1].peaks[0].time = 3.5124;
    assays[1].peaks.push_back(MakePeak(L"ЭТАНОЛ", 2.0));
    assays[1].peaks.back().time = 3.6081;
    assays[1].peaks.push_back(MakePeak(L"Этанол", 2.0));
    assays[1].peaks.back().time = 3.7;
    assays[1].peaks.push_back(MakePeak(L"Гептан", 1.0));
    assays[1].peaks.push_back(MakePeak(L"Гептан", 1.0));
    CalculationData data = Data();
    data.components.push_back({4, L"этанол", L"Этанол (второй раз)", 46.07, 793.5});
    const std::vector<CalculationWarning> warnings = CheckChromatograms(data, assays);
    ASSERT_EQ(warnings,
              (std::vector<CalculationWarning>{
                  CalculationWarning(Kind::PeakTwiceInChromatogram, L"этанол", L"2.stg", L"",
                                     L"3.512, 3.608, 3.700"),
                  CalculationWarning(Kind::PeaksWithoutComponent, L"«Гептан»", L"2.stg", L"", int64_t{1})}));
    EXPECT_EQ(
        warnings[0].Text(Language::Russian),
        L"В хроматограмме 2.stg пик «этанол» встречается несколько раз (время удерживания 3.512, 3.608, "
        L"3.700 мин): учтён первый.");
}

// A peak renamed in the host's method drops out of every sum: each named peak no component takes is named.
// One whose name is a component's but for blanks or control characters is that component's, mistyped.
TEST(ChromatogramChecks, NameEveryNamedPeakNoComponentTakesAndAComponentsPeakMistypedByAnInvisibleCharacter) {
    std::vector<Assay> assays = Parallels();
    for (Assay& assay : assays) assay.peaks[0].name = L"Этанол-2";
    assays[1].peaks.push_back(MakePeak(L"", 0.0));  // an unnamed peak is no peak without a component
    assays[2].peaks[1].name = L"Метанол\x01";
    assays[2].peaks.push_back(MakePeak(L"ЭТАНОЛ-2", 1.0));  // the same name, told once
    const std::vector<CalculationWarning> warnings = CheckChromatograms(Data(), assays);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], CalculationWarning(Kind::PeaksWithoutComponent, L"«Этанол-2», «Метанол[U+0001]»",
                                              L"1.stg, 2.stg, 3.stg", L"", int64_t{2}));
    EXPECT_EQ(warnings[1], CalculationWarning(Kind::PeakNameMistyped, L"Метанол", L"3.stg", L"Метанол",
                                              L"«Метанол[U+0001]» ≠ «Метанол»"));
    EXPECT_NE(warnings[0].Text(Language::Russian).find(L"Пики без компонента (2): «Этанол-2»"),
              std::wstring::npos)
        << warnings[0].Text(Language::Russian);

    // A blank typed after the name in the table, or a no-break space in the host's name.
    CalculationData data = Data();
    data.components[0].peakName = L"Этанол ";
    assays = Parallels();
    assays[0].peaks[1].name = L"Мета\u00A0нол";
    EXPECT_EQ(CheckChromatograms(data, assays),
              (std::vector<CalculationWarning>{
                  CalculationWarning(Kind::PeaksWithoutComponent, L"«Этанол», «Мета[U+00A0]нол»",
                                     L"1.stg, 2.stg, 3.stg", L"", int64_t{2}),
                  CalculationWarning(Kind::PeakNameMistyped, L"Этанол", L"1.stg, 2.stg, 3.stg", L"Этанол ",
                                     L"«Этанол» ≠ «Этанол »"),
                  CalculationWarning(Kind::PeakNameMistyped, L"Метанол", L"1.stg", L"Метанол",
                                     L"«Мета[U+00A0]нол» ≠ «Метанол»")}));
}
