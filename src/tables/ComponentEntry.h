#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/Component.h"

// What the components dialog takes from a cell the user typed, and what it refuses to save: a number that
// does not read whole would be saved as another number without a word, a peak named on two rows would be
// counted twice, and a name the file cannot hold would not read back.

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
        NotANumber,       // a number cell whose text is none (the dialog keeps it as NaN)
        Unstorable,       // a name with ";", CR or LF: the file has no quoting
        Unrepresentable,  // a name with characters Windows-1251 lacks
        Repeated,         // a peak name an earlier row bears too, case and blanks aside
    };
    size_t position;  // of the component in the table, from 0
    Field field;
    Kind kind;
    size_t earlier = 0;  // for Repeated: the position of the earlier row
};

bool operator==(const ComponentProblem& a, const ComponentProblem& b);

// Every problem of the components, row by row and in field order: a molar mass or density typed as no
// number, oxygen atoms that are no whole number from 1 to kMostOxygenAtoms, a name the file cannot hold, a
// peak name an earlier row bears (the new row's placeholder, also as `placeholders` give it in the host's
// language, aside: it names no peak). Anything else saves as it stands: an empty value (not set), zero or
// a negative number, the new row's names; the calculation's warnings say what such a row leaves
// undetermined.
std::vector<ComponentProblem> CheckComponents(const std::vector<Component>& components,
                                              const std::vector<std::wstring>& placeholders = {});
