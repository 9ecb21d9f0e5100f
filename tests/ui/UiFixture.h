#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "WindowDriver.h"
#include "support/ComponentsFileInPlace.h"
#include "support/DataFileSetAside.h"
#include "support/TempFolder.h"
#include "support/TestHost.h"
#include "ui/DlgMain.h"
#include "win/LibraryModule.h"
#include "win/ListView.h"

// Demo chromatograms in a fresh host database, the demo components file in the public documents
// folder (what was there before comes back afterwards), a fake host and a host frame owning the
// main dialog.
class UiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main dialog, initialised from the fake host's profile.
    std::unique_ptr<DlgMain> OpenMainDialog();
    // The main dialog with these chromatograms added through "+", its notices and boxes taken.
    std::unique_ptr<DlgMain> WithChromatograms(std::vector<int32_t> ids);
    // The demo's file of a chromatogram ("Проба 2417-1.stg").
    std::wstring DemoFile(const std::wstring& name) const;
    // The ids, or -1 for a row without record, of a grid's rows.
    static std::vector<int> RowIds(const ListView& list);
    static std::vector<std::wstring> Column(const ListView& list, int column);
    // Host notices (message 0x040B) posted to the frame since the last call.
    int TakeListNotices();
    void WriteComponents(const std::string& bytes) const;

    TestHost& host = TestHost::Instance();
    MessageBoxAnswerer boxes;
    TempFolder folder;
    std::wstring componentsPath;
    HWND frame = nullptr;
    HWND owner = nullptr;

private:
    // A limits file the demo put in the data folder would add its verdicts to every warning line.
    std::optional<DataFileSetAside> limits_;
    std::optional<ComponentsFileInPlace> components_;
};

// The English resource library as the resource module while the object lives, as for a host that runs
// in English.
class EnglishResources {
public:
    EnglishResources();
    ~EnglishResources();
    EnglishResources(const EnglishResources&) = delete;
    EnglishResources& operator=(const EnglishResources&) = delete;

private:
    LibraryModule module_;
};

ListView ListOf(const DlgMain& dialog, int id);
void SetEditText(HWND dialog, int id, const std::wstring& text);
// Whether the dialog paints a settings field in its warning colour.
bool Marked(HWND dialog, int id);
