// The plug-in's start-up code linked directly, where the DLL's inner state cannot be seen from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "data/DataBaseConnection.h"
#include "plugin/Lifecycle.h"

TEST(Lifecycle, ASecondModulesLoadedReplacesTheConnectionStringWithAPrivateCopy) {
    RecordingHost& host = RecordingHost::Instance();
    host.Reset({"DB/GetConnectionUri"});
    LoadPlugin(host.Table(), GetModuleHandleW(nullptr));
    host.connectionString = L"C:\\first.db";
    OnModulesLoaded(0);
    host.connectionString = L"D:\\Хроматограммы\\second.db";
    OnModulesLoaded(0);
    host.connectionString = L"overwritten after the call";
    ASSERT_NE(DataBaseConnection::Instance().ConnectionString(), nullptr);
    EXPECT_EQ(*DataBaseConnection::Instance().ConnectionString(), L"D:\\Хроматограммы\\second.db");
    UnloadPlugin();
}
