#pragma once

#include <string>
#include <vector>

#include "messages/Language.h"

class UserMessages;

// The HTML file of one report in the temporary folder: a name the platform forms from "vlt" and creates
// as an empty file, ".html" appended. A name whose HTML file is already there (a report shown earlier,
// still open in its viewer) is passed over. Nothing is deleted afterwards: the empty file stays, and the
// HTML file for the viewer.
class TemporaryReportFile {
public:
    explicit TemporaryReportFile(const std::wstring& folder);

    // Empty when no name could be had.
    const std::wstring& HtmlPath() const { return html_; }

private:
    std::wstring html_;
};

// The stylesheet of the data folder a report is made with: `preferred` (the host language's, say
// "Report.ENU.xsl") when that file is there, otherwise "Report.xsl". Empty, after telling the user,
// when the public documents folder is unknown.
std::wstring ReportStylesheetPath(const std::wstring& preferred, UserMessages& messages);

// The file name of a stylesheet of the data folder in a language: "Report.xsl", "Report.ENU.xsl".
std::wstring StylesheetName(const std::wstring& stem, Language language);
