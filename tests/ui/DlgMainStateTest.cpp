#include "DemoData.h"
#include "UiFixture.h"
#include "data/DataBaseConnection.h"
#include "res/ResourceIds.h"

namespace {

const std::wstring kRoot = L"plugins\\oxycalc\\/";

class DlgMainStateTest : public UiFixture {};

TEST_F(DlgMainStateTest, ThreeRowsWithTheSecondTickedComeBackAfterClosing) {
    auto dialog = OpenMainDialog();
    host.chosenIds = {101, 102, 103};
    Click(dialog->Handle(), IDC_OXY_ADD);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(1, true);
    MoveWindow(dialog->Handle(), 10, 20, 1000, 600, FALSE);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/0");
    EXPECT_EQ(host.profile[kRoot + L"Assay 2"], L"102/1");
    EXPECT_EQ(host.profile[kRoot + L"Assay 3"], L"103/0");
    EXPECT_EQ(host.profile.count(kRoot + L"Assay 4"), 0u);
    EXPECT_EQ(host.profile[kRoot + L"WindowRect_tlx"], L"10");
    EXPECT_EQ(host.profile[kRoot + L"WindowRect_bty"], L"620");
    dialog.reset();

    auto again = OpenMainDialog();
    const ListView list = ListOf(*again, IDC_OXY_CHROMATOGRAMS);
    EXPECT_EQ(RowIds(list), (std::vector<int>{101, 102, 103}));
    EXPECT_FALSE(list.Checked(0));
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(2));
    RECT window{};
    GetWindowRect(again->Handle(), &window);
    EXPECT_EQ(window.left, 10);
    EXPECT_EQ(window.top, 20);
}

TEST_F(DlgMainStateTest, AShorterListStoredAfterALongerOneLeavesNoStaleKeys) {
    auto dialog = OpenMainDialog();
    host.chosenIds = {101, 102, 103, 104};
    Click(dialog->Handle(), IDC_OXY_ADD);
    Click(dialog->Handle(), IDCANCEL);
    ASSERT_EQ(host.profile[kRoot + L"Assay 4"], L"104/0");
    boxes.answers = {IDYES};
    Click(dialog->Handle(), IDC_OXY_REMOVE_ALL);
    host.chosenIds = {103};
    Click(dialog->Handle(), IDC_OXY_ADD);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"103/0");
    for (int number = 2; number <= 4; ++number)
        EXPECT_EQ(host.profile.count(kRoot + L"Assay " + std::to_wstring(number)), 0u) << number;
}

TEST_F(DlgMainStateTest, ARememberedTickOfAChromatogramWithoutSampleMassIsNotRestored) {
    host.profile[kRoot + L"Assay 1"] = L"101/1";
    host.profile[kRoot + L"Assay 2"] = L"105/1";  // its passport names no sample mass
    auto dialog = OpenMainDialog();
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
    EXPECT_EQ(dialog->Assays()[1].isTicked, 0);
}

TEST_F(DlgMainStateTest, AListThatCouldNotBeRestoredStaysRememberedUntilTheUserChangesTheList) {
    host.profile[kRoot + L"Assay 1"] = L"101/1";
    host.profile[kRoot + L"Assay 2"] = L"102/0";
    const std::wstring database = DemoData::HostDatabasePath(folder.Path());
    DataBaseConnection::Instance().Store(L"Z:\\no such folder\\x\\host.db");
    auto dialog = OpenMainDialog();
    EXPECT_EQ(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).ItemCount(), 0);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/1");
    EXPECT_EQ(host.profile[kRoot + L"Assay 2"], L"102/0");

    DataBaseConnection::Instance().Store(database.c_str());
    host.chosenIds = {103};
    Click(dialog->Handle(), IDC_OXY_ADD);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"103/0");
    EXPECT_EQ(host.profile.count(kRoot + L"Assay 2"), 0u);
}

TEST_F(DlgMainStateTest, EntriesThatDoNotLoadOrHaveNoIdAreSkipped) {
    host.profile[kRoot + L"Assay 1"] = L"12/1";
    host.profile[kRoot + L"Assay 2"] = L"/1";
    host.profile[kRoot + L"Assay 3"] = L"no slash";
    host.profile[kRoot + L"Assay 4"] = L"103/1";
    auto dialog = OpenMainDialog();
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), std::vector<int>{103});
}

// A chromatogram ticked last time whose file has gone, or lost its mass, must not be averaged in.
TEST_F(DlgMainStateTest, ATickedChromatogramWithoutUsableMassComesBackUnticked) {
    host.profile[kRoot + L"Assay 1"] = L"101/1";
    host.profile[kRoot + L"Assay 2"] = L"105/1";
    host.profile[kRoot + L"Assay 3"] = L"106/1";
    auto dialog = OpenMainDialog();
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    EXPECT_EQ(Column(list, 7), (std::vector<std::wstring>{L"10.02", L"---", L"0.00"}));
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
    EXPECT_TRUE(list.Checked(2));  // its file does not read: the tick is kept, not counted
    EXPECT_EQ(dialog->Assays()[2].isTicked, 0);
    ASSERT_EQ(boxes.boxes.size(), 2u);  // each told in its own box
}

// A share that is away at a restart must not cost the lab its ticks: they show, are not counted, and
// go only when the user takes them off.
TEST_F(DlgMainStateTest, ATickIsKeptWhileTheFileIsAwayUntilItReadsAgainOrTheUserTakesItOff) {
    host.profile[kRoot + L"Assay 1"] = L"101/1";
    host.profile[kRoot + L"Assay 2"] = L"102/1";
    const std::wstring file = DemoFile(L"Проба 2417-1.stg");
    const std::wstring away = file + L".away";
    ASSERT_TRUE(MoveFileW(file.c_str(), away.c_str()));
    auto dialog = OpenMainDialog();
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_EQ(dialog->Assays()[0].isTicked, 0);
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"Ошибка загрузки файла: '" + file + L"'"});
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/1");
    Click(dialog->Handle(), IDC_OXY_UPDATE);  // still away
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/1");

    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_TRUE(list.Checked(1));
    dialog.reset();

    ASSERT_TRUE(MoveFileW(file.c_str(), away.c_str()));
    auto again = OpenMainDialog();
    host.chosenIds = {103};
    Click(again->Handle(), IDC_OXY_ADD);
    Click(again->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/1");  // another chromatogram added: the tick stays
    ListOf(*again, IDC_OXY_CHROMATOGRAMS).SetChecked(0, false);
    Click(again->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 1"], L"101/0");
    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
}

TEST_F(DlgMainStateTest, AListOfHundredFiftyChromatogramsSurvivesAndStaleKeysGo) {
    TempFolder many;
    std::vector<DemoData::Run> runs = DemoData::SyntheticSet(150, 1, 50, 2);
    DemoData::WriteRuns(many.Path(), runs);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(many.Path()).c_str());
    for (int number = 151; number <= 160; ++number) {
        host.profile[kRoot + L"Assay " + std::to_wstring(number)] = L"1000/0";
    }
    auto dialog = OpenMainDialog();
    for (int id = 1000; id < 1150; ++id) host.chosenIds.push_back(id);
    Click(dialog->Handle(), IDC_OXY_ADD);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(host.profile[kRoot + L"Assay 150"], L"1149/0");
    EXPECT_EQ(host.profile.count(kRoot + L"Assay 151"), 0u);
    dialog.reset();
    auto again = OpenMainDialog();
    EXPECT_EQ(ListOf(*again, IDC_OXY_CHROMATOGRAMS).ItemCount(), 150);
}

TEST_F(DlgMainStateTest, AFirstStartHasAnEmptyListAndTheMinimumSizeInTheCorner) {
    auto dialog = OpenMainDialog();
    EXPECT_EQ(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).ItemCount(), 0);
    RECT window{};
    GetWindowRect(dialog->Handle(), &window);
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 0);
    EXPECT_EQ(window.right, 975);
    EXPECT_EQ(window.bottom, 570);
}

}  // namespace
