#pragma once

#include <string>

#include "report/ReportModel.h"
#include "report/TransformAndOpen.h"

class UserMessages;
class XMLWrapper;

// The report: the chromatogram list and a copy of the last calculation as an XML document, turned by
// the stylesheet of the plug-in's data folder ("Report.xsl", or the host language's) into an HTML file in
// the temporary folder, which the user's viewer then opens.
class ReportBuilder {
public:
    // messages: where a missing public documents folder is reported; open: the viewer for the
    // finished file (OpenWithShell unless a caller, such as a test, gives another).
    explicit ReportBuilder(UserMessages& messages, FileOpener open);

    // What the report shows: the dialog's list and its last calculation, made when the user asks.
    ReportModel model;
    // The stylesheet of the host's language in the data folder ("Report.ENU.xsl"), used when it is
    // there; empty, or a file that is not there: "Report.xsl".
    std::wstring stylesheet;

    // Makes one report: document, HTML file in the temporary folder ("vlt…" plus ".html", beside the empty
    // file that gave its name; neither is deleted), transformation, viewer. Failures of the
    // transformation stay silent; failures of the DOM while the document is built are raised as
    // XMLError.
    void Show();

    // Appends the model to a document just made by XMLWrapper::CreateDocument.
    void FillDocument(XMLWrapper& wrapper) const;

private:
    UserMessages& messages_;
    FileOpener open_;
};
