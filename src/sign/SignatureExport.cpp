#include "sign/SignatureExport.h"

#include <nlohmann/json.hpp>

#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "report/ReportWriting.h"
#include "sign/ReportSignature.h"

namespace {

using Json = nlohmann::ordered_json;

Json SignatureJson(const SignatureStatement& statement) {
    const SignatureFiles files = SignatureFileNames(statement.reportNumber, statement.meaning);
    return {{"meaning", MeaningKey(statement.meaning)},
            {"meaning_word", ToUtf8(MeaningWord(statement.meaning))},
            {"signer", ToUtf8(statement.signer)},
            {"signer_subject", ToUtf8(statement.signerSubject)},
            {"signed_utc", ToUtf8(UtcIsoText(statement.signedAt))},
            {"certificate_issuer", ToUtf8(statement.certificateIssuer)},
            {"certificate_serial", statement.certificateSerial},
            {"statement", ToUtf8(files.statement)},
            {"signature", ToUtf8(files.signature)}};
}

}  // namespace

std::optional<std::string> ReportJsonWithSignatures(const std::string& issued,
                                                    const std::vector<SignatureStatement>& signatures) {
    Json json = Json::parse(issued, nullptr, false);
    if (!json.is_object() || !json.contains("report_number")) return std::nullopt;
    Json list = Json::array();
    for (const SignatureStatement& statement : signatures) list.push_back(SignatureJson(statement));
    json["signatures"] = std::move(list);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool ExportSignaturesForLims(const std::wstring& issuedJson, const std::wstring& number,
                             const std::vector<SignatureStatement>& signatures, const std::wstring& folder,
                             UserMessages& messages) {
    const std::optional<std::string> bytes = ReadFileBytes(issuedJson);
    const std::optional<std::string> json =
        bytes ? ReportJsonWithSignatures(*bytes, signatures) : std::nullopt;
    if (!json) {
        messages.ShowError(Message(MessageCode::RegisterExportUnread, {issuedJson}));
        return false;
    }
    return WriteText(JoinPath(folder, number + L".signed.json"), *json, messages);
}
