#include "report/ShownMoments.h"

#include <gtest/gtest.h>

#include "report/ReportModel.h"
#include "support/ScopedTimeZone.h"

// Every moment a report shows, a QC check's named within its mark's sentence too, with its own offset:
// winter and summer time in one report. (The Microsoft C library takes no summer-time rules from TZ, so
// the zone is set natively only.)
#ifndef _WIN32
TEST(ShownMoments, GiveEachMomentTheReportShowsItsOwnOffset) {
    const ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    ReportModel model;
    model.createdAt = 1733140800;  // 2024-12-02, winter time
    ReportChromatogram july;
    july.date = 1720948320;  // 2024-07-14, summer time
    model.chromatograms.push_back(july);
    model.quality.detail = Message(MessageCode::QualityCheck, {L"КО-1", MessageMoment{1710403200}});
    ReportChromatogram undated;
    undated.date = -1;  // shown as "---": no offset
    model.chromatograms.push_back(undated);
    const std::map<int64_t, int32_t> expected = {{1710403200, 60}, {1720948320, 120}, {1733140800, 60}};
    EXPECT_EQ(ShownUtcOffsets(model), expected);
}
#endif
