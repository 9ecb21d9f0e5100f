#include "ui/WarningTexts.h"

#include <gtest/gtest.h>

#include "UiFixture.h"

namespace {

using Kind = CalculationWarning::Kind;

// Every kind of warning there is; a new kind joins here with its strings.
const CalculationWarning kEveryKind[] = {
    {Kind::StandardNotFound, L"1,2-диметоксиэтн"},
    {Kind::NoMolarMass, L"Метанол"},
    {Kind::NoDensity, L"Этанол"},
    {Kind::ComponentsLastRead, L"C:\\t.csv"},
    {Kind::ComponentsNotRead, L"C:\\t.csv"},
    {Kind::SeveralSamples, L"А; Б"},
    {Kind::NoStandard, L""},
    {Kind::ImplausibleDensity, L"0.7457"},
    {Kind::NoPeakName, L"№7, №9"},
    {Kind::NoComponents, L"C:\\t.csv"},
    {Kind::NoSampleDensity, L""},
    {Kind::ComponentsWithoutHeader, L"C:\\t.csv"},
    {Kind::NoNamedPeaks, L"", L"Проба 2417-2.stg"},
    {Kind::NoStandardPeak, L"1,2-Диметоксиэтан", L"Проба 2417-3.stg, Проба 2417-1.stg", L"ДМЭ"},
    {Kind::PartlyFound, L"Этанол", L"Проба 2417-1.stg", L"Этанол"},
    {Kind::BadConcentration, L"Этанол", L"Проба 2417-1.stg", L"Этанол"},
    {Kind::NoOxygenAtoms, L"Диметилкарбонат"},
    {Kind::NoAnalysisDate, L"", L"Проба 2417-1.stg"},
    {Kind::TableChangedOutside, L"C:\\t.csv"},
    {Kind::TableLogUnwritable, L"C:\\t.csv"},
    {Kind::TableLogBroken, L"C:\\t.csv", L"", L"", L"запись 3 изменена"},
    {Kind::PeakNameInSeveralRows, L"Этанол", L"", L"Этанол", L"№6, №12"},
    {Kind::StandardInSeveralRows, L"1,2-Диметоксиэтан", L"", L"", L"№6, №10"},
    {Kind::PeakTwiceInChromatogram, L"Этанол", L"Проба 2417-2.stg", L"", L"3.512, 3.608"},
    {Kind::NewDefaultTable, L"C:\\t.default.csv", L"", L"", L"«Этанол» — плотность 789.30 (в новой 793.50)"},
};

}  // namespace

// The Russian string table says exactly what the core says, so that a Russian lab reads what it always
// read; the English one says it in English.
TEST(WarningTexts, EachKindHasARussianStringThatIsTheCoresTextAndAnEnglishOne) {
    for (const CalculationWarning& warning : kEveryKind) {
        EXPECT_NE(WarningStringId(warning.kind), 0u) << warning.Key();
        EXPECT_EQ(WarningText(warning), warning.Text()) << warning.Key();
    }
    const EnglishResources english;
    for (const CalculationWarning& warning : kEveryKind) {
        const std::wstring text = WarningText(warning);
        EXPECT_NE(text, warning.Text()) << warning.Key();
        EXPECT_NE(text.find(warning.subject), std::wstring::npos) << warning.Key();
        EXPECT_NE(text.find(warning.chromatograms), std::wstring::npos) << warning.Key();
        EXPECT_NE(text.find(warning.detail), std::wstring::npos) << warning.Key();
    }
}
