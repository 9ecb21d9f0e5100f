#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Another report of the register a report names: the one it takes the place of, or the one that took its
// place.
struct ReportLink {
    std::wstring number;
    int64_t issuedAt = 0;  // seconds since 1970
    // What became of the earlier report: amended (a new calculation replaced it) or withdrawn.
    bool withdrawn = false;
    std::wstring reason;
};

// Where a report stands in the lab's register of issued reports, as its page, document and JSON carry it.
struct ReportRegistration {
    enum class Status {
        None,       // the lab keeps no register: the report says nothing of one, as before there was one
        Draft,      // made while the register is kept, not issued: no number, no result to sign
        Issued,     // issued under its number, in force
        Amended,    // issued, and replaced since by a new calculation (supersededBy)
        Withdrawn,  // issued, and withdrawn since (supersededBy names the notice)
    };
    Status status = Status::None;
    std::wstring number;
    int64_t issuedAt = 0;
    std::wstring issuedBy;  // "analyst@LAB-PC"
    std::optional<ReportLink> supersedes;
    std::optional<ReportLink> supersededBy;
    // The register's entry that issued it: the register file, the entry's place and the digest of the entry
    // before it (which a register rewritten before the issue no longer holds).
    std::wstring registerFile;
    size_t entry = 0;
    std::string previousEntrySha256;

    bool Kept() const { return status != Status::None; }
};

// The status as documents for programs name it: "draft", "issued", "amended", "withdrawn"; "" for None.
const char* RegistrationStatusKey(ReportRegistration::Status status);
// The status of such a key; None for any other text.
ReportRegistration::Status RegistrationStatusOfKey(const std::string& key);
