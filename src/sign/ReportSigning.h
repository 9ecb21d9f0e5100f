#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/Language.h"
#include "register/RegisterEntry.h"
#include "register/RegisterPlace.h"
#include "sign/CmsSignature.h"
#include "sign/ReportSignature.h"

class UserMessages;

// A signature asked for: which issued report, what it means, and how the page that shows it is made.
struct SignRequest {
    std::wstring number;
    SignatureMeaning meaning = SignatureMeaning::Prepared;
    std::wstring program;     // the part of the program that signs: "oxycalc-cli sign"
    std::wstring stylesheet;  // the page's, of the report's language
};

// What a signature made: its entry in the register, its statement, and the page of the report with every
// signature it has now (a new file in the reports folder; the issued files stay as they were).
struct MadeSignature {
    RegisterEntry entry;
    SignatureStatement statement;
    std::wstring page;
    std::vector<SignatureStatement> all;  // every signature of the report now, this one last
};

// The meanings a lab signs with, in their order, from its register's first entry; all three when it names
// none.
std::vector<SignatureMeaning> AskedMeanings(const RegisterEntry& started);

// A report's turn to be signed: its number, the meanings the lab signs with and the first of them the
// report does not have yet (none when it has them all).
struct SigningTurn {
    std::wstring number;
    std::vector<SignatureMeaning> asked;
    std::optional<SignatureMeaning> next;
};

// The turn of the report a file of the reports folder belongs to (its name is the number and a dot and
// more: "ОХ-2026-00017.html", "ОХ-2026-00017.prepared.html"); nothing when it belongs to no number the
// register gave.
std::optional<SigningTurn> SigningTurnOf(const RegisterPlace& place, const std::wstring& fileName);

// Signs an issued report under the register's lock: the number in force, its files as issued, the lab's
// rules (meanings in order, each once, another person than the preparer), the certificate valid now; the
// statement over the report's files is signed, and statement, signature and the page with its signatures
// are staged, entered into the register and put in place. Nothing, after telling why, when it is refused or
// cannot be made: then nothing was signed or changed.
std::optional<MadeSignature> SignIssuedReport(const RegisterPlace& place, const SignRequest& request,
                                              const SigningKey& key, UserMessages& messages);

// The statements of a report's signatures as the reports folder holds them, in the order they were made;
// one that does not read is left out (verify names it).
std::vector<SignatureStatement> StatementsOf(const RegisterPlace& place,
                                             const std::vector<RegisterEntry>& signatures);

// Every signature the register holds of an issued report, checked (CheckReportSignature), each file of the
// signature also held against its entry.
std::vector<SignatureFinding> CheckSignaturesOf(const RegisterPlace& place, const RegisterEntry& issued,
                                                const std::vector<RegisterEntry>& signatures,
                                                const TrustAnchors& trust);
