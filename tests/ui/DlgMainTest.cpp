#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "DemoData.h"
#include "HostDatabase.h"
#include "UiFixture.h"
#include "data/DataBaseConnection.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "report/LimsExport.h"
#include "res/ResourceIds.h"
#include "sign/SignatureMeaning.h"
#include "support/DataFileInPlace.h"
#include "support/MessageText.h"
#include "support/RegisterInDataFolder.h"
#include "support/TestCertificates.h"
#include "tables/DataFilePath.h"
#include "ui/CGridCtrlEditCell.h"

namespace {

constexpr int kPetrol1 = 101;
constexpr int kPetrol2 = 102;
constexpr int kPetrol3 = 103;
constexpr int kWithoutMass = 105;

const wchar_t kNoMass[] = L"Эту хроматограмму невозможно выбрать, поскольку масса пробы не указана.";

class DlgMainTest : public UiFixture {
protected:
    static RECT ClientRectOf(HWND dialog, int id) {
        RECT rect{};
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Makes a report with "->" and gives the JSON the export folder receives.
    std::string ReportJsonOf(const DlgMain& dialog) const {
        const std::filesystem::path lims = ToFileSystemPath(DataFileBeside(componentsPath, kLimsFolderName));
        std::filesystem::remove_all(lims);
        std::filesystem::create_directory(lims);
        Click(dialog.Handle(), IDC_OXY_REPORT);
        std::string json;
        for (const auto& entry : std::filesystem::directory_iterator(lims)) {
            if (entry.path().extension() == ".json") json = ReadBytes(FromFileSystemPath(entry.path()));
        }
        std::filesystem::remove_all(lims);
        return json;
    }
};

TEST_F(DlgMainTest, CaptionTooltipsAndMinimumSizeAreSetAtInitialisation) {
    auto dialog = OpenMainDialog();
    EXPECT_EQ(
        WindowText(dialog->Handle()),
        L"Расчёт-207 Определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012 1.1.1.0");
    const std::pair<int, const wchar_t*> tips[] = {{IDC_OXY_ADD, L"Добавить хроматограммы"},
                                                   {IDC_OXY_REMOVE, L"Удалить хроматограмму"},
                                                   {IDC_OXY_REMOVE_ALL, L"Удалить все хроматограммы"},
                                                   {IDC_OXY_OPEN, L"Открыть хроматограмму"},
                                                   {IDC_OXY_REPORT, L"Отчет"},
                                                   {IDC_OXY_UPDATE, L"Обновить и пересчитать"},
                                                   {IDC_OXY_ABOUT, L"О плагине"}};
    for (const auto& [id, text] : tips) EXPECT_EQ(dialog->Tooltips().ToolText(dialog->Item(id)), text) << id;
    SetWindowPos(dialog->Handle(), nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOMOVE);
    RECT window{};
    GetWindowRect(dialog->Handle(), &window);
    EXPECT_EQ(window.right - window.left, 975);
    EXPECT_EQ(window.bottom - window.top, 570);
}

TEST_F(DlgMainTest, GrowingGivesEachListHalfTheHeightAndKeepsTheButtonsInPlace) {
    auto dialog = OpenMainDialog();
    HWND hwnd = dialog->Handle();
    SetWindowPos(hwnd, nullptr, 0, 0, 1000, 600, SWP_NOZORDER | SWP_NOMOVE);
    const RECT list1 = ClientRectOf(hwnd, IDC_OXY_CHROMATOGRAMS);
    const RECT list2 = ClientRectOf(hwnd, IDC_OXY_RESULTS);
    const RECT density = ClientRectOf(hwnd, IDC_OXY_DENSITY);
    const RECT close = ClientRectOf(hwnd, IDCANCEL);
    const RECT add = ClientRectOf(hwnd, IDC_OXY_ADD);
    SetWindowPos(hwnd, nullptr, 0, 0, 1200, 800, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_CHROMATOGRAMS).bottom - list1.bottom, 100);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_CHROMATOGRAMS).right - list1.right, 200);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_RESULTS).top - list2.top, 100);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_RESULTS).bottom - list2.bottom, 200);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_DENSITY).top - density.top, 100);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_DENSITY).left, density.left);
    EXPECT_EQ(ClientRectOf(hwnd, IDCANCEL).left - close.left, 200);
    EXPECT_EQ(ClientRectOf(hwnd, IDCANCEL).top - close.top, 200);
    EXPECT_EQ(ClientRectOf(hwnd, IDC_OXY_ADD).top, add.top);
}

TEST_F(DlgMainTest, AnEmptyListShowsOnlyTheEmptyRowAndZeroTotals) {
    auto dialog = OpenMainDialog();
    const ListView results = ListOf(*dialog, IDC_OXY_RESULTS);
    ASSERT_EQ(results.ItemCount(), 2);
    EXPECT_EQ(results.ItemText(0, 1), L"");
    EXPECT_EQ(results.ItemText(1, 1), L"Всего");
    for (int column = 2; column <= 7; ++column) EXPECT_EQ(results.ItemText(1, column), L"0.0000");
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_DENSITY)), L"1");
    // Nothing ticked: a total of 0, not marked; no verdict is given of it.
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_TOTAL_OXYGEN)), L"0");
    EXPECT_FALSE(Marked(dialog->Handle(), IDC_OXY_TOTAL_OXYGEN));
}

// The mean with an unprocessed chromatogram is pulled down: the field says the total is not determined,
// is marked, and its tip says why with the arithmetic value marked as no result.
TEST_F(DlgMainTest, ATotalThatIsNoResultIsShownAsNotDeterminedWithWhyInItsTip) {
    HostDatabase(DemoData::HostDatabasePath(folder.Path())).Execute("DELETE FROM peak WHERE assayid = 103;");
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    for (int item = 0; item < 3; ++item) list.SetChecked(item, true);
    const HWND total = dialog->Item(IDC_OXY_TOTAL_OXYGEN);
    EXPECT_EQ(WindowText(total), L"не определено");
    EXPECT_TRUE(Marked(dialog->Handle(), IDC_OXY_TOTAL_OXYGEN));
    const CalculationData& data = dialog->Calculation();
    EXPECT_EQ(dialog->Tooltips().ToolText(total),
              L"Общее содержание кислорода не определено: отмечена хроматограмма без именованных пиков (не "
              L"обработана). Арифметическое значение " +
                  FormatFixed(data.totalOxygen, 4) + L" % масс. — не результат.");
    // Unticked, the unprocessed one no longer counts: the total is a result again.
    list.SetChecked(2, false);
    EXPECT_EQ(WindowText(total), FormatGeneral(dialog->Calculation().totalOxygen, 15));
    EXPECT_FALSE(Marked(dialog->Handle(), IDC_OXY_TOTAL_OXYGEN));
    EXPECT_EQ(dialog->Tooltips().ToolText(total), L"");
}

TEST_F(DlgMainTest, TickingChromatogramsFillsTheResultsWithNumberedRowsAndTheirSums) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"750");
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    for (int item = 0; item < 3; ++item) list.SetChecked(item, true);
    const CalculationData& data = dialog->Calculation();
    ASSERT_FALSE(data.results.empty());
    const ListView results = ListOf(*dialog, IDC_OXY_RESULTS);
    ASSERT_EQ(results.ItemCount(), static_cast<int>(data.results.size()) + 2);
    double mass = 0;
    for (size_t row = 0; row < data.results.size(); ++row) {
        EXPECT_EQ(results.ItemText(static_cast<int>(row), 0), std::to_wstring(row + 1));
        EXPECT_EQ(results.ItemText(static_cast<int>(row), 1), data.results[row].name);
        mass += data.results[row].mass;
    }
    const int total = results.ItemCount() - 1;
    EXPECT_EQ(results.ItemText(total - 1, 2), L"");
    EXPECT_EQ(results.ItemText(total, 1), L"Всего");
    EXPECT_DOUBLE_EQ(data.sumMass, mass);
    EXPECT_EQ(results.ItemText(total, 2), FormatFixed(mass, 4));
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_TOTAL_OXYGEN)), FormatGeneral(data.totalOxygen, 15));
}

// An emptied density field gets the 1 it is calculated with: at once, or when the user leaves the field he
// typed into (a rewrite under the caret would corrupt what he types next). It stays marked and said to be
// not given: "1 kg/m3 is no petrol's" would blame a number nobody typed.
TEST_F(DlgMainTest, AnEmptiedDensityShowsOneAndIsMarkedAndSaidToBeNotGiven) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    HWND hwnd = dialog->Handle();
    HWND density = dialog->Item(IDC_OXY_DENSITY);
    SetEditText(hwnd, IDC_OXY_STANDARD, DemoData::kStandard);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    SetEditText(hwnd, IDC_OXY_DENSITY, L"");
    EXPECT_EQ(WindowText(density), L"1");
    SetEditText(hwnd, IDC_OXY_DENSITY, L"745.68");
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(density);
    SetEditText(hwnd, IDC_OXY_DENSITY, L"");
    EXPECT_EQ(WindowText(density), L"");
    SetFocus(dialog->Item(IDC_OXY_STANDARD));
    EXPECT_EQ(WindowText(density), L"1");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 1.0);
    EXPECT_EQ(ListOf(*dialog, IDC_OXY_RESULTS).ItemCount(),
              static_cast<int>(dialog->Calculation().results.size()) + 2);
    const std::wstring notGiven = L"Плотность пробы не задана: объёмные доли компонентов неверны.";
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)), notGiven);
    EXPECT_EQ(dialog->Tooltips().ToolText(density), notGiven);
    EXPECT_TRUE(Marked(hwnd, IDC_OXY_DENSITY));
    SetEditText(hwnd, IDC_OXY_DENSITY, L"745.68");
    EXPECT_FALSE(Marked(hwnd, IDC_OXY_DENSITY));
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)), L"");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DlgMainTest, ADecimalPointTypedAfterADensityIsUndoneAtOnce) {
    auto dialog = OpenMainDialog();
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"750");
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"750.");
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_DENSITY)), L"750");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 750.0);
}

TEST_F(DlgMainTest, ADecimalDensityTypedKeyByKeyStaysAsTypedUntilTheFieldIsLeft) {
    auto dialog = WithChromatograms({kPetrol1});
    HWND hwnd = dialog->Handle();
    HWND density = dialog->Item(IDC_OXY_DENSITY);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    TypeInto(hwnd, IDC_OXY_DENSITY, L"745.6");
    ASSERT_EQ(GetFocus(), density);
    EXPECT_EQ(WindowText(density), L"745.6");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 745.6);
    TypeInto(hwnd, IDC_OXY_DENSITY, L"745,68");  // a Russian keyboard's decimal comma
    EXPECT_EQ(WindowText(density), L"745,68");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 745.68);
    SetFocus(dialog->Item(IDC_OXY_STANDARD));
    EXPECT_EQ(WindowText(density), L"745.68");

    // Emptied while typing: the calculation takes 1, the field stays empty until it is left.
    TypeInto(hwnd, IDC_OXY_DENSITY, L"\b");
    EXPECT_EQ(WindowText(density), L"");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 1.0);
    TypeInto(hwnd, IDC_OXY_DENSITY, L"750.");
    EXPECT_EQ(WindowText(density), L"750.");
    SetFocus(dialog->Item(IDC_OXY_STANDARD));
    EXPECT_EQ(WindowText(density), L"750");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DlgMainTest, AStandardThatNamesNoComponentIsMarkedAtItsFieldAndNamedUnderTheResults) {
    auto dialog = WithChromatograms({kPetrol1});
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    HWND standard = dialog->Item(IDC_OXY_STANDARD);
    const auto marked = [&] { return Marked(dialog->Handle(), IDC_OXY_STANDARD); };
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, L"1,2-диметоксиэтн");
    const std::wstring warnings = WindowText(dialog->Item(IDC_OXY_WARNINGS));
    EXPECT_NE(warnings.find(L"«1,2-диметоксиэтн»"), std::wstring::npos) << warnings;
    EXPECT_EQ(dialog->Tooltips().ToolText(standard), dialog->Calculation().warnings.at(0).Text());
    EXPECT_TRUE(marked());
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)), L"");
    EXPECT_EQ(dialog->Tooltips().ToolText(standard), L"");
    EXPECT_FALSE(marked());
}

TEST_F(DlgMainTest, AComponentWithoutMolarMassOrDensityIsNamedUnderTheResults) {
    // Methanol's peak is in every demo chromatogram; its numbers are missing here.
    WriteComponents("h\r\n1;\xCC\xE5\xF2\xE0\xED\xEE\xEB;\xCC\xE5\xF2\xE0\xED\xEE\xEB;;0\r\n");
    auto dialog = WithChromatograms({kPetrol1});
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    ASSERT_EQ(dialog->Calculation().results.size(), 1u);
    const std::wstring warnings = WindowText(dialog->Item(IDC_OXY_WARNINGS));
    EXPECT_NE(warnings.find(L"молярная масса не задана"), std::wstring::npos) << warnings;
    EXPECT_NE(warnings.find(L"плотность не задана"), std::wstring::npos) << warnings;
}

TEST_F(DlgMainTest, AComponentsFileThatStopsReadingKeepsTheResultsAndIsToldInTheWarningList) {
    auto dialog = WithChromatograms({kPetrol1});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    const size_t rows = dialog->Calculation().results.size();
    ASSERT_GT(rows, 0u);
    {
        ExclusiveFile spreadsheet(componentsPath, ExclusiveFile::Disposition::OpenExisting);
        SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"740");
        SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745");
        EXPECT_EQ(dialog->Calculation().results.size(), rows);
        EXPECT_NE(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(L"прочитанной ранее"), std::wstring::npos);
    }
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"750");
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)), L"");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DlgMainTest, ListRowsShowNumberFileSampleMixtureTimeKindMethodAndMass) {
    auto dialog = WithChromatograms({kPetrol1, kWithoutMass});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    const Assay& assay = dialog->Assays()[0];
    std::vector<std::wstring> row;
    for (int column = 0; column < 8; ++column) row.push_back(list.ItemText(0, column));
    EXPECT_EQ(row, (std::vector<std::wstring>{L"1", L"Проба 2417-1.stg", assay.sample, assay.mixture,
                                              LocalTimeText(assay.date), L"Анализ", assay.method, L"10.02"}));
    EXPECT_EQ(list.ItemText(1, 0), L"2");
    EXPECT_EQ(list.ItemText(1, 7), L"---");
}

// While the user types, a box would take the keys that follow the slip: the field is marked and the warning
// list says it. Any command's recalculation (a tick, say) stops at the field with the warning box.
TEST_F(DlgMainTest, ADensityThatIsNoNumberKeepsThePreviousOneSaidInTheListWhileTypingInABoxOtherwise) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"740");
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"7x");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(dialog->Calculation().sampleDensity, 740.0);
    const std::wstring said = L"Плотность пробы «7x» — не число: в расчёте прежняя, 740 кг/м³";
    EXPECT_NE(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(said), std::wstring::npos);
    EXPECT_EQ(dialog->Tooltips().ToolText(dialog->Item(IDC_OXY_DENSITY)), said);
    EXPECT_TRUE(Marked(dialog->Handle(), IDC_OXY_DENSITY));
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, L"Введите число.");
    EXPECT_EQ(boxes.boxes[0].caption, L"Расчёт-207");
    EXPECT_EQ(dialog->Calculation().sampleDensity, 740.0);
    EXPECT_EQ(GetFocus(), dialog->Item(IDC_OXY_DENSITY));
}

// Outside typing the missing table is said in its box, as at every command's recalculation; while the user
// types it goes to the warning list.
TEST_F(DlgMainTest, AMissingTableIsToldInABoxAtOpeningAndInTheListWhileTyping) {
    DeleteFileW(componentsPath.c_str());
    auto dialog = OpenMainDialog();
    const std::wstring missing = L"Существующий файл таблицы не был найден.";
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{missing});
    DeleteFileW(componentsPath.c_str());
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, L"МТБЭ");
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{missing});
    EXPECT_NE(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(missing), std::wstring::npos);
}

TEST_F(DlgMainTest, AChromatogramWithoutSampleMassCannotBeTicked) {
    auto dialog = WithChromatograms({kPetrol1, kWithoutMass});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    EXPECT_EQ(list.ItemText(1, 7), L"---");
    list.SetChecked(1, true);
    EXPECT_FALSE(list.Checked(1));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Ошибка");
    EXPECT_EQ(boxes.boxes[0].text, kNoMass);
    list.SetChecked(0, true);
    EXPECT_EQ(dialog->Assays()[0].isTicked, 1);
    EXPECT_EQ(dialog->Assays()[1].isTicked, 0);
}

TEST_F(DlgMainTest, AddingAnIdAlreadyListedAddsNoRowButStillRefillsAndNotifies) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    host.chosenIds = {kPetrol2};
    Click(dialog->Handle(), IDC_OXY_ADD);
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), (std::vector<int>{kPetrol1, kPetrol2}));
    EXPECT_EQ(TakeListNotices(), 1);
}

TEST_F(DlgMainTest, AChooserAnsweringNothingOrTooManyChangesNothing) {
    auto dialog = WithChromatograms({kPetrol1});
    host.chosenIds = {kPetrol2};
    for (int answer : {0, 300}) {
        host.chooserAnswer = answer;
        Click(dialog->Handle(), IDC_OXY_ADD);
    }
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), std::vector<int>{kPetrol1});
    EXPECT_EQ(TakeListNotices(), 0);
}

TEST_F(DlgMainTest, RemovingKeepsTheOtherChecksAndWorksWithNothingSelected) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    list.SetChecked(2, true);
    Click(dialog->Handle(), IDC_OXY_REMOVE);
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(TakeListNotices(), 1);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    Click(dialog->Handle(), IDC_OXY_REMOVE);
    EXPECT_EQ(RowIds(list), (std::vector<int>{kPetrol1, kPetrol3}));
    EXPECT_TRUE(list.Checked(0));
    EXPECT_TRUE(list.Checked(1));
}

TEST_F(DlgMainTest, RemovingAllAsksNothingAndRecalculates) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    Click(dialog->Handle(), IDC_OXY_REMOVE_ALL);
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(TakeListNotices(), 1);
    EXPECT_EQ(ListOf(*dialog, IDC_OXY_RESULTS).ItemCount(), 2);
    EXPECT_TRUE(boxes.boxes.empty());
}

// Each problem in its own box, in the middle of loading, with its own text: the file's full path, or the
// file's name in the box of a missing mass. A file that does not read shows its mass 0.00.
TEST_F(DlgMainTest, EachChromatogramThatDoesNotLoadIsToldInABoxOfItsOwn) {
    auto dialog = OpenMainDialog();
    for (const wchar_t* name : {L"Проба 2417-1.stg", L"Проба 2417-2.stg"})
        ASSERT_TRUE(DeleteFileW(DemoFile(name).c_str()));
    host.chosenIds = {kPetrol1, kPetrol2, kPetrol3, kWithoutMass};
    Click(dialog->Handle(), IDC_OXY_ADD);
    const std::vector<std::wstring> each = {
        L"Ошибка загрузки файла: '" + DemoFile(L"Проба 2417-1.stg") + L"'",
        L"Ошибка загрузки файла: '" + DemoFile(L"Проба 2417-2.stg") + L"'",
        L"В хроматограмме \nПроба 0988-1.stg\nне указана масса пробы"};
    EXPECT_EQ(boxes.Texts(), each);
    for (const auto& box : boxes.boxes) EXPECT_EQ(box.caption, L"Ошибка");
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    EXPECT_EQ(RowIds(list), (std::vector<int>{kPetrol1, kPetrol2, kPetrol3, kWithoutMass}));
    EXPECT_EQ(list.ItemText(0, 7), L"0.00");
    EXPECT_EQ(list.ItemText(3, 7), L"---");
    boxes.boxes.clear();
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    EXPECT_EQ(boxes.Texts(), each);
}

TEST_F(DlgMainTest, OpeningHandsEverySelectedChromatogramToTheHost) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    Click(dialog->Handle(), IDC_OXY_OPEN);
    EXPECT_TRUE(host.openedFiles.empty());
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    Click(dialog->Handle(), IDC_OXY_OPEN);
    ASSERT_EQ(host.openedFiles.size(), 2u);
    EXPECT_NE(host.openedFiles[0].find(L"Проба 2417-1.stg"), std::wstring::npos);
    EXPECT_NE(host.openedFiles[1].find(L"Проба 2417-3.stg"), std::wstring::npos);
}

TEST_F(DlgMainTest, DoubleClickingOpensEverySelectedRowAndEditsNoCell) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    for (int item = 0; item < 3; ++item) list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    for (int click = 0; click < 2; ++click) {
        const RECT cell = list.SubItemLabelRect(1, 2);
        SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 4, cell.top + 3));
    }
    EXPECT_EQ(host.openedFiles.size() % 3, 0u);
    EXPECT_FALSE(host.openedFiles.empty());
    EXPECT_EQ(GetDlgItem(list.Handle(), CGridCtrlEditCell::kControlId), nullptr);
}

TEST_F(DlgMainTest, HeaderClicksNeverSortOrShowArrows) {
    auto dialog = WithChromatograms({kPetrol3, kPetrol1, kPetrol2});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    NMLISTVIEW click{};
    click.hdr = {list.Handle(), IDC_OXY_CHROMATOGRAMS, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = 1;
    SendMessageW(dialog->Handle(), WM_NOTIFY, IDC_OXY_CHROMATOGRAMS, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(RowIds(list), (std::vector<int>{kPetrol3, kPetrol1, kPetrol2}));
    HDITEMW header{};
    header.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list.Handle()), 1, &header);
    EXPECT_EQ(header.fmt & (HDF_SORTUP | HDF_SORTDOWN), 0);
}

TEST_F(DlgMainTest, UpdateUnticksAChromatogramThatLostItsSampleMass) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kWithoutMass});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    list.SetChecked(1, true);
    // The second chromatogram's file is replaced by one whose passport names no mass.
    ASSERT_TRUE(CopyFileW(dialog->Assays()[2].fileName.c_str(), dialog->Assays()[1].fileName.c_str(), FALSE));
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    EXPECT_EQ(RowIds(list), (std::vector<int>{kPetrol1, kPetrol2, kWithoutMass}));
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
    EXPECT_EQ(list.ItemText(1, 7), L"---");
    EXPECT_EQ(dialog->Assays()[1].isTicked, 0);
}

TEST_F(DlgMainTest, ADatabaseThatDoesNotOpenIsReportedAndLeavesTheList) {
    auto dialog = WithChromatograms({kPetrol1});
    DataBaseConnection::Instance().Store(L"Z:\\no such folder\\x\\host.db");
    host.chosenIds = {kPetrol2};
    Click(dialog->Handle(), IDC_OXY_ADD);
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), std::vector<int>{kPetrol1});
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Ошибка");
}

// A database the host holds for writing is not waited for: the command says SQLite's reason, and "U" keeps
// the list as it was instead of dropping every chromatogram it could not read now.
TEST_F(DlgMainTest, ABusyDatabaseIsToldAndTheListIsKept) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    HostDatabase writer(DemoData::HostDatabasePath(folder.Path()));
    writer.Execute("BEGIN EXCLUSIVE;");
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    host.chosenIds = {kPetrol3};
    Click(dialog->Handle(), IDC_OXY_ADD);
    writer.Execute("COMMIT;");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{L"database is locked", L"database is locked"}));
    EXPECT_EQ(RowIds(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS)), (std::vector<int>{kPetrol1, kPetrol2}));
    EXPECT_TRUE(ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).Checked(0));
}

TEST_F(DlgMainTest, TheReportReceivesACopyOfTheCalculation) {
    auto dialog = WithChromatograms({kPetrol1});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, L"X");
    Click(dialog->Handle(), IDC_OXY_REPORT);
    ASSERT_EQ(dialog->Report().model.chromatograms.size(), 1u);
    EXPECT_EQ(dialog->Report().model.chromatograms[0].id, kPetrol1);
    EXPECT_EQ(dialog->Report().model.data.standard, L"X");
    EXPECT_NE(dialog->Report().model.createdAt, 0);
    // Taken from the file when the report is made.
    EXPECT_EQ(dialog->Report().model.chromatograms[0].fileSha256.size(), 64u);
}

TEST_F(DlgMainTest, AReportAlsoGoesToTheLimsFolderWhenTheLabHasMadeIt) {
    auto dialog = WithChromatograms({kPetrol1});
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    const std::filesystem::path lims = ToFileSystemPath(DataFileBeside(componentsPath, kLimsFolderName));
    std::filesystem::remove_all(lims);
    Click(dialog->Handle(), IDC_OXY_REPORT);
    EXPECT_FALSE(std::filesystem::exists(lims));  // no folder, no export

    std::filesystem::create_directory(lims);
    Click(dialog->Handle(), IDC_OXY_REPORT);
    std::vector<std::wstring> written;
    for (const auto& entry : std::filesystem::directory_iterator(lims))
        written.push_back(entry.path().extension().wstring());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::wstring>{L".csv", L".json"}));
    EXPECT_TRUE(boxes.boxes.empty());
    std::filesystem::remove_all(lims);
}

// Each press makes a report. The results rest on what was loaded: a ticked chromatogram's file changed since
// is marked in the report, and its total and verdicts are undetermined until the list is loaded again.
TEST_F(DlgMainTest, AReportOfAFileChangedSinceLoadingMarksItAndDeterminesNothing) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(1, true);
    // The second file is replaced by the first one's, whose passport names another sample mass.
    ASSERT_TRUE(CopyFileW(dialog->Assays()[0].fileName.c_str(), dialog->Assays()[1].fileName.c_str(), FALSE));
    std::string json = ReportJsonOf(*dialog);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_NE(json.find("\"file_changed\": true"), std::string::npos) << json;
    EXPECT_NE(json.find("\"stale_chromatograms\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"total_oxygen_determined\": false"), std::string::npos) << json;

    Click(dialog->Handle(), IDC_OXY_UPDATE);
    json = ReportJsonOf(*dialog);
    EXPECT_EQ(json.find("\"file_changed\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"total_oxygen_determined\": true"), std::string::npos) << json;
}

TEST_F(DlgMainTest, AComponentsTableEditedByHandIsLoggedAndStaysInTheWarningList) {
    auto dialog = WithChromatograms({kPetrol1});
    std::string table = ReadBytes(componentsPath);
    table.insert(table.find("\r\n") + 2, "99;X;X;1.00;1.00\r\n");
    WriteBytes(componentsPath, table);  // by hand, as an editor saves it
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.6");
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    EXPECT_TRUE(boxes.boxes.empty());
    // Found by one read only, it stays said until the window is closed.
    EXPECT_NE(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(L"изменён вне модуля"), std::wstring::npos);
    Click(dialog->Handle(), IDCANCEL);
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(L"изменён вне модуля"), std::wstring::npos);
    const std::string log = ReadBytes(componentsPath + L".log");
    EXPECT_NE(log.find("Событие: изменено вне модуля"), std::string::npos) << log;
    EXPECT_NE(log.find("добавлена строка «99»"), std::string::npos) << log;
}

TEST_F(DlgMainTest, ANewDefaultTableThatDiffersStaysAmongTheWarningsWithoutABox) {
    auto dialog = WithChromatograms({kPetrol1});
    std::string newer = ReadBytes(componentsPath);
    newer.replace(newer.find("793.50"), 6, "794.00");
    const DataFileInPlace beside(L"\\CompsTableOxycalc.default.csv", newer);  // an upgrade put it there
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.6");
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    EXPECT_TRUE(boxes.boxes.empty());
    const wchar_t ethanol[] = L"«Этанол» — плотность 793.50 (в новой 794.00)";
    EXPECT_NE(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(ethanol), std::wstring::npos);
}

// A limits file beside the components file for as long as the object lives; its change log and kept
// versions go with it.
class LimitsInPlace {
public:
    explicit LimitsInPlace(const std::string& bytes) : file_(L"\\LimitsOxycalc.csv", bytes) {}
    ~LimitsInPlace() {
        std::error_code ignored;
        std::filesystem::remove(ToFileSystemPath(file_.Path() + L".log"), ignored);
        std::filesystem::remove_all(ToFileSystemPath(file_.Path() + L".versions"), ignored);
    }
    LimitsInPlace(const LimitsInPlace&) = delete;
    LimitsInPlace& operator=(const LimitsInPlace&) = delete;

private:
    DataFileInPlace file_;
};

// A recalculation runs at every keystroke: what it finds (a table changed outside, a limits line that
// does not read, a limit without verdict) is said in the warning list, and no box takes the keys that
// follow.
TEST_F(DlgMainTest, WhatARecalculationFindsGoesToTheWarningListAndNoBoxTakesTheKeys) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    list.SetChecked(1, true);
    const LimitsInPlace limits(
        "Норма;Компоненты;Величина;Не более;r\r\n"
        "Кислород;;% масс.;3.7;\r\n"
        "Неизвестный;НетТакого;% об.;1.0;\r\n"
        "Сломанная;;% штук;3.0;\r\n");
    std::string table = ReadBytes(componentsPath);
    table.insert(table.find("\r\n") + 2, "99;X;X;1.00;1.00\r\n");
    WriteBytes(componentsPath, table);  // by hand, as an editor saves it
    TypeInto(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_STANDARD)), DemoData::kStandard);
    const std::wstring lines = WindowText(dialog->Item(IDC_OXY_WARNINGS));
    EXPECT_NE(lines.find(L"изменён вне модуля"), std::wstring::npos) << lines;
    EXPECT_NE(lines.find(L"прочитан не весь: строка 4"), std::wstring::npos) << lines;
    EXPECT_NE(lines.find(L"Норма «Неизвестный»: не определено — "), std::wstring::npos) << lines;
    EXPECT_EQ(lines.find(L"Норма «Кислород»"), std::wstring::npos) << lines;
    ShowWindow(dialog->Handle(), SW_HIDE);
}

// A file server's moment: the ticks of chromatograms whose files are away at a refresh stay, are not
// counted meanwhile (the list and the warnings say so, no report is made), and count again when the
// files are back.
TEST_F(DlgMainTest, ATickSurvivesAFileThatIsAwayAtARefreshAndCountsAgainWhenItIsBack) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2, kPetrol3});
    HWND hwnd = dialog->Handle();
    SetEditText(hwnd, IDC_OXY_STANDARD, DemoData::kStandard);
    SetEditText(hwnd, IDC_OXY_DENSITY, L"745.68");
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(0, true);
    const double firstAlone = dialog->Calculation().totalOxygen;
    list.SetChecked(1, true);
    const double both = dialog->Calculation().totalOxygen;
    const std::wstring file = DemoFile(L"Проба 2417-2.stg");
    const std::wstring away = file + L".away";
    ASSERT_TRUE(MoveFileW(file.c_str(), away.c_str()));
    Click(hwnd, IDC_OXY_UPDATE);
    boxes.boxes.clear();  // the refresh said which file does not read
    EXPECT_TRUE(list.Checked(0));
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(2));
    EXPECT_EQ(list.ItemText(1, 7), L"0.00");
    EXPECT_EQ(dialog->Assays()[1].isTicked, 0);
    EXPECT_EQ(dialog->Calculation().totalOxygen, firstAlone);
    EXPECT_NE(
        WindowText(dialog->Item(IDC_OXY_WARNINGS))
            .find(
                L"Отмеченные хроматограммы не учтены в расчёте, пока их файлы недоступны: Проба 2417-2.stg"),
        std::wstring::npos);
    // The report is made all the same, saying which ticked chromatogram it does not count.
    const std::string json = ReportJsonOf(*dialog);
    EXPECT_NE(json.find("\"ticks_not_counted\""), std::string::npos) << json;
    EXPECT_TRUE(boxes.boxes.empty());
    Click(hwnd, IDC_OXY_UPDATE);  // still away
    EXPECT_TRUE(list.Checked(1));
    Click(hwnd, IDCANCEL);
    EXPECT_EQ(host.profile[L"plugins\\oxycalc\\/Assay 2"], L"102/1");

    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
    boxes.boxes.clear();
    Click(hwnd, IDC_OXY_UPDATE);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(dialog->Assays()[1].isTicked, 1);
    EXPECT_EQ(dialog->Calculation().totalOxygen, both);
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)).find(L"не учтены"), std::wstring::npos);
}

// Unticking a kept tick lets it go; ticking a chromatogram whose file is missing says so, and where.
TEST_F(DlgMainTest, AChromatogramWhoseFileIsMissingIsRefusedSayingSoAndWhere) {
    auto dialog = WithChromatograms({kPetrol1, kPetrol2});
    const ListView list = ListOf(*dialog, IDC_OXY_CHROMATOGRAMS);
    list.SetChecked(1, true);
    const std::wstring file = DemoFile(L"Проба 2417-2.stg");
    const std::wstring away = file + L".away";
    ASSERT_TRUE(MoveFileW(file.c_str(), away.c_str()));
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    boxes.boxes.clear();
    list.SetChecked(1, false);
    list.SetChecked(1, true);
    EXPECT_FALSE(list.Checked(1));
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::wstring>{L"Эту хроматограмму нельзя отметить: её файла нет на месте: " + file +
                                        L". Когда файл вернётся, нажмите «Обновить и пересчитать»."});
    ASSERT_TRUE(MoveFileW(away.c_str(), file.c_str()));
    Click(dialog->Handle(), IDC_OXY_UPDATE);
    EXPECT_FALSE(list.Checked(1));
}

// The verdicts read differently under a rule with a guard band: the warnings say which rule holds.
TEST_F(DlgMainTest, ALimitsFileUnderARuleOtherThanSimpleNamesItAmongTheWarnings) {
    const LimitsInPlace limits("Правило принятия решения;ILAC G8\nКислород;;% масс.;3,45;;0,2\n");
    auto dialog = WithChromatograms({kPetrol1});
    SetEditText(dialog->Handle(), IDC_OXY_STANDARD, DemoData::kStandard);
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    SetEditText(dialog->Handle(), IDC_OXY_DENSITY, L"745.68");
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)),
              L"Правило принятия решения: ILAC G8 (условные выводы в полосе норма ± 0,59·R)");
    const LimitVerdict& verdict = dialog->Calculation().verdicts.at(0);
    EXPECT_NE(verdict.outcome, LimitVerdict::Outcome::Undetermined) << Russian(verdict.doubt);
    EXPECT_EQ(verdict.guardBand, 0.118);
}

// While the lab keeps a register, "->" shows a draft and then asks whether to issue it: "Нет" issues
// nothing, "Да" gives it the next number and its files and says so. The window is the same either way.
TEST_F(DlgMainTest, WhileARegisterIsKeptAReportIsADraftIssuedOnlyWhenAsked) {
    const std::string shipped = std::string("Z:") + OXY_STYLESHEET_DIR + "/Report.xsl";
    const DataFileInPlace page{L"\\Report.xsl", ReadBytes(std::wstring(shipped.begin(), shipped.end()))};
    const RegisterInDataFolder lab(componentsPath);
    ASSERT_TRUE(lab.Started());
    auto dialog = WithChromatograms({kPetrol1});
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    boxes.answers = {IDNO};
    Click(dialog->Handle(), IDC_OXY_REPORT);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(L"ПРОЕКТ"), std::wstring::npos);
    EXPECT_EQ(dialog->Report().model.registration.status, ReportRegistration::Status::Draft);
    EXPECT_EQ(lab.Entries(), 1u);

    boxes.boxes.clear();
    boxes.answers = {IDYES, IDOK, IDNO};
    Click(dialog->Handle(), IDC_OXY_REPORT);
    EXPECT_EQ(lab.Entries(), 2u);
    EXPECT_TRUE(FileExists(lab.place.ReportFile(L"ОХ-00001.html")));
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_NE(boxes.boxes[1].text.find(L"№ ОХ-00001"), std::wstring::npos) << boxes.boxes[1].text;
    // Signing is offered at once; "Нет" signs nothing.
    EXPECT_NE(boxes.boxes[2].text.find(L"Подписать отчёт № ОХ-00001 как «составил»?"), std::wstring::npos)
        << boxes.boxes[2].text;
}

// An issued report is signed from the window: "составил" just after the issue, "проверил" later from the
// window menu by another person, with certificates of the user's store; the register's rules hold.
TEST_F(DlgMainTest, AnIssuedReportIsSignedFromTheWindowInTheLabsOrderByOtherPersons) {
    ASSERT_FALSE(TestCertificates().empty()) << "OXY_TEST_CERTIFICATES names no folder";
    const std::string shipped = std::string("Z:") + OXY_STYLESHEET_DIR + "/Report.xsl";
    const DataFileInPlace page{L"\\Report.xsl", ReadBytes(std::wstring(shipped.begin(), shipped.end()))};
    const RegisterInDataFolder lab(componentsPath);
    ASSERT_TRUE(lab.Started());
    auto dialog = WithChromatograms({kPetrol1});
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    SigningStep& signing = dialog->Signing();
    std::wstring signer;
    std::vector<std::wstring> asked, opened;
    signing.chooseCertificate = [&](HWND, const std::wstring& number, SignatureMeaning meaning) {
        asked.push_back(number + L" " + MeaningWord(meaning));
        return std::optional<std::wstring>(signer);
    };
    signing.open = [&](const std::wstring& path) { opened.push_back(path); };

    // Wine keeps one key container: each key file is imported just before its use.
    ImportIntoUserStore(L"ivanova.p12");
    signer = L"Иванова";
    boxes.answers = {IDYES, IDOK, IDYES, IDOK};
    Click(dialog->Handle(), IDC_OXY_REPORT);
    ASSERT_EQ(boxes.boxes.size(), 4u);
    EXPECT_NE(boxes.boxes[3].text.find(L"Отчёт № ОХ-00001 подписан — составил: Иванова Анна Андреевна"),
              std::wstring::npos)
        << boxes.boxes[3].text;
    EXPECT_EQ(asked, std::vector<std::wstring>{L"ОХ-00001 составил"});
    EXPECT_EQ(opened, std::vector<std::wstring>{lab.place.ReportFile(L"ОХ-00001.prepared.html")});
    EXPECT_EQ(lab.Entries(), 3u);

    wchar_t item[100] = {};
    GetMenuStringW(GetSystemMenu(dialog->Handle(), FALSE), 0x0110, item, 100, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(item), L"Подписать выпущенный отчёт…");
    std::wstring chosen = componentsPath;
    signing.chooseReport = [&](HWND, const std::wstring& reports) {
        EXPECT_EQ(reports, lab.place.Reports());
        return std::optional<std::wstring>(chosen);
    };
    const auto signFromMenu = [&](std::vector<int> answers) {
        boxes.boxes.clear();
        boxes.answers = std::move(answers);
        SendMessageW(dialog->Handle(), WM_SYSCOMMAND, 0x0110, 0);
    };
    // A file that is no issued report's.
    signFromMenu({IDOK});
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(L"не выпущенный отчёт"), std::wstring::npos) << boxes.boxes[0].text;

    // The preparer cannot check her own report; nothing is signed.
    chosen = lab.place.ReportFile(L"ОХ-00001.prepared.html");
    signFromMenu({IDYES, IDOK});
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_NE(boxes.boxes[0].text.find(L"как «проверил»"), std::wstring::npos) << boxes.boxes[0].text;
    EXPECT_NE(boxes.boxes[1].text.find(L"не подписано"), std::wstring::npos) << boxes.boxes[1].text;
    EXPECT_EQ(lab.Entries(), 3u);

    ImportIntoUserStore(L"petrov.p12");
    signer = L"Петров";
    signFromMenu({IDYES, IDOK});
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_NE(boxes.boxes[1].text.find(L"подписан — проверил: Петров"), std::wstring::npos)
        << boxes.boxes[1].text;
    EXPECT_EQ(lab.Entries(), 4u);
    EXPECT_EQ(opened.back(), lab.place.ReportFile(L"ОХ-00001.reviewed.html"));
    EXPECT_TRUE(FileExists(opened.back()));
}

}  // namespace
