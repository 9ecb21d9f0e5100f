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

// What the file can hold and the calculation can take saves as it stands: an empty value (not set), zero
// or a negative number, the new row's names, a peak name that reads as a number. The calculation's warnings
// say what such a row leaves undetermined.
TEST(ComponentEntry, RowsThatAreIncompleteOrOddStillSave) {
    Component empty = Good(2);
    empty.peakName = L"  ";
    empty.name.clear();
    empty.molarMass = NotSet;
    Component negative = Good(3);
    negative.peakName = L"805,74";
    negative.molarMass = -32.04;
    negative.density = 0.0;
    const Component added{12, kNewComponentPeakName, kNewComponentName, 0.0, 0.0};
    const Component addedToo{13, kNewComponentPeakName, kNewComponentName, 0.0, 0.0};
    EXPECT_TRUE(CheckComponents({Good(), empty, negative, added, addedToo}).empty());
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

// "74.12.5" would be saved as another number without a word; the dialog keeps such a cell as NaN.
TEST(ComponentEntry, ANumberThatDoesNotReadWholeIsAProblem) {
    Component component = Good();
    component.molarMass = std::numeric_limits<double>::quiet_NaN();
    component.oxygenAtoms = 0;
    EXPECT_EQ(CheckComponents({component}),
              (std::vector<ComponentProblem>{{0, Field::MolarMass, Kind::NotANumber},
                                             {0, Field::OxygenAtoms, Kind::NotANumber}}));
}

// Both rows would take one peak, which then counts twice: the repeat is named with the row it repeats. A
// name shown on two rows, blank peak names and the new row's placeholder (in the host's language too) name
// no peak twice.
TEST(ComponentEntry, NoTwoRowsBearOnePeakName) {
    Component peakAgain = Good(2);
    peakAgain.peakName = L" meoh";
    Component nameAgain = Good(3);
    nameAgain.name = L"МЕТАНОЛ";
    Component blank = Good(5);
    blank.peakName.clear();
    Component alsoBlank = Good(6);
    alsoBlank.peakName.clear();
    Component english = Good(7);
    english.peakName = L"Set the component's name!";
    const Component alsoEnglish = english;
    EXPECT_EQ(CheckComponents({Good(), peakAgain, nameAgain, Good(4), blank, alsoBlank, english, alsoEnglish},
                              {L"Set the component's name!"}),
              (std::vector<ComponentProblem>{{1, Field::PeakName, Kind::Repeated, 0}}));
}
