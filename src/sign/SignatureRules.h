#pragma once

#include <string>
#include <vector>

#include "messages/Message.h"
#include "sign/SignatureMeaning.h"

// A signature a report already has, as the rules look at it.
struct SignatureOnRecord {
    SignatureMeaning meaning = SignatureMeaning::Prepared;
    std::wstring signer;         // the common name, for the message
    std::wstring signerSubject;  // the certificate's subject: the person
};

// A certificate's name (subject or issuer) as a key that compares alike however a library wrote it: OpenSSL
// escapes a comma in a value (CN=Лаборатория\, УЦ), CryptoAPI quotes the value (CN="Лаборатория, УЦ");
// letter case and blanks aside too.
std::wstring DistinguishedNameKey(const std::wstring& name);

// Why a report may not be signed with `meaning` by the person of `subject`, or an empty message when it
// may. The rules: only the meanings the lab asks for (`asked`, in their order: составил, проверил,
// утвердил or some of them), each once, in that order; the one who checks or approves is another person
// than the one who prepared.
Message SignatureRefusal(const std::vector<SignatureMeaning>& asked,
                         const std::vector<SignatureOnRecord>& made, SignatureMeaning meaning,
                         const std::wstring& subject);
