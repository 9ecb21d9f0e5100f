#pragma once

#include <string>
#include <vector>

#include "messages/Language.h"
#include "sign/SignatureStatement.h"

class XMLWrapper;

// Adds to a report's document the signatures it has, in the order they were made: meaning (its key and
// its word), signer, when (local time and UTC), the certificate's issuer and serial. The page shows them in
// place of the lines to sign on.
void AddSignatures(XMLWrapper& document, const std::vector<SignatureStatement>& signatures,
                   Language language);

// The page of an issued report with its signatures: the report's document as issued (`documentText`), its
// signatures added, turned by the stylesheet into `pagePath`. False, with `error` saying why, when the
// document does not read or the transformation fails.
bool MakeSignedPage(const std::string& documentText, const std::vector<SignatureStatement>& signatures,
                    Language language, const std::wstring& stylesheet, const std::wstring& pagePath,
                    std::wstring& error);
