#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/Message.h"
#include "sign/SignatureMeaning.h"

// One file of the signed report, by its name beside the statement and its SHA-256.
struct SignedFile {
    std::wstring name;
    std::string sha256;  // 64 lowercase hex digits
};

// What a signer signs: which report, every file of it by its checksum, what the signature means, who
// signs (as the certificate names them) and when. The signature (CMS) is made over the statement's
// bytes, so that a file changed, added to or taken from the report no longer matches a statement that
// still verifies.
struct SignatureStatement {
    std::wstring reportNumber;
    SignatureMeaning meaning = SignatureMeaning::Prepared;
    std::wstring signer;             // the certificate's common name, printed on the page
    std::wstring signerSubject;      // its whole subject: the person, told apart from others
    std::wstring certificateIssuer;  // the issuer's subject
    std::string certificateSerial;   // uppercase hex
    int64_t signedAt = 0;            // seconds since 1970, UTC
    std::vector<SignedFile> files;
};

// The statement as UTF-8 JSON, indented by two blanks, ending with a line end.
std::string StatementText(const SignatureStatement& statement);

// A statement read back: only the shape StatementText writes; otherwise nothing and why.
std::optional<SignatureStatement> ReadStatement(std::string_view bytes, Message& why);
