#include "sign/SignedPage.h"

#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/WideText.h"
#include "xml/XMLWrapper.h"

void AddSignatures(XMLWrapper& document, const std::vector<SignatureStatement>& signatures,
                   Language language) {
    const XMLElement list = document.AddElement(XMLElement(), L"signatures");
    for (const SignatureStatement& statement : signatures) {
        const XMLElement item = document.AddElement(list, L"signature");
        document.AddTextElement(item, L"meaning_key", FromUtf8(MeaningKey(statement.meaning)));
        document.AddTextElement(item, L"meaning", Render(MeaningMessage(statement.meaning), language));
        document.AddTextElement(item, L"signer", statement.signer);
        document.AddTextElement(item, L"signer_subject", statement.signerSubject);
        document.AddTextElement(item, L"signed_local", LocalDateTimeText(statement.signedAt));
        document.AddTextElement(item, L"signed_utc", UtcIsoText(statement.signedAt));
        document.AddTextElement(item, L"certificate_issuer", statement.certificateIssuer);
        document.AddTextElement(item, L"certificate_serial", FromUtf8(statement.certificateSerial));
    }
}
