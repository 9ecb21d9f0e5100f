// Any bytes as a report to check: reading either names what is wrong or gives a report, never reads past
// what is there; a report read compares equal to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ScratchFile.h"
#include "messages/Message.h"
#include "verify/RecordedReport.h"
#include "verify/ReportDifferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring path = ScratchFile("-report");
    WriteBytes(path, data, size);
    Message error;
    const std::optional<RecordedReport> report = ReadRecordedReport(path, error);
    if (!report) {
        if (error.Empty()) std::abort();
        return 0;
    }
    const bool json = report->format == RecordedReport::Format::Json;
    const auto same = json ? CompareJsonReports(report->bytes, report->bytes, {})
                           : CompareXmlReports(report->bytes, report->bytes, {});
    if (!same.empty()) std::abort();
    return 0;
}
