#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Limits.h"
#include "messages/Shortfalls.h"
#include "messages/UserMessages.h"
#include "records/ComponentsSnapshot.h"

// A file the tool is given must exist and be readable; the system's reason otherwise.
bool CanRead(const std::wstring& path, MessageCode what, UserMessages& messages);

// The components file is held exclusively for reading and writing, as the plug-in holds it; a file
// that does not open so would be read as an empty table.
bool CanUseComponents(const std::wstring& path, UserMessages& messages);

// Reads the limits file a run was given; false, after telling why, when there is none at the path.
bool ReadLimits(const std::wstring& path, std::optional<LimitsFile>& limits, UserMessages& messages);

// Says, once, that the change log of a reference table the run read could not be written: the
// calculation goes on.
void TellUnwritableLogs(const ComponentsSnapshot& components, const std::optional<LimitsFile>& limits,
                        UserMessages& messages);

// No output may be written over an input, over another output, or into a table's change log or versions
// folder: the lab's data or its records would be lost. False, after telling which, when one would.
bool OutputsApart(const std::vector<std::wstring>& outputs, const std::vector<std::wstring>& inputs,
                  UserMessages& messages);
