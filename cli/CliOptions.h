#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RegisterOptions.h"
#include "messages/Language.h"
#include "messages/Message.h"

// What `oxycalc-cli report` was asked to do.
struct CliOptions {
    std::wstring database;        // the host database file
    std::vector<int32_t> assays;  // chromatogram ids in the order given; repeats allowed
    std::vector<int32_t> ticks;   // ids to tick; each is one of `assays`
    bool tickAll = false;
    double sampleDensity = 1.0;       // kg/m3; 1 when not given or given empty, as the dialog takes it
    bool sampleDensityGiven = false;  // --density with a number
    std::wstring standard;
    std::wstring components;                 // the components file
    std::optional<std::wstring> xmlPath;     // where the report document goes, if anywhere
    std::optional<std::wstring> htmlPath;    // where the HTML report goes, if anywhere
    std::optional<std::wstring> jsonPath;    // where the report for programs goes, if anywhere
    std::optional<std::wstring> csvPath;     // where the results for spreadsheets go, if anywhere
    std::optional<std::wstring> stylesheet;  // the stylesheet for htmlPath; the data folder's by default
    std::optional<std::wstring> limits;      // a limits file the results are held against
    std::optional<Language> language;        // of the report's words (--lang); Russian when not given
    std::optional<std::wstring>
        registerFile;  // the lab's register (--register); by default beside the components
};

// Local days from the start of `from` to the end of `to`, as given.
struct DateRange {
    int64_t from = 0;
    int64_t to = 0;  // exclusive: the start of the day after
    std::wstring fromText;
    std::wstring toText;
};

// What `oxycalc-cli batch` was asked to do: every series of parallel determinations of the database
// whose first analysis falls in the dates. `oxycalc-cli qc` takes the same, without limits, and draws
// the control charts of the QC series alone; with --establish it records the limits of each chart.
struct BatchOptions {
    std::wstring database;
    std::wstring components;
    std::wstring standard;
    std::wstring densities;                // "sample;density" lines
    std::wstring outFolder;                // where the reports and the index page go; made when missing
    std::optional<int64_t> from;           // analyses from the start of this local day on
    std::optional<int64_t> to;             // analyses before the end of this local day
    std::optional<std::wstring> fromText;  // the dates as given, for the index page
    std::optional<std::wstring> toText;
    int64_t seriesGapSeconds = 12 * 3600;  // longer between two analyses of a sample: another series
    std::optional<std::wstring> limits;
    std::optional<std::wstring>
        stylesheet;                       // batch: the reports' (Report.xsl); qc: the QC page's (QcChart.xsl)
    std::optional<DateRange> qcBaseline;  // qc --establish: the series whose QC results give the limits
    bool establish = false;               // qc: establish each line's limits and record them in the QC file
    std::wstring reason;                  // why they are established or revised
    int64_t waitSeconds = 60;             // batch: how long to wait for a folder another batch holds
    Language language = Language::Russian;     // of the pages' and documents' words (--lang)
    bool issue = false;                        // batch: issue each series' report (--issue)
    std::optional<std::wstring> registerFile;  // batch: the lab's register (--register)
};

// The outcome of reading the command line: options to run, help to print, or a usage error.
struct CliParse {
    enum class Kind { Run, Help, Error };
    enum class Command { Report, Batch, Verify, History, Qc, Register };
    Kind kind = Kind::Error;
    Command command = Command::Report;
    CliOptions options;  // for report
    BatchOptions batch;  // for batch and qc
    std::wstring file;   // for verify (the report) and history (the table)
    // For history: the reason to give an earlier entry (--reason), and which one (--entry; none: the
    // newest save in the program).
    std::optional<std::wstring> reason;
    std::optional<size_t> entry;
    std::optional<std::wstring> registerFile;  // for verify: the register to hold the report against
    std::optional<std::wstring> trustFolder;   // for verify: the certificates the lab trusts (--trust)
    RegisterOptions registerOptions;           // for register, issue and amend
    Message error;                             // for Error: what is wrong, one line
};

// Reads the arguments after the program name.
CliParse ParseCliOptions(const std::vector<std::wstring>& args);

// The language the command line is asked to speak (--lang, wherever it stands and whatever else is wrong
// with the arguments); Russian when none is asked for.
Language CommandLineLanguage(const std::vector<std::wstring>& args);
