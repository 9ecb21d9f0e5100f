#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/Assay.h"
#include "data/DbHandle.h"
#include "data/LoadProblem.h"
#include "messages/UserMessages.h"

// Loads chromatogram `id` into the list: its [assay] row, its file's outline (no samples) and sample mass,
// its named peaks. Returns its index in the list (the one it already had, or the new last one), or
// -1 when there is no such row or a database error occurred (nothing is added then). A file that
// does not read (also for want of memory) or gives no usable sample mass is reported through
// `messages`; the chromatogram is added all the same, without a sample mass, so it cannot be ticked.
// The list is only ever appended to: what it held before stays as it was. When `databaseError` is
// given, it receives SQLite's reason for a database error that kept the chromatogram out (a missing
// table or column, say), so that a caller with no window can tell it.
int32_t LoadAssay(std::vector<Assay>& assays, UserMessages& messages, DataBase::DbHandle& db, int32_t id,
                  std::string* databaseError = nullptr);
// The same, telling its problems to `problems` instead of showing each at once.
int32_t LoadAssay(std::vector<Assay>& assays, LoadProblems& problems, DataBase::DbHandle& db, int32_t id,
                  std::string* databaseError = nullptr);

// Hands the file name of chromatogram `id` to `openFile` (not called when there is no such row);
// throws DataBase::SqlException.
void QueryAssayFileName(DataBase::DbHandle& db, int32_t id,
                        const std::function<void(const std::wstring&)>& openFile);
