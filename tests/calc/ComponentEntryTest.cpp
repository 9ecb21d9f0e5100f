#include "calc/ComponentEntry.h"

#include <gtest/gtest.h>

#include <limits>

#include "calc/NotSet.h"

namespace {

using Field = ComponentProblem::Field;
using Kind = ComponentProblem::Kind;

Component Good() {
    return {4, L"MeOH", L"Метанол", 32.04, 791.8};
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
    EXPECT_TRUE(CheckComponents({Good(), Good()}).empty());
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
    Component english = Good();
    english.peakName = L"set the component's NAME!";
    const std::vector<ComponentProblem> problems =
        CheckComponents({blank, english}, {L"Set the component's name!"});
    EXPECT_EQ(problems, (std::vector<ComponentProblem>{{0, Field::PeakName, Kind::Missing},
                                                       {1, Field::PeakName, Kind::Missing}}));
}

TEST(ComponentEntry, NamesTheFileCannotKeepAreProblems) {
    Component separator = Good();
    separator.name = L"Метанол;2";
    Component foreign = Good();
    foreign.peakName = L"Méthanol";
    EXPECT_EQ(CheckComponents({separator, foreign}),
              (std::vector<ComponentProblem>{{0, Field::Name, Kind::Unstorable},
                                             {1, Field::PeakName, Kind::Unrepresentable}}));
}

TEST(ComponentEntry, NumbersMustBeGivenNumbersAndPositive) {
    Component component = Good();
    component.molarMass = std::numeric_limits<double>::quiet_NaN();
    component.density = NotSet;
    Component negative = Good();
    negative.molarMass = -32.04;
    EXPECT_EQ(CheckComponents({component, negative}),
              (std::vector<ComponentProblem>{{0, Field::MolarMass, Kind::NotANumber},
                                             {0, Field::Density, Kind::Missing},
                                             {1, Field::MolarMass, Kind::NotPositive}}));
}
