#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tables/ComponentEntry.h"
#include "tables/ComponentsTable.h"

// What the components dialog says when the table cannot be saved, in the host's language.

// The problems found before a save, a line each naming the row and the column ("строка 5, «Молярная
// масса»: «7,2.1x» — не число"); the first ones when there are very many. typedText gives the text
// the user typed into a cell that holds no number.
std::wstring ComponentProblemsText(const std::vector<ComponentProblem>& problems,
                                   const std::function<std::wstring(const ComponentProblem&)>& typedText);

// Why the file did not take the table; empty for a save that succeeded or had no file to go to.
std::wstring SaveResultText(const SaveResult& result);
