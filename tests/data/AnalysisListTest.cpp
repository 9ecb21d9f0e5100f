#include "data/AnalysisList.h"

#include <gtest/gtest.h>

#include "DemoData.h"
#include "data/DataBaseConnection.h"
#include "support/TempFolder.h"

TEST(AnalysisList, ListsTheAnalysesOldestFirstWithoutCalibrations) {
    TempFolder folder;
    std::vector<DemoData::Run> runs = DemoData::DemoSet(50);
    DemoData::WriteRuns(folder.Path(), runs);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
    std::vector<int32_t> ids;
    {
        DataBase::DbHandle db;
        for (const AnalysisRow& row : ListAnalyses(db)) ids.push_back(row.id);
    }
    DataBaseConnection::Instance().Store(nullptr);
    // 104 is the calibration; the second day's petrols come between 0988's analyses by their dates.
    EXPECT_EQ(ids, (std::vector<int32_t>{101, 102, 103, 108, 109, 110, 111, 112, 113, 105, 106, 107}));
}
