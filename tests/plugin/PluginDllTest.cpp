// oxycalc.dll as the host sees it: its export table, its record, and its start and stop against a
// host table that records every call.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/StdioFile.h"
#include "plugin/PluginInfo.h"
#include "support/ComponentsFileInPlace.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestHost.h"
#include "win/LibraryModule.h"

namespace {

std::wstring TestFolder() {
    const std::wstring self = ModuleFileName(nullptr);
    return self.substr(0, self.find_last_of(L'\\'));
}

// The names in a PE file's export directory, read from the file itself. The optional header's Magic
// tells a 32-bit image from a 64-bit one.
template <typename NtHeaders>
std::vector<std::string> ExportedNamesOf(const std::string& image, const NtHeaders* nt) {
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        return 0;
    };
    std::vector<std::string> names;
    if (directory.VirtualAddress == 0) return names;
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(image.data() + offsetOf(directory.VirtualAddress));
    const auto* nameRvas = reinterpret_cast<const DWORD*>(image.data() + offsetOf(exports->AddressOfNames));
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(image.data() + offsetOf(nameRvas[i]));
    return names;
}

std::vector<std::string> ExportedNames(const std::wstring& path) {
    std::string image;
    const StdioFile file = OpenStdioFile(path, "rb");
    char buffer[65536];
    size_t count = 0;
    while (file && (count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        image.append(buffer, count);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const char* nt = image.data() + dos->e_lfanew;
    if (reinterpret_cast<const IMAGE_NT_HEADERS32*>(nt)->OptionalHeader.Magic ==
        IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return ExportedNamesOf(image, reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt));
    return ExportedNamesOf(image, reinterpret_cast<const IMAGE_NT_HEADERS32*>(nt));
}

using GetPluginInfoFunction = const PluginInfo*(__cdecl*)();
using LoadFunction = int(__cdecl*)(const HostApi*);
using UnloadFunction = int(__cdecl*)();

// A top-level window standing in for the host window that owns the plug-in's dialog.
HWND MakeOwner() {
    return CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           nullptr, nullptr);
}

BOOL CALLBACK CollectDialogCaption(HWND window, LPARAM list) {
    wchar_t className[16] = {}, caption[256] = {};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, caption, 256);
    if (std::wstring(className) == L"#32770")
        reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(caption);
    return TRUE;
}

// The plug-in's main dialogs of this thread, by caption.
std::vector<std::wstring> MainDialogCaptions() {
    std::vector<std::wstring> captions;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogCaption, reinterpret_cast<LPARAM>(&captions));
    return captions;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

const std::set<std::string> kAllServices = {"System/GetLanguage", "DB/GetConnectionUri",
                                            "MainMenu/CreateNewMenu"};

class PluginDll : public ::testing::Test {
protected:
    void LoadFrom(const std::wstring& folder, std::set<std::string> offered = kAllServices) {
        TestHost::Instance().Reset(std::move(offered));
        module = LibraryModule(folder + L"\\oxycalc.dll");
        ASSERT_TRUE(module);
        load = ExportedFunction<LoadFunction>(module.Get(), "Load");
        unload = ExportedFunction<UnloadFunction>(module.Get(), "Unload");
        ASSERT_EQ(load(TestHost::Instance().Table()), 0);
    }
    void TearDown() override {
        for (HWND owner : owners) DestroyWindow(owner);
        PumpMessages();
        if (unload) unload();
        EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{});
    }
    HWND NewOwner() {
        owners.push_back(MakeOwner());
        return owners.back();
    }

    // The dialogs open without a word when the components file is there; a box would otherwise
    // wait for a click that never comes.
    MessageBoxAnswerer boxes;
    ComponentsFileInPlace components{""};
    LibraryModule module;
    LoadFunction load = nullptr;
    UnloadFunction unload = nullptr;
    std::vector<HWND> owners;
};

}  // namespace

TEST(PluginExports, AreExactlyGetPluginInfoLoadAndUnload) {
    EXPECT_EQ(ExportedNames(TestFolder() + L"\\oxycalc.dll"),
              (std::vector<std::string>{"GetPluginInfo", "Load", "Unload"}));
}

// The host reads the record by offsets: a pointer-sized slot a field, the 16-byte id last. That is
// 48 bytes in the 32-bit product, 80 in the 64-bit build.
TEST(PluginExports, HandTheHostTheRecordAtTheHostsOffsets) {
    constexpr size_t slot = sizeof(void*);
    LibraryModule module(TestFolder() + L"\\oxycalc.dll");
    const auto* info = ExportedFunction<GetPluginInfoFunction>(module.Get(), "GetPluginInfo")();
    const auto* bytes = reinterpret_cast<const unsigned char*>(info);
    uint32_t size = 0, version = 0;
    std::memcpy(&size, bytes, 4);
    std::memcpy(&version, bytes + 2 * slot, 4);
    EXPECT_EQ(size, slot == 4 ? 48u : 80u);
    EXPECT_EQ(version, 0x01010100u);
    const wchar_t* shortName = nullptr;
    const wchar_t* description = nullptr;
    std::memcpy(&shortName, bytes + slot, slot);
    std::memcpy(&description, bytes + 3 * slot, slot);
    EXPECT_STREQ(shortName, L"oxycalc");
    EXPECT_STREQ(description,
                 L"Расчет 207: Определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012");
    GUID id{};
    std::memcpy(&id, bytes + 8 * slot, sizeof id);
    EXPECT_NE(id.Data1, 0u);
}

TEST_F(PluginDll, StartsAndStopsInTheHostsOrderAskingBeforeEveryServiceButTheMenu) {
    LoadFrom(TestFolder());
    TestHost& host = TestHost::Instance();
    host.connectionString = L"C:\\data\\host.db";
    ASSERT_EQ(host.Fire("System/ModulesLoaded", 0), 0);
    unload();
    unload = nullptr;
    EXPECT_EQ(host.calls, (std::vector<std::string>{
                              "subscribe System/ModulesLoaded",
                              "exists System/GetLanguage",
                              "call System/GetLanguage",
                              "register oxycalc/MenuCommand",
                              "call MainMenu/CreateNewMenu oxycalc/MenuCommand",
                              "exists DB/GetConnectionUri",
                              "call DB/GetConnectionUri",
                              "unsubscribe 1",
                              "unregister 2",
                          }));
    ASSERT_EQ(host.menuPaths.size(), 1u);
    EXPECT_EQ(host.menuPaths[0], L"Данные/Расчёты/Определение органических кислородсодержащих соединений");
}

TEST_F(PluginDll, CallsNoServiceTheHostDoesNotOffer) {
    LoadFrom(TestFolder(), {});
    TestHost& host = TestHost::Instance();
    host.Fire("System/ModulesLoaded", 0);
    for (const std::string& call : host.calls) {
        if (call.rfind("call ", 0) == 0) {
            EXPECT_EQ(call, "call MainMenu/CreateNewMenu oxycalc/MenuCommand");
        }
    }
}

TEST_F(PluginDll, UnloadWithoutModulesLoadedUnregistersCommandZero) {
    LoadFrom(TestFolder());
    unload();
    unload = nullptr;
    EXPECT_EQ(TestHost::Instance().calls.back(), "unregister 0");
}

TEST_F(PluginDll, RegistersAgainOnASecondModulesLoaded) {
    LoadFrom(TestFolder());
    TestHost& host = TestHost::Instance();
    host.Fire("System/ModulesLoaded", 0);
    host.Fire("System/ModulesLoaded", 0);
    unload();
    unload = nullptr;
    EXPECT_EQ(host.menuPaths.size(), 2u);
    EXPECT_EQ(host.calls.back(), "unregister 3");  // the id of the last registration
}

TEST_F(PluginDll, LoadsNoLanguageLibraryForRussian) {
    TestHost::Instance().language = 1049;
    LoadFrom(TestFolder());
    EXPECT_EQ(GetModuleHandleW(L"oxycalcENU.dll"), nullptr);
}

TEST_F(PluginDll, TakesTextsFromTheEnglishLibraryBesideThePlugin) {
    TestHost::Instance().language = 1033;
    LoadFrom(TestFolder());
    EXPECT_NE(GetModuleHandleW(L"oxycalcENU.dll"), nullptr);
    TestHost::Instance().Fire("System/ModulesLoaded", 0);
    EXPECT_EQ(TestHost::Instance().menuPaths.at(0), L"Data/Calculations/Organic oxygenates (EN 13132)");
    TestHost::Instance().Fire("oxycalc/MenuCommand", reinterpret_cast<intptr_t>(NewOwner()));
    EXPECT_EQ(MainDialogCaptions(),
              (std::vector<std::wstring>{L"Calculation 207: Organic oxygenates by EN 13132 1.1.1.0"}));
    unload();
    unload = nullptr;
    EXPECT_EQ(GetModuleHandleW(L"oxycalcENU.dll"), nullptr);  // freed again
}

TEST_F(PluginDll, KeepsRussianTextsWhenTheLanguageLibraryIsMissing) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"oxycalc-alone";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileW((TestFolder() + L"\\oxycalc.dll").c_str(), (folder + L"\\oxycalc.dll").c_str(), FALSE));
    TestHost::Instance().language = 1033;
    LoadFrom(folder);
    TestHost::Instance().Fire("System/ModulesLoaded", 0);
    EXPECT_EQ(TestHost::Instance().menuPaths.at(0),
              L"Данные/Расчёты/Определение органических кислородсодержащих соединений");
}

TEST_F(PluginDll, MenuCommandsShowOneDialogAndANewOneAfterItsOwnerIsGone) {
    TestHost::Instance().language = 1049;
    LoadFrom(TestFolder());
    TestHost& host = TestHost::Instance();
    host.Fire("System/ModulesLoaded", 0);
    HWND owner = NewOwner();
    host.Fire("oxycalc/MenuCommand", reinterpret_cast<intptr_t>(owner));
    host.Fire("oxycalc/MenuCommand", reinterpret_cast<intptr_t>(owner));
    const std::wstring caption =
        L"Расчёт-207 Определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012 1.1.1.0";
    EXPECT_EQ(MainDialogCaptions(), std::vector<std::wstring>{caption});
    HWND dialog = FindWindowW(L"#32770", caption.c_str());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);

    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // closing only hides it
    EXPECT_FALSE(IsWindowVisible(dialog));
    host.Fire("oxycalc/MenuCommand", reinterpret_cast<intptr_t>(owner));
    EXPECT_EQ(FindWindowW(L"#32770", caption.c_str()), dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));

    DestroyWindow(owner);
    EXPECT_TRUE(MainDialogCaptions().empty());
    host.Fire("oxycalc/MenuCommand", reinterpret_cast<intptr_t>(NewOwner()));
    EXPECT_EQ(MainDialogCaptions().size(), 1u);
}
