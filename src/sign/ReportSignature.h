#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/Message.h"
#include "sign/CmsSignature.h"
#include "sign/SignatureStatement.h"

// The two files of one signature beside an issued report: the statement signed and its detached CMS
// signature, the same name with ".p7s" added (DER).
struct SignatureFiles {
    std::wstring statement;  // "ОХ-2026-00017.prepared.statement.json"
    std::wstring signature;  // "ОХ-2026-00017.prepared.statement.json.p7s"
};

SignatureFiles SignatureFileNames(const std::wstring& reportNumber, SignatureMeaning meaning);

// What one signature of a report was found to be.
struct SignatureFinding {
    SignatureFiles files;
    std::optional<SignatureStatement> statement;  // as read; nothing when it does not read
    std::vector<Message> problems;                // each thing that does not hold; none: the signature holds

    bool Holds() const { return statement.has_value() && problems.empty(); }
};

// Checks one signature of the report `reportNumber`, whose files lie in `folder` and are registered with
// the checksums `registered`: the CMS signature over the statement's bytes, the certificate's validity at
// the time the statement gives and its chain to `trust`, the signer the statement names against the
// certificate that signed, and each checksum against the file as it is now and as it was registered (a file
// changed, added or taken away since the signature does not hold).
SignatureFinding CheckReportSignature(const std::wstring& folder, const SignatureFiles& files,
                                      const std::wstring& reportNumber,
                                      const std::vector<SignedFile>& registered, const TrustAnchors& trust);

// The line that says a signature: meaning, signer, when (local time) and the certificate.
Message SignatureLine(const SignatureStatement& statement);
