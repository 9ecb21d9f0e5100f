#pragma once

#include <string>
#include <vector>

#include "messages/Language.h"
#include "register/RegisterEntry.h"
#include "report/ReportRegistration.h"

class XMLWrapper;

// The notice that withdraws an issued report: issued under a number of its own, it names the report it
// withdraws, when that was issued, why it is withdrawn, its sample and its files, so that every copy of it
// is known for void. It carries no result.
struct WithdrawalNotice {
    ReportRegistration registration;  // its own; `supersedes` is the report withdrawn
    std::wstring sample;              // of the report withdrawn
    std::vector<RegisteredFile> files;
    Language language = Language::Russian;
};

// The notice's document: <Document><notice>…</notice><program>…</program><format_version/></Document>,
// which the report's stylesheet turns into the notice's page.
void FillNoticeDocument(XMLWrapper& wrapper, const WithdrawalNotice& notice);

// The notice for programs: {"format": "oxycalc-withdrawal", "format_version": 1, "program", "report_number",
// "status": "issued", "issued_utc", "issued_by", "supersedes": {"report_number", "issued_utc", "status":
// "withdrawn", "reason"}, "withdrawn_report": {"sample", "files": [{"file", "sha256"}]}, "register": {"file",
// "entry", "previous_entry_sha256"}}.
std::string NoticeJson(const WithdrawalNotice& notice);

// How a notice for programs names its format: a reader tells it from a report by it.
inline constexpr char kNoticeFormat[] = "oxycalc-withdrawal";
