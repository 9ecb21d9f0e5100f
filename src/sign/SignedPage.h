#pragma once

#include <vector>

#include "messages/Language.h"
#include "sign/SignatureStatement.h"

class XMLWrapper;

// Adds to a report's document the signatures it has, in the order they were made: meaning (its key and
// its word), signer, when (local time and UTC), the certificate's issuer and serial. The page shows them in
// place of the lines to sign on.
void AddSignatures(XMLWrapper& document, const std::vector<SignatureStatement>& signatures,
                   Language language);
