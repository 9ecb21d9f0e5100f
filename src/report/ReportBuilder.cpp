#include "report/ReportBuilder.h"

#include <string>
#include <utility>

#include "platform/TemporaryFile.h"
#include "report/ReportDocument.h"
#include "report/TemporaryReportFile.h"
#include "xml/XMLWrapper.h"

ReportBuilder::ReportBuilder(UserMessages& messages, FileOpener open)
    : messages_(messages), open_(std::move(open)) {}

void ReportBuilder::Show() {
    XMLWrapper wrapper;
    wrapper.CreateDocument();
    const TemporaryReportFile output(TemporaryFolder());
    if (output.HtmlPath().empty()) return;
    // Without the public documents folder there is no stylesheet to use: the user is told, and no
    // stylesheet is looked for elsewhere.
    const std::wstring stylesheetPath = ReportStylesheetPath(stylesheet, messages_);
    if (stylesheetPath.empty()) return;
    model.stylesheet = FileInput(stylesheetPath);
    FillDocument(wrapper);
    TransformAndOpen(wrapper, stylesheetPath, output.HtmlPath(), open_);
}

void ReportBuilder::FillDocument(XMLWrapper& wrapper) const {
    FillReportDocument(wrapper, model);
}
