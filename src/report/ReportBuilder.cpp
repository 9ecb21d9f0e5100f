#include "report/ReportBuilder.h"

#include <string>
#include <utility>

#include "calc/DataFilePath.h"
#include "platform/TemporaryFile.h"
#include "report/ReportDocument.h"
#include "report/XMLWrapper.h"

ReportBuilder::ReportBuilder(UserMessages& messages, FileOpener open)
    : messages_(messages), open_(std::move(open)) {}

void ReportBuilder::Show() {
    XMLWrapper wrapper;
    wrapper.CreateDocument();
    const std::wstring folder = TemporaryFolder();
    if (folder.empty()) return;
    // The empty file holds the unique name; the report goes next to it with ".html" appended.
    const std::wstring temporaryName = CreateTemporaryFile(folder, L"vlt");
    if (temporaryName.empty()) return;
    const std::wstring outputPath = temporaryName + L".html";
    // Without the public documents folder there is no stylesheet to use: the user is told, and no
    // stylesheet is looked for elsewhere.
    const std::wstring stylesheetPath = DataFilePath(L"\\Report.xsl", messages_);
    if (stylesheetPath.empty()) return;
    model.stylesheet = StylesheetInput(stylesheetPath);
    FillDocument(wrapper);
    TransformAndOpen(wrapper, stylesheetPath, outputPath, open_);
}

void ReportBuilder::FillDocument(XMLWrapper& wrapper) const {
    FillReportDocument(wrapper, model);
}
