#pragma once

#include <optional>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/Limits.h"
#include "data/Assay.h"
#include "report/TransformAndOpen.h"

class UserMessages;
class XMLElement;
class XMLWrapper;

// The report: the chromatogram list and a copy of the last calculation as an XML document, turned by
// the stylesheet "Report.xsl" of the plug-in's data folder into an HTML file in the temporary folder,
// which the user's viewer then opens.
class ReportBuilder {
public:
    // messages: where a missing public documents folder is reported; open: the viewer for the
    // finished file (OpenWithShell unless a caller, such as a test, gives another).
    explicit ReportBuilder(UserMessages& messages, FileOpener open);

    const std::vector<Assay>* assays = nullptr;  // the dialog's list, read while the report is made
    CalculationData data;                        // copied from the dialog before each report
    // The limits the results are held against; Show reads the data folder's "LimitsOxycalc.csv".
    std::optional<LimitsFile> limits;
    // When the report is made, seconds since 1970; Show sets the present. 0: the document carries none.
    int64_t createdAt = 0;
    // The stylesheet of the host's language in the data folder ("Report.ENU.xsl"), used when it is
    // there; empty, or a file that is not there: "Report.xsl".
    std::wstring stylesheet;

    // Makes one report: document, HTML file in the temporary folder ("vlt…" plus ".html", its name held
    // meanwhile by an empty file that is then removed), transformation, viewer. Failures of the
    // transformation stay silent; failures of the DOM while the document is built are raised as
    // XMLError.
    void Show();

    // Appends the content to a document just made by XMLWrapper::CreateDocument: settings,
    // chromatograms, result table, total oxygen, and then what a stylesheet written for those four
    // does not know: the calculation's warnings, the samples, each chromatogram's kind, each result's
    // constants, the sums without the internal standard, the limits' verdicts and the program.
    void FillDocument(XMLWrapper& wrapper) const;

private:
    void AddSettings(XMLWrapper& wrapper) const;
    void AddFiles(XMLWrapper& wrapper) const;
    void AddCalcTable(XMLWrapper& wrapper) const;
    void AddOxygen(XMLWrapper& wrapper) const;
    void AddWarnings(XMLWrapper& wrapper) const;
    void AddSamples(XMLWrapper& wrapper) const;
    void AddChromatogramKinds(XMLWrapper& wrapper) const;
    void AddResultDetails(XMLWrapper& wrapper) const;
    void AddTotalsWithoutStandard(XMLWrapper& wrapper) const;
    void AddLimits(XMLWrapper& wrapper) const;
    void AddProgram(XMLWrapper& wrapper) const;
    void AddCreated(XMLWrapper& wrapper) const;

    UserMessages& messages_;
    FileOpener open_;
};
