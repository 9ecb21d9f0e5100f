#pragma once

#include <cstdint>
#include <vector>

#include "data/Assay.h"
#include "messages/Shortfalls.h"

class UserMessages;

// Loads the ids in order from the database the connection names; an id already loaded is not loaded
// again, an id without a row or whose chromatogram does not load is a shortfall and is skipped. Database
// failures are thrown.
std::vector<Assay> LoadAssays(const std::vector<int32_t>& ids, UserMessages& messages,
                              Shortfalls& shortfalls);
