#include "RegisterCheck.h"

#include <cstdio>
#include <filesystem>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "ConsoleMessages.h"
#include "messages/Catalogue.h"
#include "platform/ConsoleText.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "register/RegisterFile.h"
#include "register/ReportRegister.h"
#include "register/WithdrawalNotice.h"
#include "sign/ReportSigning.h"
#include "verify/RecordedReport.h"
#include "verify/ReportDifferences.h"
#include "verify/ReportRebuild.h"
#include "verify/ReportSyntax.h"

namespace {

using Json = nlohmann::ordered_json;

// What an export of a report's standing differs from the report as issued in.
const std::vector<std::string> kStandingMembers = {"status", "superseded_by"};

MessageArg MomentOf(const RegisterEntry& entry) {
    return MessageMoment{ParseUtcIsoText(entry.utc).value_or(0)};
}

// The register a report belongs to: the one asked for, the one it names, the one whose reports folder holds
// it, or the one beside its components file.
std::optional<RegisterPlace> PlaceOf(const std::wstring& named, const std::wstring& reportPath,
                                     const std::wstring& components,
                                     const std::optional<std::wstring>& registerFile) {
    if (registerFile) return RegisterAt(*registerFile);
    if (!named.empty() && FileExists(named)) return RegisterPlace{named};
    const std::filesystem::path folder = ToFileSystemPath(AbsolutePath(reportPath)).parent_path();
    if (folder.extension() == ".reports") {
        const std::wstring beside = FromFileSystemPath(folder.parent_path() / folder.stem());
        if (ReadsAsRegister(beside)) return RegisterPlace{beside};
    }
    if (std::optional<RegisterPlace> place = RegisterOf(components)) return place;
    if (!named.empty()) return RegisterPlace{named};
    return std::nullopt;
}

// The entries that bear on one number: the one that gave it, the one that replaced it, and the one before
// its issue, which the report anchored.
struct Found {
    RegisterRead read;
    std::optional<RegisterEntry> issued;
    std::optional<RegisterEntry> replacedBy;
    std::optional<RegisterEntry> anchor;
    std::vector<RegisterEntry> signatures;
};

Found FindNumber(const RegisterPlace& place, const std::wstring& number, size_t entry) {
    Found found;
    found.read = RegisterFile(place.file).Read([&](const RegisterEntry& e) {
        if (e.GivesNumber() && e.number == number) found.issued = e;
        const bool replaces = e.event == RegisterEvent::Amended || e.event == RegisterEvent::Withdrawn;
        if (replaces && e.replaces == number) found.replacedBy = e;
        if (entry > 1 && e.place == entry - 1) found.anchor = e;
        if (e.event == RegisterEvent::Signed && e.number == number) found.signatures.push_back(e);
    });
    return found;
}

bool AmongFiles(const RegisterEntry& entry, const std::string& sha256) {
    for (const RegisteredFile& file : entry.files) {
        if (file.sha256 == sha256) return true;
    }
    return false;
}

// An export of the report's standing: the report as issued but for its status and what took its place.
bool SameAsIssued(const RegisterPlace& place, const std::wstring& number, const std::string& bytes) {
    const std::optional<std::string> issued = ReadFileBytes(place.ReportFile(number + L".json"));
    return issued && CompareJsonReports(*issued, bytes, kStandingMembers).empty();
}

// The register's line of what became of the report, when it was amended or withdrawn.
Message ReplacedLine(const std::wstring& number, const RegisterEntry& by) {
    return Message(
        by.event == RegisterEvent::Withdrawn ? MessageCode::VerifyWithdrawn : MessageCode::VerifyAmended,
        {number, by.number, MomentOf(by), by.reason});
}

// The file's own checks against the entry that issued its number.
void CheckIssuedFile(const RecordedReport& report, const std::wstring& reportPath, const RegisterPlace& place,
                     const Found& found, RegisterStanding& standing) {
    const ReportRegistration& registration = *report.registration;
    const RegisterEntry& issued = *found.issued;
    const std::string sha = Sha256OfFile(reportPath).value_or("");
    const bool standingExport = registration.status == ReportRegistration::Status::Amended ||
                                registration.status == ReportRegistration::Status::Withdrawn;
    if (AmongFiles(issued, sha)) {
        standing.lines.push_back(
            Message(MessageCode::VerifyRegistered,
                    {registration.number, place.file, static_cast<int64_t>(issued.place), MomentOf(issued)}));
    } else if (standingExport && report.format == RecordedReport::Format::Json &&
               SameAsIssued(place, registration.number, report.bytes)) {
        standing.lines.push_back(Message(MessageCode::VerifyStandingExport, {registration.number}));
    } else {
        standing.lines.push_back(
            Message(MessageCode::VerifyNotIssuedFile,
                    {registration.number, FromUtf8(sha.substr(0, 12)), static_cast<int64_t>(issued.place)}));
        standing.inForce = false;
    }
    const bool anchored =
        registration.entry == issued.place &&
        (!found.anchor || Sha256Hex(found.anchor->text) == registration.previousEntrySha256);
    if (!anchored) {
        standing.lines.push_back(Message(MessageCode::VerifyAnchorBroken,
                                         {place.file, static_cast<int64_t>(registration.entry - 1)}));
        standing.inForce = false;
    }
}

// Each signature of the report, said: who signed what and when, or what no longer holds.
void CheckSignatures(const RegisterPlace& place, const Found& found, const TrustAnchors& trust,
                     RegisterStanding& standing) {
    for (const SignatureFinding& finding : CheckSignaturesOf(place, *found.issued, found.signatures, trust)) {
        if (finding.Holds()) {
            standing.lines.push_back(
                Message(MessageCode::VerifySignatureHolds, {Nested(SignatureLine(*finding.statement))}));
            continue;
        }
        standing.inForce = false;
        const MessageArg problems = Joined(finding.problems);
        standing.lines.push_back(
            finding.statement
                ? Message(MessageCode::VerifySignatureFails,
                          {Nested(SignatureLine(*finding.statement)), problems})
                : Message(MessageCode::VerifySignatureUnread, {finding.files.statement, problems}));
    }
}

}  // namespace

RegisterStanding CheckAgainstRegister(const RecordedReport& report, const std::wstring& reportPath,
                                      const std::optional<std::wstring>& registerFile,
                                      const TrustAnchors& trust) {
    RegisterStanding standing;
    if (!report.registration) return standing;
    const ReportRegistration& registration = *report.registration;
    if (registration.status == ReportRegistration::Status::Draft) {
        standing.lines.push_back(MessageCode::VerifyDraft);
        return standing;
    }
    const std::wstring components = ResolveRecordedPath(report.componentsFile.file.path, reportPath);
    const std::optional<RegisterPlace> place =
        PlaceOf(registration.registerFile, reportPath, components, registerFile);
    standing.inForce = false;
    if (!place || !FileExists(place->file)) {
        standing.lines.push_back(Message(MessageCode::VerifyRegisterUnavailable,
                                         {place ? place->file : registration.registerFile}));
        return standing;
    }
    const Found found = FindNumber(*place, registration.number, registration.entry);
    if (!found.read.Holds()) {
        standing.lines.push_back(RegisterProblem(RegisterFile(place->file), found.read));
        return standing;
    }
    if (!found.issued) {
        standing.lines.push_back(
            Message(MessageCode::VerifyNotInRegister, {registration.number, place->file}));
        return standing;
    }
    if (found.replacedBy) standing.lines.push_back(ReplacedLine(registration.number, *found.replacedBy));
    standing.inForce = !found.replacedBy;
    CheckIssuedFile(report, reportPath, *place, found, standing);
    CheckSignatures(*place, found, trust, standing);
    if (standing.inForce)
        standing.lines.push_back(Message(MessageCode::VerifyInForce, {registration.number}));
    return standing;
}

void PrintStanding(const RegisterStanding& standing, Language language) {
    if (standing.lines.empty()) return;
    std::wstring text = Render(MessageCode::VerifyRegisterTitle, language) + L"\n";
    for (const Message& line : standing.lines) text += L"  " + Render(line, language) + L"\n";
    WriteConsoleText(stdout, text);
}

namespace {

// What a notice says of itself: its number, the report it withdraws, its register.
struct NoticeFields {
    std::wstring number;
    std::wstring withdraws;
    std::wstring registerFile;
    size_t entry = 0;
};

std::optional<NoticeFields> ReadNotice(const std::string& bytes) {
    NoticeFields fields;
    if (!bytes.empty() && bytes[0] == '{') {
        if (JsonReportProblem(bytes)) return std::nullopt;
        const Json json = Json::parse(bytes, nullptr, false);
        const auto text = [](const Json& object, const char* key) {
            return object.is_object() && object.contains(key) && object[key].is_string()
                       ? FromUtf8(object[key].get<std::string>())
                       : std::wstring();
        };
        if (!json.is_object() || text(json, "format") != FromUtf8(kNoticeFormat)) return std::nullopt;
        fields.number = text(json, "report_number");
        fields.withdraws = json.contains("supersedes") ? text(json["supersedes"], "report_number") : L"";
        fields.registerFile = json.contains("register") ? text(json["register"], "file") : L"";
    } else {
        if (XmlReportProblem(bytes)) return std::nullopt;
        pugi::xml_document document;
        if (!document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8))
            return std::nullopt;
        const pugi::xml_node notice = document.child(L"Document").child(L"notice");
        fields.number = ElementText(notice.child(L"number"));
        fields.withdraws = ElementText(notice.child(L"withdraws").child(L"number"));
        fields.registerFile = ElementText(notice.child(L"register").child(L"file"));
    }
    if (fields.number.empty() || fields.withdraws.empty()) return std::nullopt;
    return fields;
}

}  // namespace

bool IsNoticeFile(const std::wstring& path) {
    const std::string start = ReadFileBytes(path).value_or("").substr(0, 4096);
    return start.find(std::string("\"format\": \"") + kNoticeFormat + "\"") != std::string::npos ||
           start.find("<Document>\n  <notice>") != std::string::npos;
}

ExitCode VerifyNotice(const std::wstring& path, const std::optional<std::wstring>& registerFile,
                      Language language) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    const std::optional<NoticeFields> notice = bytes ? ReadNotice(*bytes) : std::nullopt;
    if (!notice) {
        WriteCliLine(stderr, Message(MessageCode::VerifyNoticeUnread, {path}), language);
        return kExitUsage;
    }
    RegisterStanding standing;
    standing.inForce = false;
    const std::optional<RegisterPlace> place = PlaceOf(notice->registerFile, path, L"", registerFile);
    if (!place || !FileExists(place->file)) {
        standing.lines.push_back(Message(MessageCode::VerifyRegisterUnavailable, {notice->registerFile}));
    } else if (const Found found = FindNumber(*place, notice->number, 0); !found.read.Holds()) {
        standing.lines.push_back(RegisterProblem(RegisterFile(place->file), found.read));
    } else if (!found.issued || found.issued->event != RegisterEvent::Withdrawn ||
               found.issued->replaces != notice->withdraws) {
        standing.lines.push_back(Message(MessageCode::VerifyNotInRegister, {notice->number, place->file}));
    } else if (!AmongFiles(*found.issued, Sha256Hex(*bytes))) {
        standing.lines.push_back(Message(MessageCode::VerifyNotIssuedFile,
                                         {notice->number, FromUtf8(Sha256Hex(*bytes).substr(0, 12)),
                                          static_cast<int64_t>(found.issued->place)}));
    } else {
        standing.lines.push_back(
            Message(MessageCode::VerifyNotice,
                    {notice->number, notice->withdraws, MomentOf(*found.issued), found.issued->reason}));
        standing.inForce = true;
    }
    PrintStanding(standing, language);
    return standing.inForce ? kExitSuccess : kExitFailure;
}
