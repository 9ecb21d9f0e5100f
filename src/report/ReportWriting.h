#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/StagedFiles.h"
#include "report/ReportModel.h"

class UserMessages;

// The report files to write; an absent one is not written.
struct ReportOutputs {
    std::optional<std::wstring> xml;   // the report document
    std::optional<std::wstring> html;  // the document turned into a page by `stylesheet`
    std::optional<std::wstring> json;  // everything, for programs (ReportJson)
    std::optional<std::wstring> csv;   // the results, for spreadsheets (ResultsCsv)
    std::wstring stylesheet;

    // The paths given, in this order.
    std::vector<std::wstring> Paths() const;
};

// Writes each requested file into a temporary file staged for it; false, after telling why and with
// the staged files discarded, when one cannot be written.
bool StageReportFiles(const ReportModel& model, const ReportOutputs& outputs, StagedFiles& staged,
                      UserMessages& messages);

// Writes the requested files together: a reader (a LIMS watching the folder) never meets half a report
// or a report of mixed runs, and a full disk or an interruption leaves the previous files as they were.
// False, after telling why, when they are not written.
bool WriteReportFiles(const ReportModel& model, const ReportOutputs& outputs, UserMessages& messages);

// Stages a file whose content `write` makes at the path it is given; false, after telling why, when it
// could not (`write` says why through its second argument).
bool StageFile(const std::wstring& target, StagedFiles& staged, UserMessages& messages,
               const std::function<bool(const std::wstring& path, std::wstring& error)>& write);
// Stages a file of the text's bytes.
bool StageText(const std::wstring& target, const std::string& text, StagedFiles& staged,
               UserMessages& messages);

// Commits staged files; false, after telling which, when one could not take its place.
bool CommitStaged(StagedFiles& staged, UserMessages& messages);

// Writes one whole file of the text's bytes, as WriteReportFiles writes reports; staged in
// `stagingFolder` (on the file's volume) when one is given, else beside the file.
bool WriteText(const std::wstring& path, const std::string& text, UserMessages& messages,
               const std::wstring& stagingFolder = std::wstring());
