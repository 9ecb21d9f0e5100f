#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/ReportModel.h"
#include "verify/RecordedReport.h"

// A recorded report made again: with the settings it records, from its inputs as they are now, through
// the road that made it (a batch's series grouped anew, its density taken from the densities file, its
// QC mark judged anew).
struct RebuiltReport {
    std::optional<ReportModel> model;  // none when it cannot be made again; `unverifiable` says why
    std::vector<Message> unverifiable;
};

RebuiltReport RebuildReport(const RecordedReport& recorded, const std::wstring& reportPath);

// Where a path a report records is now: as recorded when it is there, otherwise a relative one beside
// the report; as recorded when neither is there.
std::wstring ResolveRecordedPath(const std::wstring& recorded, const std::wstring& reportPath);

// The stylesheet a recorded report's page was made with, where it is now; when it records none, the one of
// its language beside its components file.
std::wstring RecordedStylesheet(const std::wstring& reportJson);
