#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/FolderLock.h"
#include "register/NumberPattern.h"
#include "register/RegisterFile.h"
#include "register/RegisterPlace.h"
#include "report/ReportModel.h"

class StagedIssue;
class XMLWrapper;
class UserMessages;

// A number's place in the register: the entry that gave it and, once the report was amended or withdrawn,
// the entry that did.
struct NumberStanding {
    std::optional<RegisterEntry> issued;
    std::optional<RegisterEntry> replacedBy;
    std::vector<RegisterEntry> signatures;  // the entries of its signatures, in the order they were made
};

// Files an entry that gives no number brings into the reports folder (a signature's): texts, and a page
// made of a document.
struct EntryFiles {
    std::vector<std::pair<std::wstring, std::string>> texts;  // name, bytes
    std::wstring pageName;
    const XMLWrapper* pageDocument = nullptr;
    std::wstring stylesheet;
};

// What to look for while the register is read.
struct RegisterQuery {
    std::wstring number;            // a report's number
    std::set<std::string> drafts;   // drafts, by their checksums
    std::set<std::wstring> series;  // a batch's series, by their first analyses
};

// The register read whole, with what the query asked for.
struct RegisterLookup {
    RegisterRead read;
    NumberStanding standing;                       // of the number asked
    std::map<std::string, RegisterEntry> drafts;   // the entries that issued the drafts asked
    std::map<std::wstring, RegisterEntry> series;  // the last entry that issued a report of each series
};

// A drafted report to issue: what it is, where it came from, and what it replaces.
struct IssueRequest {
    ReportModel model;        // the report as drafted; the issue sets its registration
    std::string draftSha256;  // of the draft's own text, so that one draft is never issued twice
    std::wstring series;      // a batch's: the series, by its first analysis
    std::wstring stylesheet;  // the page's
    std::wstring program;     // the part of the program that issues: "oxycalc-cli issue", "модуль"
    std::wstring replaces;    // the number of the report it amends; empty for a first issue
    std::wstring reason;      // why it amends it
    // A draft issued before is no fault but the issue it had (a batch run again over the same dates).
    bool takeEarlierIssue = false;
};

// A withdrawal to issue: the report's number, why, and how the notice's page is made.
struct WithdrawalRequest {
    std::wstring number;
    std::wstring reason;
    std::wstring stylesheet;
    Language language = Language::Russian;
    std::wstring program;
};

// What an issue did: the entry it appended, the report as issued and its files.
struct IssuedReport {
    RegisterEntry entry;
    ReportRegistration registration;
    std::wstring html;  // the files, in the register's reports folder
    std::wstring xml;
    std::wstring json;
    std::optional<ReportModel> model;       // the report as issued; none for a notice or an earlier issue
    std::optional<RegisterEntry> replaced;  // the entry of the report it amends or withdraws
    bool earlier = false;  // the draft's issue before (IssueRequest::takeEarlierIssue): nothing was written
};

// The register held for issuing: its lock taken (other processes and workstations wait), what an issue cut
// short left completed, the chain held and read once. A batch issues its series in one session.
class IssueSession {
public:
    // Nothing, after telling why, when the lock cannot be had or the register does not hold.
    static std::unique_ptr<IssueSession> Open(const RegisterPlace& place, const RegisterQuery& query,
                                              UserMessages& messages);
    ~IssueSession();
    IssueSession(const IssueSession&) = delete;
    IssueSession& operator=(const IssueSession&) = delete;

    // Issues a drafted report under the next number (in place of `replaces` when it names one, which the
    // query must have asked for). Nothing, after telling why, when it is not issued.
    std::optional<IssuedReport> Issue(IssueRequest request, UserMessages& messages);
    // Issues a notice withdrawing the report the query asked for under the next number.
    std::optional<IssuedReport> Withdraw(const WithdrawalRequest& request, UserMessages& messages);

    // Enters an event of the number the query asked for that gives no number (a signature), with its files
    // staged, entered and put in place as an issue's are. The entry as written, or nothing after telling why.
    std::optional<RegisterEntry> Enter(RegisterEntry entry, const EntryFiles& files, UserMessages& messages);

    const RegisterLookup& Found() const { return found_; }

private:
    explicit IssueSession(const RegisterPlace& place);
    // The register as it stands after an entry this session appended.
    void Took(const RegisterEntry& appended);
    std::optional<RegisterEntry> Commit(RegisterEntry entry, StagedIssue& staged, UserMessages& messages);
    // The entry of the next number, stamped now; nothing, after telling why, when none can be given.
    std::optional<RegisterEntry> NextEntry(RegisterEvent event, const std::wstring& program,
                                           UserMessages& messages) const;
    // Stages an issue's files (its document, the page made of it, its JSON) and commits its entry.
    std::optional<IssuedReport> Publish(RegisterEntry entry,
                                        const std::function<void(XMLWrapper&)>& fillDocument,
                                        const std::function<std::string()>& json,
                                        const std::wstring& stylesheet, UserMessages& messages);

    RegisterPlace place_;
    RegisterFile file_;
    FolderLock lock_;
    RegisterLookup found_;
};

// The lab's register of issued reports: a number for each report issued, never given twice, and the files
// it was issued with, kept as they were. Every issue takes the register's folder lock (other processes and
// other workstations wait), completes what an issue cut short left, holds the whole chain, and only then
// gives the next number. The entry is the issue: files are staged and on the disk before it is appended and
// put in place after, so that an interruption leaves the draft, or an entry whose files the next issue
// puts in place, never files with a number the register does not hold.
class ReportRegister {
public:
    explicit ReportRegister(RegisterPlace place) : place_(std::move(place)), file_(place_.file) {}

    const RegisterPlace& Place() const { return place_; }

    // Begins the register with its number pattern; the first report gets the counter `first`.
    // `signatures`: the meanings the lab signs with, in their order, as words; empty: all three.
    bool Start(const NumberPattern& pattern, uint64_t first, const std::wstring& program,
               UserMessages& messages, const std::wstring& signatures = std::wstring()) const;

    // One issue in a session of its own (IssueSession::Issue, Withdraw).
    std::optional<IssuedReport> Issue(IssueRequest request, UserMessages& messages) const;
    std::optional<IssuedReport> Withdraw(const WithdrawalRequest& request, UserMessages& messages) const;

    // Reads the register whole, looking for what the query asks.
    RegisterLookup LookUp(const RegisterQuery& query) const;

    // Completes, under the register's lock, what an issue cut short left (see Issue). False, after telling
    // why, when the lock cannot be had or the register does not hold.
    bool Complete(UserMessages& messages) const;

private:
    RegisterPlace place_;
    RegisterFile file_;
};

// The register's problem in one message, naming the register and the entry.
Message RegisterProblem(const RegisterFile& file, const RegisterRead& read);

// The link a report carries to an entry of the register that issued a number.
ReportLink LinkOf(const RegisterEntry& entry);
