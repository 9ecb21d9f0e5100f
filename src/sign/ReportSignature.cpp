#include "sign/ReportSignature.h"

#include <algorithm>

#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "sign/SignatureRules.h"

namespace {

const SignedFile* FileNamed(const std::vector<SignedFile>& files, const std::wstring& name) {
    const auto it = std::find_if(files.begin(), files.end(),
                                 [&name](const SignedFile& file) { return file.name == name; });
    return it != files.end() ? &*it : nullptr;
}

// The signer the statement names is the one whose certificate made the signature.
void HoldSigner(const SignatureStatement& statement, const CertificateIdentity& signer,
                std::vector<Message>& problems) {
    // The statement may have been signed with the other platform's library, which writes names its own way.
    if (DistinguishedNameKey(statement.signerSubject) != DistinguishedNameKey(signer.subject) ||
        DistinguishedNameKey(statement.certificateIssuer) != DistinguishedNameKey(signer.issuer) ||
        statement.certificateSerial != signer.serial)
        problems.push_back(
            Message(MessageCode::SignatureSignerDiffers, {statement.signerSubject, signer.subject}));
}

// Each file the statement names is as it was signed and as it was registered, and no registered file is
// left out.
void HoldFiles(const std::wstring& folder, const SignatureStatement& statement,
               const std::vector<SignedFile>& registered, std::vector<Message>& problems) {
    for (const SignedFile& file : statement.files) {
        const SignedFile* entered = FileNamed(registered, file.name);
        const std::optional<std::string> now = Sha256OfFile(JoinPath(folder, file.name));
        if (!now)
            problems.push_back(Message(MessageCode::SignatureFileMissing, {file.name}));
        else if (*now != file.sha256 || entered == nullptr || entered->sha256 != file.sha256)
            problems.push_back(Message(MessageCode::SignatureFileChanged, {file.name}));
    }
    for (const SignedFile& file : registered) {
        if (FileNamed(statement.files, file.name) == nullptr)
            problems.push_back(Message(MessageCode::SignatureFileNotCovered, {file.name}));
    }
}

}  // namespace

SignatureFiles SignatureFileNames(const std::wstring& reportNumber, SignatureMeaning meaning) {
    SignatureFiles files;
    files.statement = reportNumber + L"." + FromUtf8(MeaningKey(meaning)) + L".statement.json";
    files.signature = files.statement + L".p7s";
    return files;
}

SignatureFinding CheckReportSignature(const std::wstring& folder, const SignatureFiles& files,
                                      const std::wstring& reportNumber,
                                      const std::vector<SignedFile>& registered, const TrustAnchors& trust) {
    SignatureFinding finding;
    finding.files = files;
    const std::optional<std::string> text = ReadFileBytes(JoinPath(folder, files.statement));
    const std::optional<std::string> signature = ReadFileBytes(JoinPath(folder, files.signature));
    for (const auto& [bytes, name] :
         {std::pair{&text, &files.statement}, std::pair{&signature, &files.signature}}) {
        if (!*bytes) finding.problems.push_back(Message(MessageCode::SignatureFileMissing, {*name}));
    }
    if (!text) return finding;
    Message why;
    finding.statement = ReadStatement(*text, why);
    if (!finding.statement) {
        finding.problems.push_back(why);
        return finding;
    }
    const SignatureStatement& statement = *finding.statement;
    if (statement.reportNumber != reportNumber)
        finding.problems.push_back(Message(MessageCode::SignatureOtherReport, {statement.reportNumber}));
    if (signature) {
        const SignatureCheck check = CheckDetached(*text, *signature, trust, statement.signedAt);
        if (!check.why.Empty()) finding.problems.push_back(check.why);
        if (check.intact && check.signer) HoldSigner(statement, *check.signer, finding.problems);
    }
    HoldFiles(folder, statement, registered, finding.problems);
    return finding;
}

Message SignatureLine(const SignatureStatement& statement) {
    return Message(
        MessageCode::SignatureLine,
        {Nested(MeaningMessage(statement.meaning)), statement.signer, MessageMoment{statement.signedAt},
         statement.certificateIssuer, FromUtf8(statement.certificateSerial)});
}
