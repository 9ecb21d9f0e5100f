#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// Writes each requested file; false, after telling why, when one cannot be written.
bool WriteReportFiles(const ReportModel& model, const ReportOutputs& outputs, UserMessages& messages);

// Writes a whole file, flushed and closed; false, after telling why, when the file system did not take
// it all.
bool WriteText(const std::wstring& path, const std::string& text, UserMessages& messages);

// Writes a file through a part file beside it ("….part") that takes its place only when whole: a
// reader (a LIMS watching the folder) never meets half a report, and a full disk leaves the previous
// file as it was. `write` makes the part file, or says why it could not.
bool WriteReplacing(const std::wstring& path, UserMessages& messages,
                    const std::function<bool(const std::wstring& part, std::wstring& error)>& write);
