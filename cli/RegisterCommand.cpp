#include "RegisterCommand.h"

#include <cstdio>

#include "ConsoleMessages.h"
#include "InputFiles.h"
#include "SignCommand.h"
#include "VerifyCommand.h"
#include "messages/Catalogue.h"
#include "messages/UserMessages.h"
#include "platform/ConsoleText.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "register/RegisterExport.h"
#include "register/ReportRegister.h"
#include "report/LimsExport.h"
#include "report/TemporaryReportFile.h"
#include "tables/DataFilePath.h"
#include "verify/RecordedReport.h"
#include "verify/ReportRebuild.h"

namespace {

// The components file a command means: --components, a draft's, or the data folder's.
std::wstring ComponentsOf(const RegisterOptions& options, const std::wstring& recorded,
                          UserMessages& messages) {
    if (options.components) return AbsolutePath(*options.components);
    if (!recorded.empty()) return recorded;
    return DataFilePath(L"\\CompsTableOxycalc.csv", messages);
}

// The register: --register, or the one the components file's folder uses. Nothing, after saying so, while
// the lab keeps none.
std::optional<RegisterPlace> RegisterFor(const RegisterOptions& options, const std::wstring& components,
                                         UserMessages& messages) {
    if (options.registerFile) return RegisterAt(*options.registerFile);
    std::optional<RegisterPlace> place = RegisterOf(components);
    if (!place) messages.ShowError(Message(MessageCode::RegisterOff, {components}));
    return place;
}

// A register kept elsewhere than beside the components file is found through a link there.
ExitCode LinkTo(const std::wstring& components, const RegisterPlace& place, UserMessages& messages) {
    const std::wstring beside = DataFileBeside(components, kRegisterFileName);
    if (SameFile(beside, place.file)) return kExitSuccess;
    if (FileExists(beside)) {
        messages.ShowError(Message(MessageCode::RegisterBesideAlready, {beside, place.file}));
        return kExitFailure;
    }
    std::wstring why;
    if (!LinkRegister(components, place, why)) {
        messages.ShowError(Message(MessageCode::RegisterLinkNotWritten, {components, why}));
        return kExitFailure;
    }
    messages.ShowMessage(Message(MessageCode::RegisterLinked, {components, place.file}));
    return kExitSuccess;
}

ExitCode Start(const RegisterOptions& options, UserMessages& messages) {
    Message problem;
    const std::optional<NumberPattern> pattern = NumberPattern::Parse(options.pattern, problem);
    if (!pattern) {
        messages.ShowError(Message(MessageCode::RegisterCliBadPattern, {options.pattern, Nested(problem)}));
        return kExitUsage;
    }
    const std::wstring components = ComponentsOf(options, L"", messages);
    if (components.empty()) return kExitFailure;
    const RegisterPlace place = options.registerFile
                                    ? RegisterAt(*options.registerFile)
                                    : RegisterPlace{DataFileBeside(components, kRegisterFileName)};
    if (!ReportRegister(place).Start(*pattern, options.first, L"oxycalc-cli register", messages,
                                     options.signatures))
        return kExitFailure;
    return LinkTo(components, place, messages);
}

ExitCode Use(const RegisterOptions& options, UserMessages& messages) {
    const RegisterPlace place = RegisterAt(*options.registerFile);
    if (!ReadsAsRegister(place.file)) {
        messages.ShowError(Message(MessageCode::RegisterMissing, {place.file}));
        return kExitFailure;
    }
    const std::wstring components = ComponentsOf(options, L"", messages);
    return components.empty() ? kExitFailure : LinkTo(components, place, messages);
}

// A draft to issue: read, held against its inputs as verify holds a report, and made again from them.
struct Draft {
    RecordedReport recorded;
    std::string sha256;
    ReportModel model;
    std::wstring stylesheet;  // its page's
    std::wstring components;
};

std::optional<Draft> ReadDraft(const std::wstring& path, ExitCode& exit, UserMessages& messages) {
    exit = kExitFailure;
    Message error;
    std::optional<RecordedReport> recorded = ReadRecordedReport(path, error);
    if (!recorded) {
        messages.ShowError(error);
        exit = kExitUsage;
        return std::nullopt;
    }
    if (recorded->registration && !recorded->registration->number.empty()) {
        messages.ShowError(Message(MessageCode::RegisterNotADraft, {path, recorded->registration->number}));
        return std::nullopt;
    }
    std::vector<Message> differences = InputDifferences(*recorded, path);
    std::optional<ReportModel> model;
    const std::vector<Message> fields = RebuiltDifferences(*recorded, path, model);
    differences.insert(differences.end(), fields.begin(), fields.end());
    if (!differences.empty() || !model) {
        const Language language = messages.MessageLanguage();
        std::wstring text = Render(Message(MessageCode::RegisterDraftNotVerified, {path}), language);
        for (const Message& line : differences) text += L"\n  " + Render(line, language);
        messages.ShowError(text);
        return std::nullopt;
    }
    Draft draft{std::move(*recorded), Sha256OfFile(path).value_or(""), std::move(*model), L"", L""};
    draft.components = ResolveRecordedPath(draft.recorded.componentsFile.file.path, path);
    // The page is made as the draft's was; a draft without one gets the data folder's of its language.
    draft.stylesheet =
        draft.recorded.stylesheet
            ? ResolveRecordedPath(draft.recorded.stylesheet->path, path)
            : DataFileBeside(draft.components, StylesheetName(L"Report", draft.recorded.language));
    if (!CanRead(draft.stylesheet, MessageCode::RegisterStylesheetWhat, messages)) return std::nullopt;
    if (!draft.model.stylesheet) draft.model.stylesheet = FileInput(draft.stylesheet);
    return draft;
}

// What was issued, on standard output, the number last.
void PrintIssued(const IssuedReport& issued, Language language) {
    const RegisterEntry& entry = issued.entry;
    Message line(MessageCode::RegisterIssuedLine, {entry.number});
    if (entry.event == RegisterEvent::Amended)
        line = Message(MessageCode::RegisterAmendedLine, {entry.number, entry.replaces});
    if (entry.event == RegisterEvent::Withdrawn)
        line = Message(MessageCode::RegisterWithdrawnLine, {entry.number, entry.replaces});
    std::wstring text = Render(line, language) + L"\n";
    for (const std::wstring& file : {issued.html, issued.xml, issued.json}) text += L"  " + file + L"\n";
    WriteConsoleText(stdout, text + entry.number + L"\n");
}

// The export for a LIMS, when the lab made its folder beside the components file.
void Export(const IssuedReport& issued, const RegisterPlace& place, const std::wstring& components,
            UserMessages& messages) {
    const std::wstring folder = DataFileBeside(components, kLimsFolderName);
    if (FolderExists(folder)) ExportIssueForLims(issued, place, folder, messages);
}

ExitCode IssueDraft(const RegisterOptions& options, UserMessages& messages) {
    ExitCode exit = kExitFailure;
    std::optional<Draft> draft = ReadDraft(options.draft, exit, messages);
    if (!draft) return exit;
    const std::optional<RegisterPlace> place =
        RegisterFor(options, ComponentsOf(options, draft->components, messages), messages);
    if (!place) return kExitFailure;
    IssueRequest request;
    request.model = std::move(draft->model);
    request.draftSha256 = draft->sha256;
    request.stylesheet = draft->stylesheet;
    const bool amends = options.command == RegisterOptions::Command::Amend;
    request.program = amends ? L"oxycalc-cli amend" : L"oxycalc-cli issue";
    if (amends) {
        request.replaces = options.number;
        request.reason = options.reason;
    }
    const std::optional<IssuedReport> issued = ReportRegister(*place).Issue(std::move(request), messages);
    if (!issued) return kExitFailure;
    Export(*issued, *place, draft->components, messages);
    PrintIssued(*issued, messages.MessageLanguage());
    return kExitSuccess;
}

ExitCode Withdraw(const RegisterOptions& options, UserMessages& messages) {
    const std::wstring components = ComponentsOf(options, L"", messages);
    const std::optional<RegisterPlace> place = RegisterFor(options, components, messages);
    if (!place) return kExitFailure;
    WithdrawalRequest request{options.number, options.reason, L"", options.language,
                              L"oxycalc-cli amend --withdraw"};
    request.stylesheet = options.stylesheet
                             ? *options.stylesheet
                             : DataFileBeside(components, StylesheetName(L"Report", options.language));
    if (!CanRead(request.stylesheet, MessageCode::RegisterStylesheetWhat, messages)) return kExitFailure;
    const std::optional<IssuedReport> issued = ReportRegister(*place).Withdraw(request, messages);
    if (!issued) return kExitFailure;
    Export(*issued, *place, components, messages);
    PrintIssued(*issued, messages.MessageLanguage());
    return kExitSuccess;
}

}  // namespace

ExitCode RunRegisterCommand(const RegisterOptions& options, UserMessages& messages) {
    switch (options.command) {
        case RegisterOptions::Command::Start:
            return Start(options, messages);
        case RegisterOptions::Command::Use:
            return Use(options, messages);
        case RegisterOptions::Command::Amend:
            return options.withdraw ? Withdraw(options, messages) : IssueDraft(options, messages);
        case RegisterOptions::Command::Sign:
            return RunSign(options, messages);
        case RegisterOptions::Command::Issue:
            break;
    }
    return IssueDraft(options, messages);
}

namespace {

// The line of one entry, as history lists it.
Message EntryLine(const RegisterEntry& entry) {
    const std::vector<MessageArg> head{static_cast<int64_t>(entry.place), entry.local, entry.user};
    const auto with = [&head](MessageCode code, std::vector<MessageArg> more) {
        std::vector<MessageArg> args = head;
        args.insert(args.end(), more.begin(), more.end());
        return Message(code, std::move(args));
    };
    switch (entry.event) {
        case RegisterEvent::Started:
            return with(MessageCode::RegisterHistoryStarted, {entry.pattern});
        case RegisterEvent::Issued:
            return with(MessageCode::RegisterHistoryIssued, {entry.number, entry.sample, entry.program});
        case RegisterEvent::Amended:
            return with(MessageCode::RegisterHistoryAmended,
                        {entry.number, entry.replaces, entry.reason, entry.sample, entry.program});
        case RegisterEvent::Withdrawn:
            return with(MessageCode::RegisterHistoryWithdrawn, {entry.number, entry.replaces, entry.reason});
        case RegisterEvent::Signed:
            return with(MessageCode::RegisterHistorySigned, {entry.number, entry.meaning, entry.signer});
        case RegisterEvent::Other:
            break;
    }
    return with(MessageCode::RegisterHistoryOther, {entry.eventText});
}

// The counts of the summary.
struct Counts {
    int64_t issued = 0;
    int64_t amended = 0;
    int64_t withdrawn = 0;
    int64_t filesGone = 0;
};

}  // namespace

ExitCode RunRegisterHistory(const std::wstring& path, Language language) {
    const RegisterPlace place = RegisterAt(path);
    ConsoleMessages messages(language);
    const auto said = [language](const Message& message) { return Render(message, language); };
    // What an issue cut short left is completed first, so that its files are found; a register that does not
    // hold is then listed up to the entry that breaks it.
    ReportRegister(place).Complete(messages);
    Counts counts;
    std::wstring text;
    const RegisterRead read = RegisterFile(place.file).Read([&](const RegisterEntry& entry) {
        text += said(EntryLine(entry)) + L"\n";
        counts.issued += entry.GivesNumber() && entry.event != RegisterEvent::Withdrawn ? 1 : 0;
        counts.amended += entry.event == RegisterEvent::Amended ? 1 : 0;
        counts.withdrawn += entry.event == RegisterEvent::Withdrawn ? 1 : 0;
        for (const RegisteredFile& file : entry.files) {
            if (FileExists(place.ReportFile(file.name))) continue;
            text += L"   " +
                    said(Message(MessageCode::RegisterHistoryFileGone, {place.ReportFile(file.name)})) +
                    L"\n";
            ++counts.filesGone;
        }
    });
    if (!read.exists) {
        WriteCliLine(stderr, Message(MessageCode::RegisterMissing, {place.file}), language);
        return kExitUsage;
    }
    if (!read.Holds()) {
        text += said(RegisterProblem(RegisterFile(place.file), read)) + L"\n";
    } else {
        text += said(Message(
                    MessageCode::RegisterHistoryHolds,
                    {static_cast<int64_t>(read.entries), counts.issued, counts.amended, counts.withdrawn})) +
                L"\n";
        text += said(Message(MessageCode::RegisterHistoryLast, {static_cast<int64_t>(read.entries)})) + L"\n";
    }
    WriteConsoleText(stdout, text);
    return read.Holds() && counts.filesGone == 0 ? kExitSuccess : kExitFailure;
}
