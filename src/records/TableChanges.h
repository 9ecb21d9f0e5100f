#pragma once

#include <string>
#include <vector>

// What changed between two versions of a reference table's file, as a change log says it: rows added
// and removed, and each field changed ("строка «6»: Плотность «789.30» → «793.50»"). Rows are known by
// their first field (a component's id, a limit's name), fields by the captions of the first line.
std::vector<std::wstring> DescribeTableChanges(const std::string& before, const std::string& after);
