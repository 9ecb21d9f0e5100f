#include "register/ReportRegister.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <system_error>

#include "messages/UserMessages.h"
#include "platform/DurableFile.h"
#include "platform/FileSystemPath.h"
#include "platform/FolderLock.h"
#include "platform/InterruptCleanup.h"
#include "platform/LocalTime.h"
#include "platform/ReplaceFile.h"
#include "platform/Sha256.h"
#include "platform/UserIdentity.h"
#include "platform/WideText.h"
#include "register/StopForTest.h"
#include "register/WithdrawalNotice.h"
#include "report/ReportDocument.h"
#include "report/ReportJson.h"
#include "res/ProductVersion.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

// An issue holds the register for a second or so; a workstation waits this long for another's.
constexpr auto kLockWait = std::chrono::seconds(30);

MessageArg MomentOfEntry(const RegisterEntry& entry) {
    return MessageMoment{ParseUtcIsoText(entry.utc).value_or(0)};
}

bool TakeLock(FolderLock& lock, const std::wstring& registerFile, UserMessages& messages) {
    switch (lock.Take(kLockWait)) {
        case FolderLock::State::Taken:
            return true;
        case FolderLock::State::Failed:
            messages.ShowError(
                Message(MessageCode::RegisterLockFailed, {registerFile, lock.Path(), lock.Why()}));
            return false;
        case FolderLock::State::Held:
            break;
    }
    const FolderLockHolder& holder = lock.Holder();
    if (holder.who.empty()) {
        messages.ShowError(Message(MessageCode::RegisterBusyMaking, {registerFile, lock.Path()}));
    } else {
        messages.ShowError(
            Message(lock.HolderElsewhere() ? MessageCode::RegisterBusyElsewhere : MessageCode::RegisterBusy,
                    {registerFile, holder.who, holder.pid, MessageMoment{holder.since}, lock.Path()}));
    }
    return false;
}

bool MakeFolder(const std::wstring& folder, UserMessages& messages) {
    std::error_code error;
    std::filesystem::create_directories(ToFileSystemPath(folder), error);
    if (!error) return true;
    messages.ShowError(Message(MessageCode::RegisterFolderNotMade, {folder, FromUtf8(error.message())}));
    return false;
}

// Whatever the staging folder still holds once the last entry's files are in place was never registered.
void ClearStaging(const RegisterPlace& place) {
    std::error_code error;
    std::vector<std::filesystem::path> left;
    for (const auto& item : std::filesystem::directory_iterator(ToFileSystemPath(place.Staging()), error))
        left.push_back(item.path());
    for (const std::filesystem::path& path : left) std::filesystem::remove(path, error);
}

// The last entry's files in their place: an issue cut short after its entry left them staged, and they are
// put there now; one that is changed or gone stops issuing, naming it.
bool PlaceLastFiles(const RegisterPlace& place, const RegisterEntry& last, UserMessages& messages) {
    if (last.files.empty()) return true;
    bool completed = false;
    for (const RegisteredFile& file : last.files) {
        const std::wstring target = place.ReportFile(file.name);
        if (FileExists(target)) {
            if (Sha256OfFile(target) == file.sha256) continue;
            messages.ShowError(Message(MessageCode::RegisterFileChanged,
                                       {target, last.number, static_cast<int64_t>(last.place)}));
            return false;
        }
        const std::wstring staged = JoinPath(place.Staging(), file.name);
        std::wstring why;
        if (!FileExists(staged) || Sha256OfFile(staged) != file.sha256 ||
            !MoveIfAbsent(staged, target, &why)) {
            messages.ShowError(Message(MessageCode::RegisterFileMissing,
                                       {target, last.number, static_cast<int64_t>(last.place)}));
            return false;
        }
        completed = true;
    }
    if (completed) messages.ShowMessage(Message(MessageCode::RegisterCompleted, {last.number}));
    return true;
}

// The next number: the counter after the last, in the year of the issue.
struct Numbering {
    uint64_t counter = 0;
    std::wstring number;
};

std::optional<Numbering> NextNumber(const RegisterRead& read, int64_t now, UserMessages& messages,
                                    const std::wstring& registerFile) {
    Message problem;
    const std::optional<NumberPattern> pattern = NumberPattern::Parse(read.first->pattern, problem);
    if (!pattern) {
        messages.ShowError(Message(MessageCode::RegisterBroken, {registerFile, int64_t{1}, Nested(problem)}));
        return std::nullopt;
    }
    Numbering next{read.counter + 1, L""};
    next.number = pattern->Format(next.counter, LocalYear(now));
    return next;
}

// The entry's stamp: when, who, with which program.
void Stamp(RegisterEntry& entry, int64_t now, const std::wstring& program) {
    entry.utc = UtcIsoText(now);
    entry.local = LocalDateTimeText(now);
    entry.user = UserAtComputer();
    entry.program = std::wstring(L"oxycalc ") + kPluginVersionText + L", " + program;
}

ReportRegistration IssuedRegistration(const RegisterPlace& place, const RegisterRead& read,
                                      const RegisterEntry& stamp) {
    ReportRegistration registration;
    registration.status = ReportRegistration::Status::Issued;
    registration.number = stamp.number;
    registration.issuedAt = ParseUtcIsoText(stamp.utc).value_or(0);
    registration.issuedBy = stamp.user;
    registration.registerFile = place.file;
    registration.entry = read.entries + 1;
    registration.previousEntrySha256 = Sha256Hex(read.last->text);
    return registration;
}

// Whether a number may be amended or withdrawn: issued, a report (not a notice) and in force.
bool Replaceable(const NumberStanding& standing, const std::wstring& number, const std::wstring& registerFile,
                 UserMessages& messages) {
    if (!standing.issued) {
        messages.ShowError(Message(MessageCode::RegisterNumberUnknown, {number, registerFile}));
        return false;
    }
    if (standing.issued->event == RegisterEvent::Withdrawn) {
        messages.ShowError(Message(MessageCode::RegisterNumberIsNotice, {number}));
        return false;
    }
    if (const auto& by = standing.replacedBy) {
        messages.ShowError(Message(by->event == RegisterEvent::Withdrawn
                                       ? MessageCode::RegisterNumberWithdrawn
                                       : MessageCode::RegisterNumberAmended,
                                   {number, by->number, MomentOfEntry(*by), by->reason}));
        return false;
    }
    return true;
}

// No file of the register's reports folder bears a name the issue would give: the register then gave this
// number before and lost its entry (a copy put back from a backup), and the number must not be given again.
bool NamesFree(const RegisterPlace& place, const std::wstring& number, UserMessages& messages) {
    for (const wchar_t* extension : {L".html", L".xml", L".json"}) {
        const std::wstring path = place.ReportFile(number + extension);
        if (!FileExists(path)) continue;
        messages.ShowError(Message(MessageCode::RegisterNumberUsed, {path, number}));
        return false;
    }
    return true;
}

}  // namespace

// The files of one issue, written into the staging folder and onto the disk before the entry that names
// them is appended, then moved into the reports folder. Until the entry is appended they are nobody's and
// go with this object; after it they are the register's, and an issue that could not place them leaves them
// for the next one.
class StagedIssue {
public:
    explicit StagedIssue(const RegisterPlace& place) : place_(place) {}
    ~StagedIssue() {
        if (registered_) return;
        for (const RegisteredFile& file : files_) RemoveFile(Staged(file.name));
    }
    StagedIssue(const StagedIssue&) = delete;
    StagedIssue& operator=(const StagedIssue&) = delete;

    bool Text(const std::wstring& name, const std::string& bytes, UserMessages& messages) {
        std::wstring why;
        if (!CreateDurably(Staged(name), bytes, &why)) return Failed(name, why, messages);
        files_.push_back({name, Sha256Hex(bytes)});
        return true;
    }

    bool Page(const std::wstring& name, const XMLWrapper& document, const std::wstring& stylesheet,
              UserMessages& messages) {
        std::wstring why;
        const std::wstring path = Staged(name);
        files_.push_back({name, ""});
        if (!TransformToFile(document, stylesheet, path, &why) || !SyncToDisk(path, &why))
            return Failed(name, why, messages);
        files_.back().sha256 = Sha256OfFile(path).value_or("");
        return !files_.back().sha256.empty() || Failed(name, L"", messages);
    }

    const std::vector<RegisteredFile>& Files() const { return files_; }
    void Registered() { registered_ = true; }

    // Moves each file into its place; false, after telling which, when one could not be moved (it stays
    // staged: the next issue moves it).
    bool Place(const std::wstring& number, UserMessages& messages) const {
        bool all = true;
        for (const RegisteredFile& file : files_) {
            std::wstring why;
            if (!MoveIfAbsent(Staged(file.name), place_.ReportFile(file.name), &why)) {
                messages.ShowError(
                    Message(MessageCode::RegisterFileNotPlaced, {file.name, number, why, place_.Staging()}));
                all = false;
            }
            StopHereForTest("placed-one");
        }
        return all;
    }

private:
    std::wstring Staged(const std::wstring& name) const { return JoinPath(place_.Staging(), name); }

    bool Failed(const std::wstring& name, const std::wstring& why, UserMessages& messages) const {
        messages.ShowError(
            Message(MessageCode::RegisterFileNotStaged, {name, why.empty() ? L"" : L": " + why}));
        return false;
    }

    const RegisterPlace& place_;
    std::vector<RegisteredFile> files_;
    bool registered_ = false;
};

Message RegisterProblem(const RegisterFile& file, const RegisterRead& read) {
    if (!read.exists) return Message(MessageCode::RegisterMissing, {file.Path()});
    return Message(MessageCode::RegisterBroken,
                   {file.Path(), static_cast<int64_t>(read.brokenEntry), Nested(read.problem)});
}

ReportLink LinkOf(const RegisterEntry& entry) {
    ReportLink link;
    link.number = entry.number;
    link.issuedAt = ParseUtcIsoText(entry.utc).value_or(0);
    link.withdrawn = entry.event == RegisterEvent::Withdrawn;
    link.reason = entry.reason;
    return link;
}

bool ReportRegister::Start(const NumberPattern& pattern, uint64_t first, const std::wstring& program,
                           UserMessages& messages, const std::wstring& signatures) const {
    if (file_.Exists()) {
        messages.ShowError(Message(MessageCode::RegisterExists, {place_.file}));
        return false;
    }
    if (!MakeFolder(place_.Folder(), messages)) return false;
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    RegisterEntry entry;
    Stamp(entry, now, program);
    entry.pattern = pattern.Text();
    entry.counter = first - 1;
    entry.signatures = signatures;
    std::wstring why;
    if (!file_.Create(entry, why)) {
        messages.ShowError(Message(MessageCode::RegisterNotCreated, {place_.file, why}));
        return false;
    }
    messages.ShowMessage(Message(MessageCode::RegisterStarted,
                                 {place_.file, pattern.Text(), pattern.Format(first, LocalYear(now))}));
    return true;
}

RegisterLookup ReportRegister::LookUp(const RegisterQuery& query) const {
    RegisterLookup lookup;
    lookup.read = file_.Read([&](const RegisterEntry& entry) {
        const bool asked = !query.number.empty();
        if (asked && entry.GivesNumber() && entry.number == query.number) lookup.standing.issued = entry;
        const bool replaces =
            entry.event == RegisterEvent::Amended || entry.event == RegisterEvent::Withdrawn;
        if (asked && replaces && entry.replaces == query.number) lookup.standing.replacedBy = entry;
        if (asked && entry.event == RegisterEvent::Signed && entry.number == query.number)
            lookup.standing.signatures.push_back(entry);
        if (!entry.draftSha256.empty() && query.drafts.count(entry.draftSha256) != 0)
            lookup.drafts[entry.draftSha256] = entry;
        if (!entry.series.empty() && query.series.count(entry.series) != 0)
            lookup.series[entry.series] = entry;
    });
    return lookup;
}

std::optional<IssuedReport> ReportRegister::Issue(IssueRequest request, UserMessages& messages) const {
    RegisterQuery query{request.replaces, {}, {}};
    if (!request.draftSha256.empty()) query.drafts.insert(request.draftSha256);
    if (!request.series.empty()) query.series.insert(request.series);
    const std::unique_ptr<IssueSession> session = IssueSession::Open(place_, query, messages);
    return session ? session->Issue(std::move(request), messages) : std::nullopt;
}

std::optional<IssuedReport> ReportRegister::Withdraw(const WithdrawalRequest& request,
                                                     UserMessages& messages) const {
    const std::unique_ptr<IssueSession> session =
        IssueSession::Open(place_, {request.number, {}, {}}, messages);
    return session ? session->Withdraw(request, messages) : std::nullopt;
}

bool ReportRegister::Complete(UserMessages& messages) const {
    return IssueSession::Open(place_, {}, messages) != nullptr;
}

namespace {

IssuedReport IssuedOf(const RegisterPlace& place, RegisterEntry entry, ReportRegistration registration) {
    IssuedReport issued;
    issued.html = place.ReportFile(entry.number + L".html");
    issued.xml = place.ReportFile(entry.number + L".xml");
    issued.json = place.ReportFile(entry.number + L".json");
    issued.entry = std::move(entry);
    issued.registration = std::move(registration);
    return issued;
}

bool DocumentMade(XMLWrapper& document, UserMessages& messages) {
    if (document.CreateDocument()) return true;
    messages.ShowError(Message(MessageCode::DocumentNotCreated));
    return false;
}

}  // namespace

IssueSession::IssueSession(const RegisterPlace& place)
    : place_(place), file_(place.file), lock_(place.Folder(), FolderLock::Purpose::Register) {}

IssueSession::~IssueSession() = default;

// Reads the register under its lock: an append cut short is cut off, the last entry's files are put in
// place, what the staging folder holds besides is cleared.
std::unique_ptr<IssueSession> IssueSession::Open(const RegisterPlace& place, const RegisterQuery& query,
                                                 UserMessages& messages) {
    std::unique_ptr<IssueSession> session(new IssueSession(place));
    if (!TakeLock(session->lock_, place.file, messages)) return nullptr;
    RegisterLookup& found = session->found_;
    found = ReportRegister(place).LookUp(query);
    if (!found.read.Holds()) {
        messages.ShowError(RegisterProblem(session->file_, found.read));
        return nullptr;
    }
    if (found.read.tornTail) {
        std::wstring why;
        if (!session->file_.CutTornTail(found.read, why)) {
            messages.ShowError(Message(MessageCode::RegisterTailNotCut, {place.file, why}));
            return nullptr;
        }
        found.read.tornTail = false;
        messages.ShowMessage(Message(MessageCode::RegisterTailCut, {place.file}));
    }
    if (!MakeFolder(place.Reports(), messages) || !MakeFolder(place.Staging(), messages)) return nullptr;
    if (!PlaceLastFiles(place, *found.read.last, messages)) return nullptr;
    ClearStaging(place);
    return session;
}

void IssueSession::Took(const RegisterEntry& appended) {
    found_.read.entries = appended.place;
    if (appended.GivesNumber()) found_.read.counter = appended.counter;
    found_.read.last = appended;
    if (!appended.draftSha256.empty()) found_.drafts[appended.draftSha256] = appended;
    if (!appended.series.empty()) found_.series[appended.series] = appended;
    if (found_.standing.issued && appended.replaces == found_.standing.issued->number)
        found_.standing.replacedBy = appended;
    if (found_.standing.issued && appended.event == RegisterEvent::Signed &&
        appended.number == found_.standing.issued->number)
        found_.standing.signatures.push_back(appended);
}

// Appends the entry of staged files and puts them in place: the issue itself. The entry as written, or
// nothing after telling why.
std::optional<RegisterEntry> IssueSession::Commit(RegisterEntry entry, StagedIssue& staged,
                                                  UserMessages& messages) {
    StopHereForTest("staged");
    if (!lock_.StillHeld()) {
        messages.ShowError(Message(MessageCode::RegisterLockLost, {file_.Path()}));
        return std::nullopt;
    }
    entry.files = staged.Files();
    // An interruption waits for the entry and the files' moves; a process killed on the way leaves the
    // entry from which the next issue completes them.
    const InterruptsDeferred whole;
    std::wstring why;
    std::optional<RegisterEntry> appended = file_.Append(std::move(entry), found_.read, why);
    if (!appended) {
        messages.ShowError(Message(MessageCode::RegisterNotAppended, {file_.Path(), why}));
        return std::nullopt;
    }
    staged.Registered();
    StopHereForTest("appended");
    staged.Place(appended->number, messages);
    Took(*appended);
    return appended;
}

std::optional<IssuedReport> IssueSession::Issue(IssueRequest request, UserMessages& messages) {
    ReportModel& model = request.model;
    const std::wstring sample = model.samples.empty() ? std::wstring() : model.samples.front().sample;
    const bool amends = !request.replaces.empty();
    // What it would replace is named first: a number unknown or no longer in force is the fault to see.
    if (amends && !Replaceable(found_.standing, request.replaces, place_.file, messages)) return std::nullopt;
    if (const auto draft = found_.drafts.find(request.draftSha256); draft != found_.drafts.end()) {
        if (!request.takeEarlierIssue) {
            messages.ShowError(Message(MessageCode::RegisterDraftIssued,
                                       {draft->second.number, MomentOfEntry(draft->second)}));
            return std::nullopt;
        }
        IssuedReport issued = IssuedOf(place_, draft->second, {});
        issued.earlier = true;
        return issued;
    }
    if (const auto series = found_.series.find(request.series); series != found_.series.end()) {
        messages.ShowError(Message(MessageCode::RegisterSeriesIssued,
                                   {series->second.number, MomentOfEntry(series->second)}));
        return std::nullopt;
    }
    if (amends && found_.standing.issued->sample != sample) {
        messages.ShowError(Message(MessageCode::RegisterOtherSample,
                                   {sample, request.replaces, found_.standing.issued->sample}));
        return std::nullopt;
    }
    std::optional<RegisterEntry> entry =
        NextEntry(amends ? RegisterEvent::Amended : RegisterEvent::Issued, request.program, messages);
    if (!entry) return std::nullopt;
    entry->madeBy = FromUtf8(MakerKey(model.origin.maker));
    entry->sample = sample;
    entry->series = request.series;
    entry->draftSha256 = request.draftSha256;
    entry->replaces = request.replaces;
    entry->reason = request.reason;
    model.registration = IssuedRegistration(place_, found_.read, *entry);
    std::optional<RegisterEntry> replaced = amends ? found_.standing.issued : std::nullopt;
    if (replaced) {
        model.registration.supersedes = LinkOf(*replaced);
        model.registration.supersedes->reason = request.reason;
    }
    std::optional<IssuedReport> issued = Publish(
        std::move(*entry), [&model](XMLWrapper& document) { FillReportDocument(document, model); },
        [&model] { return ReportJson(model); }, request.stylesheet, messages);
    if (!issued) return std::nullopt;
    issued->registration = model.registration;
    issued->replaced = std::move(replaced);
    issued->model = std::move(model);
    return issued;
}

std::optional<IssuedReport> IssueSession::Withdraw(const WithdrawalRequest& request, UserMessages& messages) {
    if (!Replaceable(found_.standing, request.number, place_.file, messages)) return std::nullopt;
    const RegisterEntry withdrawn = *found_.standing.issued;
    std::optional<RegisterEntry> entry = NextEntry(RegisterEvent::Withdrawn, request.program, messages);
    if (!entry) return std::nullopt;
    entry->sample = withdrawn.sample;
    entry->replaces = request.number;
    entry->reason = request.reason;
    WithdrawalNotice notice;
    notice.registration = IssuedRegistration(place_, found_.read, *entry);
    notice.registration.supersedes = LinkOf(withdrawn);
    notice.registration.supersedes->withdrawn = true;
    notice.registration.supersedes->reason = request.reason;
    notice.sample = withdrawn.sample;
    notice.files = withdrawn.files;
    notice.language = request.language;
    std::optional<IssuedReport> issued = Publish(
        std::move(*entry), [&notice](XMLWrapper& document) { FillNoticeDocument(document, notice); },
        [&notice] { return NoticeJson(notice); }, request.stylesheet, messages);
    if (!issued) return std::nullopt;
    issued->registration = notice.registration;
    issued->replaced = withdrawn;
    return issued;
}

std::optional<RegisterEntry> IssueSession::NextEntry(RegisterEvent event, const std::wstring& program,
                                                     UserMessages& messages) const {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const std::optional<Numbering> next = NextNumber(found_.read, now, messages, place_.file);
    if (!next || !NamesFree(place_, next->number, messages)) return std::nullopt;
    RegisterEntry entry;
    Stamp(entry, now, program);
    entry.event = event;
    entry.number = next->number;
    entry.counter = next->counter;
    return entry;
}

std::optional<IssuedReport> IssueSession::Publish(RegisterEntry entry,
                                                  const std::function<void(XMLWrapper&)>& fillDocument,
                                                  const std::function<std::string()>& json,
                                                  const std::wstring& stylesheet, UserMessages& messages) {
    StagedIssue staged(place_);
    XMLWrapper document;
    if (!DocumentMade(document, messages)) return std::nullopt;
    fillDocument(document);
    const std::wstring& number = entry.number;
    const bool written = staged.Text(number + L".xml", document.ToText(), messages) &&
                         staged.Page(number + L".html", document, stylesheet, messages) &&
                         staged.Text(number + L".json", json(), messages);
    if (!written) return std::nullopt;
    std::optional<RegisterEntry> appended = Commit(std::move(entry), staged, messages);
    if (!appended) return std::nullopt;
    return IssuedOf(place_, std::move(*appended), {});
}

std::optional<RegisterEntry> IssueSession::Enter(RegisterEntry entry, const EntryFiles& files,
                                                 UserMessages& messages) {
    Stamp(entry, static_cast<int64_t>(std::time(nullptr)), entry.program);
    StagedIssue staged(place_);
    for (const auto& [name, bytes] : files.texts) {
        if (!staged.Text(name, bytes, messages)) return std::nullopt;
    }
    if (files.pageDocument != nullptr &&
        !staged.Page(files.pageName, *files.pageDocument, files.stylesheet, messages))
        return std::nullopt;
    return Commit(std::move(entry), staged, messages);
}
