#pragma once

#include <cstdint>
#include <map>

struct ReportModel;

// Every moment a report shows in local time (its chromatograms' analyses, when it was made, its QC checks
// and when their limits were established, each moment a message of it names), with the offset from UTC
// its local time has at that moment in the zone the times are shown in now: what a check of the report
// on another computer, or after a change of summer time, shows them with.
std::map<int64_t, int32_t> ShownUtcOffsets(const ReportModel& model);
