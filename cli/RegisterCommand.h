#pragma once

#include <string>

#include "RegisterOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli register`, `issue` or `amend`:
// - register --start "ОХ-{YYYY}-{NNNNN}" [--first N]: begins the lab's register of issued reports beside the
//   components file (or at --register FILE, with a link to it beside the components file); from then on
//   every report is a draft until issued. register --use FILE: this data folder uses a register kept
//   elsewhere (a shared folder).
// - issue DRAFT: the draft (its JSON or document), held against its inputs as verify holds it, is issued
//   under the next number; the number is the last line printed.
// - amend NUMBER DRAFT --reason "…": the draft, a new calculation of the same sample, is issued under the
//   next number in place of NUMBER, which the register marks amended; amend NUMBER --withdraw --reason "…"
//   issues a notice withdrawing it.
// Exit 0 when done, 1 when refused or not done (nothing is issued), 2 for a draft that does not read or a
// pattern that is no pattern.
ExitCode RunRegisterCommand(const RegisterOptions& options, UserMessages& messages);

// Runs `oxycalc-cli history REGISTER`: completes what an issue cut short left, checks the chain and lists
// every entry, each issued report's files looked for in the reports folder. Exit 0 when it holds, 1 when it
// does not (the first entry that does not named) or a file is gone, 2 when there is no register.
ExitCode RunRegisterHistory(const std::wstring& path, Language language);
