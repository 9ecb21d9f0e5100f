#include "sign/SignatureStatement.h"

#include <nlohmann/json.hpp>

#include "platform/LocalTime.h"
#include "platform/WideText.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "oxycalc-signature";
constexpr int kFormatVersion = 1;

const Json* Member(const Json& object, const char* key, bool (Json::*is)() const) {
    const auto it = object.find(key);
    return it != object.end() && ((*it).*is)() ? &*it : nullptr;
}

std::optional<std::wstring> TextMember(const Json& object, const char* key) {
    const Json* member = Member(object, key, &Json::is_string);
    if (member == nullptr) return std::nullopt;
    return FromUtf8(member->get<std::string>());
}

bool IsSha256(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

std::optional<std::vector<SignedFile>> FilesOf(const Json& object) {
    const Json* files = Member(object, "files", &Json::is_array);
    if (files == nullptr || files->empty()) return std::nullopt;
    std::vector<SignedFile> result;
    for (const Json& file : *files) {
        if (!file.is_object() || file.size() != 2) return std::nullopt;
        const std::optional<std::wstring> name = TextMember(file, "file");
        const std::optional<std::wstring> sha256 = TextMember(file, "sha256");
        if (!name || name->empty() || !sha256 || !IsSha256(ToUtf8(*sha256))) return std::nullopt;
        result.push_back({*name, ToUtf8(*sha256)});
    }
    return result;
}

}  // namespace

std::string StatementText(const SignatureStatement& statement) {
    Json files = Json::array();
    for (const SignedFile& file : statement.files)
        files.push_back({{"file", ToUtf8(file.name)}, {"sha256", file.sha256}});
    const Json json = {{"format", kFormat},
                       {"format_version", kFormatVersion},
                       {"report_number", ToUtf8(statement.reportNumber)},
                       {"meaning", ToUtf8(MeaningWord(statement.meaning))},
                       {"meaning_key", MeaningKey(statement.meaning)},
                       {"signer", ToUtf8(statement.signer)},
                       {"signer_subject", ToUtf8(statement.signerSubject)},
                       {"certificate_issuer", ToUtf8(statement.certificateIssuer)},
                       {"certificate_serial", statement.certificateSerial},
                       {"signed_utc", ToUtf8(UtcIsoText(statement.signedAt))},
                       {"files", files}};
    return json.dump(2) + "\n";
}

std::optional<SignatureStatement> ReadStatement(std::string_view bytes, Message& why) {
    why = Message(MessageCode::SignatureStatementUnreadable);
    const Json json = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (!json.is_object() || json.size() != 11) return std::nullopt;
    if (TextMember(json, "format") != FromUtf8(kFormat)) return std::nullopt;
    const Json* version = Member(json, "format_version", &Json::is_number_integer);
    if (version == nullptr || version->get<int64_t>() != kFormatVersion) return std::nullopt;
    SignatureStatement statement;
    const std::optional<std::wstring> number = TextMember(json, "report_number");
    const std::optional<std::wstring> meaning = TextMember(json, "meaning");
    const std::optional<std::wstring> key = TextMember(json, "meaning_key");
    const std::optional<std::wstring> signer = TextMember(json, "signer");
    const std::optional<std::wstring> subject = TextMember(json, "signer_subject");
    const std::optional<std::wstring> issuer = TextMember(json, "certificate_issuer");
    const std::optional<std::wstring> serial = TextMember(json, "certificate_serial");
    const std::optional<std::wstring> signedUtc = TextMember(json, "signed_utc");
    if (!number || !meaning || !key || !signer || !subject || !issuer || !serial || !signedUtc)
        return std::nullopt;
    const std::optional<SignatureMeaning> parsed = ParseMeaning(*meaning);
    const std::optional<int64_t> signedAt = ParseUtcIsoText(*signedUtc);
    std::optional<std::vector<SignedFile>> files = FilesOf(json);
    if (!parsed || ParseMeaning(*key) != parsed || !signedAt || !files || number->empty() || subject->empty())
        return std::nullopt;
    statement.reportNumber = *number;
    statement.meaning = *parsed;
    statement.signer = *signer;
    statement.signerSubject = *subject;
    statement.certificateIssuer = *issuer;
    statement.certificateSerial = ToUtf8(*serial);
    statement.signedAt = *signedAt;
    statement.files = std::move(*files);
    why = Message();
    return statement;
}
