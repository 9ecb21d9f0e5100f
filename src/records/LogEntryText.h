#pragma once

#include <string>

#include "messages/Language.h"
#include "records/TableLog.h"

// An entry of a change log as a person reads it in a language. The log keeps every entry in Russian, its
// own format, and so it is shown in Russian; in another language its labels and events are said in that
// language, and so is each line the program writes into logs (a field changed, a row added, a reason given
// for an entry, limits established); what the program did not write (a reason, a user, a table's fields) and
// a line it does not know stand as the log holds them.
std::wstring LogEntryText(const TableLogEntry& entry, Language language);
