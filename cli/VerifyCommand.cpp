#include "VerifyCommand.h"

#include <cstdio>
#include <ctime>
#include <optional>

#include "ConsoleMessages.h"
#include "RegisterCheck.h"
#include "platform/ConsoleText.h"
#include "platform/LocalTime.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/TableLog.h"
#include "report/ReportDocument.h"
#include "report/ReportJson.h"
#include "sign/CmsSignature.h"
#include "verify/RecordedReport.h"
#include "verify/ReportDifferences.h"
#include "verify/ReportRebuild.h"

namespace {

// What the comparison passes over: when the report was made and by which program (shown, not compared),
// and the checksums and log anchors of its files, which InputDifferences names in words.
const std::vector<std::string> kSkippedJson = {
    "created_utc",
    "program",
    // Where the report stands in the register is held against the register (RegisterCheck).
    "report_number",
    "status",
    "issued_utc",
    "issued_by",
    "supersedes",
    "superseded_by",
    "register",
    "inputs.chromatograms.sha256",
    "inputs.components_file.sha256",
    "inputs.components_file.logged",
    "inputs.components_file.log_entries",
    "inputs.components_file.log_last_entry_sha256",
    "inputs.limits_file.sha256",
    "inputs.limits_file.logged",
    "inputs.limits_file.log_entries",
    "inputs.limits_file.log_last_entry_sha256",
    "inputs.stylesheet.sha256",
    "inputs.densities_file.sha256",
    "inputs.qc_file.sha256",
    "inputs.qc_file.logged",
    "inputs.qc_file.log_entries",
    "inputs.qc_file.log_last_entry_sha256",
};

// What this version of the program writes that reports made before it lack: no difference while the
// report lacks it.
const std::vector<std::string> kAddedLaterJson = {"columns", "limits.limits.verdict_text"};
const std::vector<std::string> kAddedLaterXml = {"Document/words"};

const std::vector<std::string> kSkippedXml = {
    "Document/created",
    "Document/created_utc",
    "Document/program",
    "Document/registration",
    "Document/inputs/chromatogram/sha256",
    "Document/inputs/components_file/sha256",
    "Document/inputs/components_file/logged",
    "Document/inputs/components_file/log_entries",
    "Document/inputs/components_file/log_last_entry_sha256",
    "Document/inputs/limits_file/sha256",
    "Document/inputs/limits_file/logged",
    "Document/inputs/limits_file/log_entries",
    "Document/inputs/limits_file/log_last_entry_sha256",
    "Document/inputs/stylesheet/sha256",
    "Document/inputs/densities_file/sha256",
    "Document/inputs/qc_file/sha256",
    "Document/inputs/qc_file/logged",
    "Document/inputs/qc_file/log_entries",
    "Document/inputs/qc_file/log_last_entry_sha256",
};

MessageArg Short(const std::string& sha256) {
    if (sha256.empty()) return Nested(MessageCode::VerifyNotRead);
    return FromUtf8(sha256.substr(0, 12)) + L"…";
}

// A file against its recorded checksum.
void CompareFile(MessageCode what, const RecordedFile& file, const std::wstring& reportPath,
                 std::vector<Message>& differences) {
    const std::wstring path = ResolveRecordedPath(file.path, reportPath);
    const std::optional<std::string> now = Sha256OfFile(path);
    if (!now) {
        differences.push_back(Message(MessageCode::VerifyFileGone, {Nested(what), file.path}));
    } else if (*now != file.sha256) {
        differences.push_back(Message(MessageCode::VerifyFileChanged,
                                      {Nested(what), file.path, Short(file.sha256), Short(*now)}));
    }
}

// A table's change log against the entry the report anchored: still there, in an unbroken chain. A report
// that anchored none while the table has a log now says nothing of it: it cannot vouch for that log.
void CompareLog(MessageCode what, const RecordedTable& table, const std::wstring& reportPath,
                std::vector<Message>& differences) {
    const TableLog log(ResolveRecordedPath(table.file.path, reportPath));
    if (table.version.logEntries == 0) {
        if (log.Exists())
            differences.push_back(Message(MessageCode::VerifyLogNotAnchored, {Nested(what), log.Path()}));
        return;
    }
    const TableLogCheck check =
        CheckLogHolds(log.ReadAll(), {table.version.logEntries, table.version.logLastEntrySha256, L""});
    if (!check.intact)
        differences.push_back(
            Message(MessageCode::VerifyLogBroken, {Nested(what), log.Path(), Nested(check.problem)}));
}

void Print(MessageCode title, const std::vector<Message>& lines, MessageCode none, Language language) {
    std::wstring text = Render(title, language) + L"\n";
    if (lines.empty()) text += L"  " + Render(none, language) + L"\n";
    for (const Message& line : lines) text += L"  " + Render(line, language) + L"\n";
    WriteConsoleText(stdout, text);
}

std::string Serialised(const ReportModel& model, RecordedReport::Format format) {
    return format == RecordedReport::Format::Json ? ReportJson(model) : ReportDocumentText(model);
}

// A value as a difference shows it: what the report holds there, or that it holds nothing there.
MessageArg Shown(const std::wstring& value, bool lacking) {
    return lacking ? Nested(MessageCode::Absent) : MessageArg(value);
}

std::vector<Message> FieldDifferences(const RecordedReport& recorded, const ReportModel& model) {
    const std::string present = Serialised(model, recorded.format);
    const std::vector<ReportDifference> differences =
        recorded.format == RecordedReport::Format::Json
            ? CompareJsonReports(recorded.bytes, present, kSkippedJson, kAddedLaterJson)
            : CompareXmlReports(recorded.bytes, present, kSkippedXml, kAddedLaterXml);
    std::vector<Message> lines;
    for (const ReportDifference& d : differences)
        lines.push_back(Message(MessageCode::VerifyDifference, {d.where, Shown(d.recorded, d.recordedLacks),
                                                                Shown(d.present, d.presentLacks)}));
    return lines;
}

// Local times are shown as where the report was made: each moment at the offset the report recorded for it.
// A report that recorded one offset only is shown at it when this computer's differs then.
struct ReportZone {
    std::optional<RecordedUtcOffsets> byMoment;
    std::optional<FixedUtcOffset> fixed;
};

void ShowTimesAsRecorded(const RecordedReport& recorded, ReportZone& zone) {
    if (!recorded.utcOffsets.empty()) {
        zone.byMoment.emplace(recorded.utcOffsets, recorded.utcOffsetMinutes);
        return;
    }
    const int64_t moment =
        recorded.createdAt != 0 ? recorded.createdAt : static_cast<int64_t>(std::time(nullptr));
    if (UtcOffsetMinutes(moment) != recorded.utcOffsetMinutes) zone.fixed.emplace(recorded.utcOffsetMinutes);
}

}  // namespace

std::vector<Message> InputDifferences(const RecordedReport& report, const std::wstring& reportPath) {
    std::vector<Message> differences;
    for (const RecordedChromatogram& chromatogram : report.chromatograms)
        CompareFile(MessageCode::WhatChromatogramFile, chromatogram.file, reportPath, differences);
    CompareFile(MessageCode::WhatComponentsFile, report.componentsFile.file, reportPath, differences);
    CompareLog(MessageCode::OfComponentsTable, report.componentsFile, reportPath, differences);
    if (report.limitsFile) {
        CompareFile(MessageCode::WhatLimitsFile, report.limitsFile->file, reportPath, differences);
        CompareLog(MessageCode::OfLimitsFile, *report.limitsFile, reportPath, differences);
    }
    if (report.stylesheet)
        CompareFile(MessageCode::WhatStylesheet, *report.stylesheet, reportPath, differences);
    if (const auto& densities = report.origin.densitiesFile)
        CompareFile(MessageCode::WhatDensitiesFileShort, {densities->path, densities->sha256}, reportPath,
                    differences);
    if (report.qcFile) {
        CompareFile(MessageCode::WhatQcFile, report.qcFile->file, reportPath, differences);
        CompareLog(MessageCode::OfQcFile, *report.qcFile, reportPath, differences);
    }
    return differences;
}

std::vector<Message> RebuiltDifferences(const RecordedReport& report, const std::wstring& reportPath,
                                        std::optional<ReportModel>& model) {
    RebuiltReport rebuilt = RebuildReport(report, reportPath);
    std::vector<Message> fields = rebuilt.unverifiable;
    if (rebuilt.model) {
        const std::vector<Message> differences = FieldDifferences(report, *rebuilt.model);
        fields.insert(fields.end(), differences.begin(), differences.end());
    }
    model = std::move(rebuilt.model);
    return fields;
}

ExitCode RunVerify(const std::wstring& reportPath, Language language,
                   const std::optional<std::wstring>& registerFile,
                   const std::optional<std::wstring>& trustFolder) {
    if (IsNoticeFile(reportPath)) return VerifyNotice(reportPath, registerFile, language);
    Message error;
    const std::optional<RecordedReport> report = ReadRecordedReport(reportPath, error);
    if (!report) {
        WriteCliLine(stderr, error, language);
        return kExitUsage;
    }
    const RegisterStanding standing =
        CheckAgainstRegister(*report, reportPath, registerFile, TrustAnchors{trustFolder});
    PrintStanding(standing, language);
    const std::vector<Message> inputs = InputDifferences(*report, reportPath);
    ReportZone zone;
    ShowTimesAsRecorded(*report, zone);
    std::optional<ReportModel> model;
    const std::vector<Message> fields = RebuiltDifferences(*report, reportPath, model);
    Print(MessageCode::VerifyInputsHeading, inputs, MessageCode::VerifyInputsMatch, language);
    Print(MessageCode::VerifyRebuiltHeading, fields, MessageCode::VerifyRebuiltMatches, language);
    return inputs.empty() && fields.empty() && standing.inForce ? kExitSuccess : kExitFailure;
}
