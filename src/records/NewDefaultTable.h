#pragma once

#include <string>
#include <vector>

#include "messages/Message.h"
#include "records/ReferenceTable.h"
#include "tables/Component.h"

// The default table beside a components table: NAME.default.csv for NAME.csv, where the setup program puts
// a new version's table when the lab keeps its own.
std::wstring DefaultTablePath(const std::wstring& tablePath);

// Each component of `table` that `defaults` has too (by peak name, case aside) whose molar mass, density or
// oxygen atoms differ, with both values: "«Этанол» — плотность 789.30 (в новой 793.50)".
std::vector<Message> DescribeDefaultDifferences(const std::vector<Component>& table,
                                                const std::vector<Component>& defaults);

// A new default table beside the components table whose values differ from the table's, and which the lab
// has not answered yet by saving its table in the program.
struct NewDefaultTable {
    std::wstring path;       // the default file; empty: there is nothing to say
    Message differences;     // DescribeDefaultDifferences, "; "-separated
    bool loggedNow = false;  // this read logged it in the table's change log: the moment to tell the user
    // The default's, the table's and the log's last entry's SHA-256 this was found for: while they stay,
    // the next read takes it as it is rather than read the whole log again.
    std::string foundFor;
};

// Looks for a default table beside a components table just read (its path, components and version) and
// compares them. Differences are logged once per default (LogNewDefaultTable), and said until a save in
// the program answers them or the default file is removed. `last` is what the previous read found.
NewDefaultTable FindNewDefaultTable(const std::wstring& tablePath, const std::vector<Component>& components,
                                    TableVersion& version, const NewDefaultTable& last = {});
