#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What an entry of the register of issued reports records. Entries are only ever appended; what one says of
// an earlier report (amended, withdrawn) it says by naming that report's number.
enum class RegisterEvent {
    Started,    // the register was begun, with its number pattern
    Issued,     // a report was issued under a new number
    Amended,    // a report was issued under a new number in place of an earlier one (`replaces`)
    Withdrawn,  // a notice was issued under a new number withdrawing an earlier report (`replaces`)
    Signed,  // a report (`number`) was signed: its statement and signature, the page showing its signatures
    Other,   // an event of a later version of the program (a signature, say): kept in the chain, passed over
};

// A file of an issued report, by its name in the register's reports folder and its SHA-256.
struct RegisteredFile {
    std::wstring name;
    std::string sha256;
};

// One entry of the register, as it is written: plain UTF-8 a person can read, its fields one line each, and
// the SHA-256 of the entry before it, so that an entry removed or edited shows.
struct RegisterEntry {
    size_t place = 0;      // its place in the register, from 1
    std::wstring utc;      // when, "2026-03-14T10:12:30Z"
    std::wstring local;    // the same in local time, "14.03.2026 13:12"
    std::wstring user;     // "analyst@LAB-PC"
    std::wstring program;  // the program and its part that wrote it: "oxycalc 1.1.1.0, oxycalc-cli issue"
    RegisterEvent event = RegisterEvent::Other;
    std::wstring eventText;  // the event as written; what an Other entry says it is

    std::wstring pattern;        // Started: the number pattern
    std::wstring signatures;     // Started: the meanings the lab signs with, in their order; empty: all three
    uint64_t counter = 0;        // Started: the counter's first value less one; else the counter of `number`
    std::wstring number;         // Issued, Amended, Withdrawn: the number given
    std::wstring madeBy;         // how the report was made: "plugin", "report", "batch"
    std::wstring sample;         // the sample of its ticked chromatograms
    std::wstring series;         // a batch's: the series, by its first analysis
    std::string draftSha256;     // of the draft it was issued from
    std::wstring replaces;       // Amended, Withdrawn: the number of the report it takes the place of
    std::wstring reason;         // Amended, Withdrawn: why
    std::wstring meaning;        // Signed: what the signature means, in the lab's word ("составил")
    std::wstring signer;         // Signed: the signer's name, as the certificate gives it
    std::wstring signerSubject;  // Signed: the certificate's whole subject, the person
    std::vector<RegisteredFile> files;

    std::string previousSha256;  // of the entry before, as written; "—" for the first
    std::string text;            // the entry as the register holds it: what the next entry's digest covers

    // Whether the entry gives a number: Issued, Amended, Withdrawn.
    bool GivesNumber() const;
};

// The text an entry is written as, its `text` not looked at.
std::string RegisterEntryText(const RegisterEntry& entry);

// An entry read back from its text; lines it does not know are passed over, so that entries of a later
// version read.
RegisterEntry ParseRegisterEntry(const std::string& text);

// How an entry begins: a register is told from any other file by its first bytes.
extern const char kRegisterEntryStart[];
// The digest an entry that has none before it carries.
extern const char kNoPreviousEntry[];
