// The plug-in's start-up code linked directly, where the DLL's inner state cannot be seen from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "data/DataBaseConnection.h"
#include "plugin/Lifecycle.h"
#include "plugin/PluginState.h"
#include "support/ComponentsFileInPlace.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestHost.h"
#include "ui/DlgMain.h"

TEST(Lifecycle, ASecondModulesLoadedReplacesTheConnectionStringWithAPrivateCopy) {
    TestHost& host = TestHost::Instance();
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

// The host hands the connection string as an address through the service's return value: in a
// 64-bit process it may lie above 4 GiB, and all of it must come through.
TEST(Lifecycle, TakesAConnectionStringPlacedAbove4GiB) {
    if (sizeof(void*) == 4) GTEST_SKIP() << "a 32-bit process has no address above 4 GiB";
    const auto high = static_cast<uintptr_t>(uint64_t{1} << 36);  // 64 GiB
    void* page = VirtualAlloc(reinterpret_cast<void*>(high), 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(page, nullptr);
    ASSERT_GT(uint64_t{reinterpret_cast<uintptr_t>(page)}, uint64_t{0xFFFFFFFF});
    const wchar_t kPath[] = L"E:\\Хроматограммы\\high.db";
    std::memcpy(page, kPath, sizeof kPath);

    TestHost& host = TestHost::Instance();
    host.Reset({"DB/GetConnectionUri"});
    host.connectionText = static_cast<const wchar_t*>(page);
    LoadPlugin(host.Table(), GetModuleHandleW(nullptr));
    OnModulesLoaded(0);
    host.connectionText = nullptr;
    ASSERT_NE(DataBaseConnection::Instance().ConnectionString(), nullptr);
    EXPECT_EQ(*DataBaseConnection::Instance().ConnectionString(), kPath);
    UnloadPlugin();
    VirtualFree(page, 0, MEM_RELEASE);
}

// The main window must not outlive the code behind it: unloading closes it and frees its object.
TEST(Lifecycle, UnloadingClosesTheMainWindow) {
    const MessageBoxAnswerer boxes;
    const ComponentsFileInPlace components("N;Peak;Name;M;Density\r\n4;MeOH;Methanol;32.04;791.80\r\n");
    TestHost& host = TestHost::Instance();
    host.Reset({});
    LoadPlugin(host.Table(), GetModuleHandleW(nullptr));
    HWND frame = CreateWindowExW(0, L"STATIC", L"host frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    OnMenuCommand(reinterpret_cast<intptr_t>(frame));
    ASSERT_TRUE(Plugin().mainDialog);
    HWND window = Plugin().mainDialog->Handle();
    EXPECT_TRUE(IsWindow(window));
    UnloadPlugin();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(Plugin().mainDialog);
    DestroyWindow(frame);
}
