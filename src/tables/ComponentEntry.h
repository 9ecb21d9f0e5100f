#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/Component.h"

// What the components dialog takes from a cell the user typed, and what it checks before a save: a
// typo in a constant would change every later result without a word.

// A number typed into a molar-mass or density cell. Nothing typed, or "---", is NotSet. Otherwise the
// whole text must be one finite number, its decimal separator a point or a comma ("32,04"), blanks
// around it allowed; anything else ("7,2.1x", "74.12.5", "abc") gives nothing.
std::optional<double> ReadComponentNumber(std::wstring_view text);

// The oxygen atoms typed into their cell: nothing typed is 1; otherwise a whole number from 1 to
// kMostOxygenAtoms ("2", " 3 "); anything else gives nothing.
std::optional<int32_t> ReadOxygenAtoms(std::wstring_view text);

// The names an added row carries until the user gives its own (ComponentsTable::AddComponent).
extern const wchar_t kNewComponentPeakName[];
extern const wchar_t kNewComponentName[];

// One reason why the components cannot be saved as they stand.
struct ComponentProblem {
    enum class Field { PeakName, Name, MolarMass, Density, OxygenAtoms };
    enum class Kind {
        Missing,          // a name empty, blank or still the new row's; a number not given
        NotANumber,       // a number cell whose text is none (the dialog keeps it as NaN)
        NotPositive,      // a number that is zero or negative
        Unstorable,       // a name with ";", CR or LF: the file has no quoting
        Unrepresentable,  // a name with characters Windows-1251 lacks
        Repeated,         // a peak name or a name an earlier row bears too, case aside
        NumberAsName,     // a peak name that reads as a number: the host's method names no peak so, it
                          // is a value typed into the wrong cell
    };
    size_t position;  // of the component in the table, from 0
    Field field;
    Kind kind;
    size_t earlier = 0;  // for Repeated: the position of the earlier row
};

bool operator==(const ComponentProblem& a, const ComponentProblem& b);

// Every problem of the components, row by row and in field order. A name counts as missing also when
// it equals, without regard to case, one of the new row's names or of `placeholders` (the new row's
// names in the host's language). Molar masses and densities must be positive finite numbers, the oxygen
// atoms a whole number from 1 to kMostOxygenAtoms. A peak name may not read as a number. No two rows may bear
// one peak name (the peak would be counted on each) or one name (the standard is chosen by its name, and its
// rows give no oxygen).
std::vector<ComponentProblem> CheckComponents(const std::vector<Component>& components,
                                              const std::vector<std::wstring>& placeholders = {});
