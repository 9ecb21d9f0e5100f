#include "report/LimsExport.h"

#include <gtest/gtest.h>

#include "report/ReportSample.h"
#include "support/RecordingMessages.h"
#include "support/ScopedTimeZone.h"
#include "support/TempFolder.h"

TEST(LimsExport, WritesTheReportsJsonAndCsvNamedBySampleAndTimeOrSaysWhyNot) {
    const ScopedTimeZone utc{"UTC0"};
    const ReportModel model = MakeReportModel(SampleAssaysWithSamples(), SampleCalculation(), 1710411150);
    EXPECT_EQ(LimsFileName(model), L"АИ-95-К5_партия_2417_2024-03-14_101230");
    TempFolder folder;
    RecordingMessages messages;
    ASSERT_TRUE(ExportForLims(model, folder.Path(), messages));
    EXPECT_NE(ReadBytes(folder.File(LimsFileName(model) + L".json")).find("\"format\": \"oxycalc-report\""),
              std::string::npos);
    EXPECT_EQ(ReadBytes(folder.File(LimsFileName(model) + L".csv")).rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_TRUE(messages.errors.empty());

    // A folder that went away: said, nothing left behind.
    EXPECT_FALSE(ExportForLims(model, folder.File(L"gone"), messages));
    EXPECT_EQ(messages.errors.size(), 1u);

    // Nothing ticked: no sample to name the files by.
    EXPECT_EQ(LimsFileName(MakeReportModel({}, CalculationData(), 1710411150)), L"проба_2024-03-14_101230");
}
