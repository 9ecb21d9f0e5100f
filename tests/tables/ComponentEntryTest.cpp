#include "tables/ComponentEntry.h"

#include <gtest/gtest.h>

#include <limits>

#include "tables/NotSet.h"

namespace {

using Field = ComponentProblem::Field;
using Kind = ComponentProblem::Kind;

// A complete row; `n` tells rows apart, as no two may bear one name.
Component Good(int n = 1) {
    const std::wstring suffix = n == 1 ? L"" : std::to_wstring(n);
    return {3 + n, L"MeOH" + suffix, L"Метанол" + suffix, 32.04, 791.8};
}

}  // namespace

TEST(ComponentEntry, ANumberCellTakesOnlyAWholeNumberWithAPointOrAComma) {
    EXPECT_EQ(ReadComponentNumber(L"32,04"), 32.04);
    EXPECT_EQ(ReadComponentNumber(L" 74.12 "), 74.12);
    EXPECT_EQ(ReadComponentNumber(L""), NotSet);
    EXPECT_EQ(ReadComponentNumber(L"---"), NotSet);
    for (const wchar_t* typo : {L"7,2.1x", L"74.12.5", L"abc", L"12abc", L"1,5,6", L"inf", L"nan"})
        EXPECT_FALSE(ReadComponentNumber(typo).has_value()) << typo;
}

TEST(ComponentEntry, ACompleteTableHasNoProblem) {
    EXPECT_TRUE(CheckComponents({Good(), Good(2)}).empty());
}

// The junk row a forgotten "Добавить компонент" used to leave in the file.
TEST(ComponentEntry, ANewRowLeftAsAddedHasNoNamesAndNoPositiveNumbers) {
    const std::vector<ComponentProblem> problems =
        CheckComponents({Good(), {12, kNewComponentPeakName, kNewComponentName, 0.0, 0.0}});
    EXPECT_EQ(problems, (std::vector<ComponentProblem>{{1, Field::PeakName, Kind::Missing},
                                                       {1, Field::Name, Kind::Missing},
                                                       {1, Field::MolarMass, Kind::NotPositive},
                                                       {1, Field::Density, Kind::NotPositive}}));
}

TEST(ComponentEntry, NamesAreMissingWhenBlankOrAPlaceholderOfTheHostsLanguage) {
    Component blank = Good();
    blank.peakName = L"  ";
    Component english = Good(2);
    english.peakName = L"set the component's NAME!";
    const std::vector<ComponentProblem> problems =
        CheckComponents({blank, english}, {L"Set the component's name!"});
    EXPECT_EQ(problems, (std::vector<ComponentProblem>{{0, Field::PeakName, Kind::Missing},
                                                       {1, Field::PeakName, Kind::Missing}}));
}

TEST(ComponentEntry, NamesTheFileCannotKeepAreProblems) {
    Component separator = Good();
    separator.name = L"Метанол;2";
    Component foreign = Good(2);
    foreign.peakName = L"Méthanol";
    EXPECT_EQ(CheckComponents({separator, foreign}),
              (std::vector<ComponentProblem>{{0, Field::Name, Kind::Unstorable},
                                             {1, Field::PeakName, Kind::Unrepresentable}}));
}

// A number in a peak-name cell is a value typed into the wrong cell; names with digits are names.
TEST(ComponentEntry, APeakNameThatReadsAsANumberIsAProblem) {
    std::vector<Component> components;
    for (const wchar_t* peakName :
         {L"805.74", L" 805,74 ", L"1,2-Диметоксиэтан", L"C4", L"2-Метилпропан-2-ол"}) {
        components.push_back(Good(static_cast<int32_t>(components.size()) + 1));
        components.back().peakName = peakName;
        components.back().name = std::wstring(L"n") + peakName;
    }
    components[1].name = L"805,74";  // a name shown may be anything
    EXPECT_EQ(CheckComponents(components),
              (std::vector<ComponentProblem>{{0, Field::PeakName, Kind::NumberAsName},
                                             {1, Field::PeakName, Kind::NumberAsName}}));
}

TEST(ComponentEntry, NumbersMustBeGivenNumbersAndPositive) {
    Component component = Good();
    component.molarMass = std::numeric_limits<double>::quiet_NaN();
    component.density = NotSet;
    Component negative = Good(2);
    negative.molarMass = -32.04;
    EXPECT_EQ(CheckComponents({component, negative}),
              (std::vector<ComponentProblem>{{0, Field::MolarMass, Kind::NotANumber},
                                             {0, Field::Density, Kind::Missing},
                                             {1, Field::MolarMass, Kind::NotPositive}}));
}

// Both rows would take one peak, which then counts twice; a name on two rows makes the standard chosen by
// it ambiguous. Each repeat is named with the row it repeats.
TEST(ComponentEntry, NoTwoRowsBearOnePeakNameOrOneName) {
    Component peakAgain = Good(2);
    peakAgain.peakName = L" meoh";
    Component nameAgain = Good(3);
    nameAgain.name = L"МЕТАНОЛ";
    EXPECT_EQ(CheckComponents({Good(), peakAgain, nameAgain, Good(4)}),
              (std::vector<ComponentProblem>{{1, Field::PeakName, Kind::Repeated, 0},
                                             {2, Field::Name, Kind::Repeated, 0}}));
    // Two rows left without names are missing names, not repeats.
    Component blank = Good(5);
    blank.peakName.clear();
    Component alsoBlank = Good(6);
    alsoBlank.peakName.clear();
    EXPECT_EQ(CheckComponents({blank, alsoBlank}),
              (std::vector<ComponentProblem>{{0, Field::PeakName, Kind::Missing},
                                             {1, Field::PeakName, Kind::Missing}}));
}
