#include "records/LastReadComponents.h"

#include <gtest/gtest.h>

#include "platform/ExclusiveFile.h"
#include "support/TempFolder.h"
#include "tables/ComponentsTable.h"

TEST(LastReadComponents, KeepsTheTableAsLastReadWhileTheFileDoesNotRead) {
    TempFolder folder;
    ComponentsTable table;
    table.path = folder.File(L"CompsTableOxycalc.csv");
    LastReadComponents components;

    // A missing file is created empty: no table has ever been read.
    EXPECT_EQ(components.Reload(table).source, ComponentsSource::None);
    {
        ExclusiveFile spreadsheet(table.path, ExclusiveFile::Disposition::OpenExisting);
        LastReadComponents fresh;
        EXPECT_EQ(fresh.Reload(table).source, ComponentsSource::None);
    }

    WriteBytes(table.path, "h\r\n1;EtOH;e;46.07;789\r\n");
    EXPECT_EQ(components.Reload(table).source, ComponentsSource::File);
    ASSERT_EQ(components.Components().size(), 1u);
    {
        ExclusiveFile spreadsheet(table.path, ExclusiveFile::Disposition::OpenExisting);
        EXPECT_EQ(components.Reload(table).source, ComponentsSource::LastRead);
        EXPECT_EQ(components.Reload(table).source, ComponentsSource::LastRead);
        EXPECT_EQ(components.Components().size(), 1u);
    }
    WriteBytes(table.path, "h\r\n");  // a table with no rows is a table
    EXPECT_EQ(components.Reload(table).source, ComponentsSource::File);
    EXPECT_TRUE(components.Components().empty());

    table.path.clear();  // no public documents folder
    EXPECT_EQ(components.Reload(table).source, ComponentsSource::LastRead);
}
