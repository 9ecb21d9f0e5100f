#include "sign/ReportSigning.h"

#include <algorithm>
#include <ctime>
#include <memory>

#include "messages/UserMessages.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "register/RegisterFile.h"
#include "register/ReportRegister.h"
#include "sign/SignatureRules.h"
#include "sign/SignedPage.h"
#include "xml/XMLWrapper.h"

namespace {

bool Refuse(UserMessages& messages, Message why) {
    messages.ShowError(Message(MessageCode::SignatureRefused, {Nested(std::move(why))}));
    return false;
}

// The report may be signed: issued under the number, not replaced, not a notice, its files as issued.
bool Signable(const RegisterPlace& place, const std::wstring& number, const NumberStanding& standing,
              UserMessages& messages) {
    if (!standing.issued)
        return Refuse(messages, Message(MessageCode::SignatureNotIssued, {number, place.file}));
    if (standing.replacedBy)
        return Refuse(messages,
                      Message(MessageCode::SignatureReplaced, {number, standing.replacedBy->number}));
    if (standing.issued->event == RegisterEvent::Withdrawn)
        return Refuse(messages, Message(MessageCode::SignatureOfNotice, {number}));
    for (const RegisteredFile& file : standing.issued->files) {
        if (Sha256OfFile(place.ReportFile(file.name)) != file.sha256)
            return Refuse(messages,
                          Message(MessageCode::SignatureFileChanged, {place.ReportFile(file.name)}));
    }
    return true;
}

std::vector<SignatureOnRecord> Made(const std::vector<RegisterEntry>& signatures) {
    std::vector<SignatureOnRecord> made;
    for (const RegisterEntry& entry : signatures) {
        if (const std::optional<SignatureMeaning> meaning = ParseMeaning(entry.meaning))
            made.push_back({*meaning, entry.signer, entry.signerSubject});
    }
    return made;
}

SignatureStatement StatementFor(const std::wstring& number, SignatureMeaning meaning,
                                const CertificateIdentity& signer, const RegisterEntry& issued, int64_t now) {
    SignatureStatement statement{
        number, meaning, signer.commonName, signer.subject, signer.issuer, signer.serial, now, {}};
    for (const RegisteredFile& file : issued.files) statement.files.push_back({file.name, file.sha256});
    return statement;
}

// The report's document as issued, with its signatures; nothing when it does not read.
std::unique_ptr<XMLWrapper> SignedDocument(const RegisterPlace& place, const std::wstring& number,
                                           const std::vector<SignatureStatement>& statements,
                                           Language language, UserMessages& messages) {
    auto document = std::make_unique<XMLWrapper>();
    const std::wstring path = place.ReportFile(number + L".xml");
    const std::optional<std::string> text = ReadFileBytes(path);
    if (!text || !document->LoadDocument(*text)) {
        Refuse(messages, Message(MessageCode::SignatureFileMissing, {path}));
        return nullptr;
    }
    AddSignatures(*document, statements, language);
    return document;
}

Language LanguageOfStylesheet(const std::wstring& stylesheet) {
    return stylesheet.find(L".ENU.") != std::wstring::npos ? Language::English : Language::Russian;
}

}  // namespace

std::vector<SignatureMeaning> AskedMeanings(const RegisterEntry& started) {
    std::vector<SignatureMeaning> asked =
        ParseMeaningList(started.signatures).value_or(std::vector<SignatureMeaning>{});
    if (asked.empty()) asked.assign(std::begin(kAllMeanings), std::end(kAllMeanings));
    return asked;
}

std::optional<SigningTurn> SigningTurnOf(const RegisterPlace& place, const std::wstring& fileName) {
    // Of numbers that begin alike ("ОХ-1" and "ОХ-1.2") the longest is the file's.
    std::wstring number;
    RegisterFile(place.file).Read([&](const RegisterEntry& entry) {
        const bool gaveNumber = entry.event == RegisterEvent::Issued ||
                                entry.event == RegisterEvent::Amended ||
                                entry.event == RegisterEvent::Withdrawn;
        if (gaveNumber && entry.number.size() > number.size() &&
            fileName.compare(0, entry.number.size() + 1, entry.number + L".") == 0)
            number = entry.number;
    });
    if (number.empty()) return std::nullopt;
    const RegisterLookup found = ReportRegister(place).LookUp({number, {}, {}});
    if (!found.read.first) return std::nullopt;
    SigningTurn turn{number, AskedMeanings(*found.read.first), std::nullopt};
    const std::vector<SignatureOnRecord> made = Made(found.standing.signatures);
    for (const SignatureMeaning meaning : turn.asked) {
        const bool signedSo = std::any_of(
            made.begin(), made.end(), [&](const SignatureOnRecord& one) { return one.meaning == meaning; });
        if (!signedSo) {
            turn.next = meaning;
            break;
        }
    }
    return turn;
}

std::optional<MadeSignature> SignIssuedReport(const RegisterPlace& place, const SignRequest& request,
                                              const SigningKey& key, UserMessages& messages) {
    const std::unique_ptr<IssueSession> session =
        IssueSession::Open(place, {request.number, {}, {}}, messages);
    if (!session) return std::nullopt;
    const NumberStanding& standing = session->Found().standing;
    if (!Signable(place, request.number, standing, messages)) return std::nullopt;
    const CertificateIdentity& signer = key.Certificate();
    const Message refusal = SignatureRefusal(AskedMeanings(*session->Found().read.first),
                                             Made(standing.signatures), request.meaning, signer.subject);
    if (!refusal.Empty()) {
        Refuse(messages, refusal);
        return std::nullopt;
    }
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    if (now < signer.notBefore || now > signer.notAfter) {
        Refuse(messages,
               Message(MessageCode::SignatureCertificateNotValidNow,
                       {signer.commonName, MessageMoment{signer.notBefore}, MessageMoment{signer.notAfter}}));
        return std::nullopt;
    }
    MadeSignature made{
        {}, StatementFor(request.number, request.meaning, signer, *standing.issued, now), L"", {}};
    const std::string text = StatementText(made.statement);
    std::string signature;
    try {
        signature = key.SignDetached(text);
    } catch (const SignatureError& error) {
        Refuse(messages, error.message);
        return std::nullopt;
    }
    std::vector<SignatureStatement> all = StatementsOf(place, standing.signatures);
    // The new page shows every signature: one whose statement no longer reads is not left out unseen.
    if (all.size() != standing.signatures.size()) {
        Refuse(messages, Message(MessageCode::SignatureStatementUnreadable));
        return std::nullopt;
    }
    all.push_back(made.statement);
    const std::unique_ptr<XMLWrapper> document =
        SignedDocument(place, request.number, all, LanguageOfStylesheet(request.stylesheet), messages);
    if (!document) return std::nullopt;

    const SignatureFiles files = SignatureFileNames(request.number, request.meaning);
    const std::wstring pageName = request.number + L"." + FromUtf8(MeaningKey(request.meaning)) + L".html";
    RegisterEntry entry;
    entry.event = RegisterEvent::Signed;
    entry.program = request.program;
    entry.number = request.number;
    entry.sample = standing.issued->sample;
    entry.meaning = MeaningWord(request.meaning);
    entry.signer = signer.commonName;
    entry.signerSubject = signer.subject;
    const EntryFiles entered{{{files.statement, text}, {files.signature, signature}},
                             pageName,
                             document.get(),
                             request.stylesheet};
    std::optional<RegisterEntry> appended = session->Enter(std::move(entry), entered, messages);
    if (!appended) return std::nullopt;
    made.entry = std::move(*appended);
    made.page = place.ReportFile(pageName);
    made.all = std::move(all);
    return made;
}

std::vector<SignatureStatement> StatementsOf(const RegisterPlace& place,
                                             const std::vector<RegisterEntry>& signatures) {
    std::vector<SignatureStatement> statements;
    for (const RegisterEntry& entry : signatures) {
        const std::optional<SignatureMeaning> meaning = ParseMeaning(entry.meaning);
        if (!meaning) continue;
        const std::optional<std::string> text =
            ReadFileBytes(place.ReportFile(SignatureFileNames(entry.number, *meaning).statement));
        Message why;
        if (std::optional<SignatureStatement> statement = text ? ReadStatement(*text, why) : std::nullopt)
            statements.push_back(std::move(*statement));
    }
    return statements;
}

std::vector<SignatureFinding> CheckSignaturesOf(const RegisterPlace& place, const RegisterEntry& issued,
                                                const std::vector<RegisterEntry>& signatures,
                                                const TrustAnchors& trust) {
    std::vector<SignedFile> registered;
    for (const RegisteredFile& file : issued.files) registered.push_back({file.name, file.sha256});
    std::vector<SignatureFinding> findings;
    for (const RegisterEntry& entry : signatures) {
        const std::optional<SignatureMeaning> meaning = ParseMeaning(entry.meaning);
        if (!meaning) continue;
        SignatureFinding finding = CheckReportSignature(
            place.Reports(), SignatureFileNames(issued.number, *meaning), issued.number, registered, trust);
        for (const RegisteredFile& file : entry.files) {
            if (Sha256OfFile(place.ReportFile(file.name)) != file.sha256)
                finding.problems.push_back(Message(MessageCode::SignatureFileChanged, {file.name}));
        }
        findings.push_back(std::move(finding));
    }
    return findings;
}
