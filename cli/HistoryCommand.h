#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "ReportCommand.h"

// Runs `oxycalc-cli history FILE`: prints the change log of a reference table (the components table, a
// limits file, the QC file) and checks it: every entry continues the one before, the file is as the last
// entry says, each entry's version of the table is kept beside the log under its checksum, and what each
// entry says changed is what changed between the versions. Then it names the saves no reason is given for,
// and says that the last entry is anchored by nothing in the log. Exit 0 when the log holds, 1 otherwise
// (naming the first broken entry), 2 when there is no log. It speaks the language; the log is shown in it
// too.
ExitCode RunHistory(const std::wstring& tablePath, Language language);

// Runs `oxycalc-cli history FILE --reason TEXT [--entry N]`: gives the reason for an earlier entry of the
// log (a save in the program or a change found made outside it; by default the newest save) in a new
// entry that names it, stamped as every entry, after a change made outside since is logged. Exit 0 when
// written, 1 when the log does not hold or cannot be written (nothing is added to a broken log), 2 when
// there is no log or no such entry.
ExitCode GiveReason(const std::wstring& tablePath, const std::wstring& reason, std::optional<size_t> entry,
                    Language language);
