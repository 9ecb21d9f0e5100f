#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sign/SignatureStatement.h"

class UserMessages;

// The issued report's JSON with its signatures (`signatures`: meaning, signer, when, certificate, and the
// files of statement and signature), for a LIMS; nothing when the JSON is not an issued report's.
std::optional<std::string> ReportJsonWithSignatures(const std::string& issued,
                                                    const std::vector<SignatureStatement>& signatures);

// Writes it into the LIMS's folder as "ОХ-2026-00017.signed.json", replacing the one an earlier signature
// wrote; false, after telling why, when it is not written (the signature stands).
bool ExportSignaturesForLims(const std::wstring& issuedJson, const std::wstring& number,
                             const std::vector<SignatureStatement>& signatures, const std::wstring& folder,
                             UserMessages& messages);
