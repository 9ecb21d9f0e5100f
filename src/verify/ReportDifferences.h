#pragma once

#include <string>
#include <vector>

// One place where a report as written and the same report made again differ.
struct ReportDifference {
    std::wstring where;     // "results[2 «Этанол»].mass_percent", "Document/limits/limit[1]/verdict"
    std::wstring recorded;  // as the report has it; "нет" when it lacks the place
    std::wstring present;   // as the report made again has it; "нет" when it lacks the place
    bool recordedLacks = false;  // the report lacks the place: `recorded` says so in Russian
    bool presentLacks = false;   // the report made again lacks it
};

// Compares two reports for programs member by member. `skipped` names places passed over, by their path
// without indexes ("created_utc", "inputs.chromatograms.sha256"), with all they hold; `addedLater` names
// places a later version of the program writes, which a report made before it lacks without a difference.
std::vector<ReportDifference> CompareJsonReports(const std::string& recorded, const std::string& present,
                                                 const std::vector<std::string>& skipped,
                                                 const std::vector<std::string>& addedLater = {});

// Compares two report documents element by element, in their order, texts whole. `skipped` names elements
// passed over by their path without indexes ("Document/created", "Document/inputs/chromatogram/sha256");
// `addedLater` elements a report made before them lacks at the end of their parent without a difference.
std::vector<ReportDifference> CompareXmlReports(const std::string& recorded, const std::string& present,
                                                const std::vector<std::string>& skipped,
                                                const std::vector<std::string>& addedLater = {});
