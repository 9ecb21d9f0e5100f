#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ReportCommand.h"
#include "messages/Message.h"
#include "sign/CmsSignature.h"

struct RecordedReport;

// What the lab's register says of a report being verified, said before anything else.
struct RegisterStanding {
    std::vector<Message> lines;  // what became of it first
    bool inForce = true;         // false: amended, withdrawn, not the file issued, or not to be checked
};

// Holds a report against the register: a draft is said to be one; a report with a number must be in the
// register (`registerFile`, the one it names, the one whose reports folder it lies in, or the one beside its
// components file) under that number, this very file among the files issued (or, for the export of its
// standing to a LIMS, the same report as issued), in a chain that still holds the entry before its issue;
// and what became of it since is said first.
// Each signature the register holds of it is checked against `trust` and said, one that does not hold
// taking it out of force.
RegisterStanding CheckAgainstRegister(const RecordedReport& report, const std::wstring& reportPath,
                                      const std::optional<std::wstring>& registerFile,
                                      const TrustAnchors& trust);

// Prints the lines on standard output, under their title.
void PrintStanding(const RegisterStanding& standing, Language language);

// Whether the file is a notice of withdrawal (JSON or its document).
bool IsNoticeFile(const std::wstring& path);

// `verify` of a notice: its number in the register as the withdrawal of the report it names, this very file
// among its files. Exit 0 when it is, 1 otherwise, 2 when the notice does not read.
ExitCode VerifyNotice(const std::wstring& path, const std::optional<std::wstring>& registerFile,
                      Language language);
