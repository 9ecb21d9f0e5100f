#include <windows.h>

#include <commctrl.h>

#include "UiFixture.h"
#include "res/ResourceIds.h"
#include "tables/NotSet.h"
#include "ui/CGridCtrlEditCell.h"
#include "ui/DlgChangeReason.h"
#include "ui/Dlg_Components.h"

namespace {

constexpr INT_PTR kLeftOpen = -2;

const char kFourComponents[] =
    "N;Peak;Name;M;Density\r\n"
    "4;MeOH;Methanol;32.04;791.80\r\n"
    "5;EtOH;Ethanol;46.07;789.30\r\n"
    "6;MTBE;MTBE;88.15;740.50\r\n"
    "7;DME;Dimethoxyethane;90.12;868.30\r\n";

class Dlg_ComponentsTest : public UiFixture {
protected:
    void SetUp() override {
        UiFixture::SetUp();
        WriteComponents(kFourComponents);
    }

    // Runs the dialog with a script; its result, or kLeftOpen when the script left it open.
    INT_PTR Run(const std::function<void(HWND, const ListView&)>& script) {
        INT_PTR result = 0;
        WithModalDialog(
            IDC_OXY_COMPONENT_GRID,
            [&](HWND dialog) {
                script(dialog, ListView(GetDlgItem(dialog, IDC_OXY_COMPONENT_GRID)));
                if (IsWindowVisible(dialog)) EndDialog(dialog, kLeftOpen);
            },
            [&] { result = components.Run(owner); });
        return result;
    }

    // Double-clicks a cell until its editor opens (the first click only focuses a row); the editor.
    static HWND OpenEditor(const ListView& list, int item, int column) {
        for (int click = 0; click < 2; ++click) {
            const RECT cell = list.SubItemLabelRect(item, column);
            SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                         MAKELPARAM(cell.left + 4, cell.top + 3));
            HWND editor = GetDlgItem(list.Handle(), CGridCtrlEditCell::kControlId);
            if (editor != nullptr) return editor;
        }
        return nullptr;
    }

    static void Type(HWND dialog, const ListView& list, int item, int column, const std::wstring& text,
                     UINT key) {
        HWND editor = OpenEditor(list, item, column);
        ASSERT_NE(editor, nullptr);
        SetWindowTextW(editor, text.c_str());
        PressKey(dialog, editor, key);
        EXPECT_EQ(GetDlgItem(list.Handle(), CGridCtrlEditCell::kControlId), nullptr);
    }

    Dlg_Components components;
};

TEST_F(Dlg_ComponentsTest, EditsTakeCommasAndDashesAndEscapeChangesNothing) {
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        Type(dialog, list, 0, 3, L"32,5", VK_RETURN);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(list.ItemText(0, 3), L"32,5");
        Type(dialog, list, 1, 4, L"---", VK_RETURN);
        Type(dialog, list, 2, 2, L"changed", VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(list.ItemText(2, 2), L"MTBE");
        Type(dialog, list, 3, 1, L"dme", VK_RETURN);
        EXPECT_EQ(OpenEditor(list, 0, 0), nullptr);
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        EXPECT_EQ(list.ItemText(0, 3), L"32.50");
        EXPECT_EQ(list.ItemText(1, 4), L"---");
        EXPECT_EQ(list.ItemText(4, 0), L"5");
        EXPECT_EQ(list.ItemText(4, 1), L"Задайте имя компонента!");
        EXPECT_EQ(list.ItemText(4, 3), L"0.00");
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(components.table.components[0].molarMass, 32.5);
    EXPECT_TRUE(IsNotSet(components.table.components[1].density));
    EXPECT_EQ(components.table.components[3].peakName, L"dme");
    EXPECT_TRUE(boxes.boxes.empty());
}

// A typo in a constant would change every later result; a forgotten new row would reach the file.
TEST_F(Dlg_ComponentsTest, ASaveIsRefusedNamingEveryCellThatIsNoNumberAndEveryRowWithoutNames) {
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        Type(dialog, list, 0, 3, L"7,2.1x", VK_RETURN);
        Type(dialog, list, 1, 3, L"74.12.5", VK_RETURN);
        Type(dialog, list, 2, 4, L"abc", VK_RETURN);
        Type(dialog, list, 3, 4, L"0", VK_RETURN);
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        EXPECT_EQ(list.ItemText(0, 3), L"7,2.1x");  // the refill keeps what was typed
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Ошибка");
    EXPECT_EQ(boxes.boxes[0].text,
              L"Таблица компонентов не сохранена:\n"
              L"строка 1, «Молярная масса»: «7,2.1x» — не число\n"
              L"строка 2, «Молярная масса»: «74.12.5» — не число\n"
              L"строка 3, «Плотность»: «abc» — не число\n"
              L"строка 4, «Плотность»: значение должно быть больше нуля\n"
              L"строка 5, «Компонент»: имя не задано\n"
              L"строка 5, «Имя компонента»: имя не задано\n"
              L"строка 5, «Молярная масса»: значение должно быть больше нуля\n"
              L"строка 5, «Плотность»: значение должно быть больше нуля");
}

// A table that names one peak on two rows, or shows one name on two, is refused naming both rows.
TEST_F(Dlg_ComponentsTest, ASaveIsRefusedNamingTheRowsThatRepeatAPeakOrAName) {
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        Type(dialog, list, 1, 1, L"meoh", VK_RETURN);
        Type(dialog, list, 3, 2, L"mtbe", VK_RETURN);
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              L"Таблица компонентов не сохранена:\n"
              L"строка 2, «Компонент»: то же, что в строке 1: таблица с повторами противоречит себе\n"
              L"строка 4, «Имя компонента»: то же, что в строке 3: таблица с повторами противоречит себе");
}

// Keys one by one, as a lab types them all day.
TEST_F(Dlg_ComponentsTest, TheKeyboardEditsCellsAndEnterNeverSavesOrCloses) {
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        HWND grid = list.Handle();
        SetFocus(grid);
        list.SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        const auto editor = [grid] { return GetDlgItem(grid, CGridCtrlEditCell::kControlId); };

        PressFocusedKey(dialog, VK_F2);  // column 0 is no one's to edit: the peak name opens
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(WindowText(editor()), L"MeOH");
        TypeKeys(dialog, L"МеОН");
        PressFocusedKey(dialog, VK_RETURN);
        EXPECT_EQ(editor(), nullptr);
        EXPECT_EQ(list.ItemText(0, 1), L"МеОН");
        PressFocusedKey(dialog, VK_RETURN);  // Enter once more: the cell again, never "Сохранить"
        EXPECT_TRUE(IsWindowVisible(dialog));
        ASSERT_NE(editor(), nullptr);
        TypeKeys(dialog, L"x");
        PressFocusedKey(dialog, VK_ESCAPE);
        EXPECT_EQ(editor(), nullptr);
        EXPECT_EQ(list.ItemText(0, 1), L"МеОН");

        TypeKeys(dialog, L"Ме");  // typing over the cell replaces its text
        PressFocusedKey(dialog, VK_TAB);
        EXPECT_EQ(list.ItemText(0, 1), L"Ме");
        ASSERT_NE(editor(), nullptr);
        TypeKeys(dialog, L"Метиловый спирт");
        PressFocusedKey(dialog, VK_TAB);
        PressFocusedKey(dialog, VK_TAB);
        TypeKeys(dialog, L"791,9");
        PressFocusedKey(dialog, VK_TAB, true);  // back to the molar mass
        EXPECT_EQ(list.ItemText(0, 4), L"791,9");
        EXPECT_EQ(WindowText(editor()), L"32.04");
        PressFocusedKey(dialog, VK_TAB);
        PressFocusedKey(dialog, VK_TAB);  // the oxygen atoms
        EXPECT_EQ(WindowText(editor()), L"1");
        PressFocusedKey(dialog, VK_TAB);  // past the last column: the next row's peak name
        EXPECT_EQ(list.FocusedItem(), 1);
        EXPECT_EQ(WindowText(editor()), L"EtOH");
        PressFocusedKey(dialog, VK_ESCAPE);
        PressFocusedKey(dialog, VK_RETURN);
        PressFocusedKey(dialog, VK_RETURN);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(boxes.reasonsAsked, 1);
    const Component& first = components.table.components[0];
    EXPECT_EQ(first.peakName, L"Ме");
    EXPECT_EQ(first.name, L"Метиловый спирт");
    EXPECT_EQ(first.density, 791.9);
}

TEST_F(Dlg_ComponentsTest, ScrollingCommitsAnEditAndACaseChangeCounts) {
    Run([&](HWND dialog, const ListView& list) {
        HWND editor = OpenEditor(list, 0, 1);
        ASSERT_NE(editor, nullptr);
        SetWindowTextW(editor, L"meoh");
        SendMessageW(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
        PumpDialogMessages(dialog);
        EXPECT_EQ(GetDlgItem(list.Handle(), CGridCtrlEditCell::kControlId), nullptr);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(components.table.components[0].peakName, L"meoh");
}

TEST_F(Dlg_ComponentsTest, ThreeNonAdjacentRowsAreRemovedAndIdsKeepCounting) {
    boxes.answers = {IDYES, IDYES};
    Run([&](HWND dialog, const ListView& list) {
        Click(dialog, IDC_OXY_REMOVE_COMPONENTS);
        EXPECT_EQ(list.ItemCount(), 4);
        for (int item : {0, 1, 3}) list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        Click(dialog, IDC_OXY_REMOVE_COMPONENTS);
        EXPECT_EQ(RowIds(list), std::vector<int>{6});
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        Click(dialog, IDC_OXY_REMOVE_COMPONENTS);
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        EXPECT_EQ(RowIds(list), (std::vector<int>{6, 10}));
        Click(dialog, IDCANCEL);
    });
}

TEST_F(Dlg_ComponentsTest, CancelAsksAfterAChangeAndStaysWhenTheAnswerIsNo) {
    boxes.answers = {IDCANCEL, IDOK};
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        Type(dialog, list, 2, 2, L"MTBE", VK_RETURN);  // the same text: no change, no question
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        Click(dialog, IDCANCEL);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Подтверждение выхода");
    EXPECT_EQ(boxes.boxes[0].text, L"Выйти без сохранения изменений?");
}

TEST_F(Dlg_ComponentsTest, AFileThatCannotBeWrittenKeepsTheDialogOpenWithTheEdits) {
    boxes.answers = {IDOK, IDOK};
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        SetReadOnly(componentsPath, true);
        Type(dialog, list, 0, 3, L"32.05", VK_RETURN);
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(list.ItemText(0, 3), L"32.05");
        Click(dialog, IDCANCEL);
    });
    SetReadOnly(componentsPath, false);
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Ошибка");
    EXPECT_EQ(boxes.boxes[0].text,
              L"Не удалось открыть файл таблицы компонентов для записи:\n" + componentsPath);
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
}

TEST_F(Dlg_ComponentsTest, SavingFromTheMainDialogRecalculatesWithTheNewTable) {
    auto dialog = OpenMainDialog();
    EXPECT_EQ(dialog->Calculation().components.size(), 4u);
    WithModalDialog(
        IDC_OXY_COMPONENT_GRID,
        [&](HWND editor) {
            const ListView list(GetDlgItem(editor, IDC_OXY_COMPONENT_GRID));
            Click(editor, IDC_OXY_ADD_COMPONENT);
            int column = 1;
            for (const wchar_t* text : {L"Acetone", L"Ацетон", L"58.08", L"784.5"})
                Type(editor, list, 4, column++, text, VK_RETURN);
            Click(editor, IDOK);
        },
        [&] { Click(dialog->Handle(), IDC_OXY_COMPONENTS); });
    EXPECT_EQ(dialog->Calculation().components.size(), 5u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Dlg_ComponentsTest, AnEnglishHostGetsItsPlaceholderAndRefusalInEnglish) {
    const EnglishResources english;
    Run([&](HWND dialog, const ListView& list) {
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        EXPECT_EQ(list.ItemText(4, 1), L"Set the component's name!");
        Type(dialog, list, 4, 2, L"Acetone", VK_RETURN);
        Type(dialog, list, 4, 3, L"58,08", VK_RETURN);
        Type(dialog, list, 4, 4, L"784 kg", VK_RETURN);
        Click(dialog, IDOK);
    });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Error");
    EXPECT_EQ(boxes.boxes[0].text,
              L"The components table was not saved:\n"
              L"row 5, “Component”: no name given\n"
              L"row 5, “Density”: “784 kg” is not a number");
}

}  // namespace

// A save asks why the table changes and logs it with the reason; Cancel at that question writes nothing.
TEST_F(Dlg_ComponentsTest, ASaveAsksItsReasonAndLogsTheChangeWithItOrWritesNothing) {
    boxes.reason.clear();
    INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        HWND editor = OpenEditor(list, 1, 4);
        SetWindowTextW(editor, L"793,5");
        PressKey(dialog, editor, VK_RETURN);
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));  // the question cancelled: still open, with the edit
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);

    boxes.reason = L"плотность этанола по паспорту реактива";
    result = Run([&](HWND dialog, const ListView& list) {
        HWND editor = OpenEditor(list, 1, 4);
        SetWindowTextW(editor, L"793,5");
        PressKey(dialog, editor, VK_RETURN);
        editor = OpenEditor(list, 2, 5);  // dimethyl carbonate's three oxygen atoms, say
        SetWindowTextW(editor, L"3");
        PressKey(dialog, editor, VK_RETURN);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.reasonsAsked, 2);
    const std::string log = ReadBytes(componentsPath + L".log");
    EXPECT_NE(log.find("Событие: сохранено в модуле"), std::string::npos) << log;
    EXPECT_NE(log.find("Причина: плотность этанола по паспорту реактива"), std::string::npos) << log;
    EXPECT_NE(log.find("строка «5»: Density «789.30» → «793.50»"), std::string::npos) << log;
    EXPECT_NE(ReadBytes(componentsPath).find(";3\r\n"), std::string::npos) << "the sixth field written";
}

// The prompt itself refuses an empty reason.
TEST_F(Dlg_ComponentsTest, TheReasonPromptRefusesAnEmptyReason) {
    boxes.answersReason = false;
    DlgChangeReason prompt;
    INT_PTR result = 0;
    WithModalDialog(
        IDC_OXY_REASON,
        [&](HWND dialog) {
            Click(dialog, IDOK);
            EXPECT_TRUE(IsWindowVisible(dialog));
            SetDlgItemTextW(dialog, IDC_OXY_REASON, L"  новая партия реактива  ");
            Click(dialog, IDOK);
        },
        [&] { result = prompt.Run(owner); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(prompt.Reason(), L"новая партия реактива");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(L"причину"), std::wstring::npos);
}

// Peak names come from the host's method: a number there is a value typed into the wrong cell.
TEST_F(Dlg_ComponentsTest, APeakNameThatIsANumberIsRefusedOnSaveNamingItsRow) {
    const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
        Type(dialog, list, 1, 1, L" 805,74 ", VK_RETURN);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, kLeftOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(L"строка 2, «Компонент»: « 805,74 » — число, а не имя пика"),
              std::wstring::npos)
        << boxes.boxes[0].text;
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
}

// A grid just opened has no current cell: the first key shows which cell would be edited, and
// overwrites nothing.
TEST_F(Dlg_ComponentsTest, KeysTypedIntoAGridJustOpenedOverwriteNoCell) {
    Run([&](HWND dialog, const ListView& list) {
        HWND grid = list.Handle();
        SetFocus(grid);
        EXPECT_EQ(list.FocusedItem(), -1);
        TypeKeys(dialog, L"805.74");
        EXPECT_EQ(list.ItemText(0, 1), L"MeOH");
        EXPECT_EQ(list.FocusedItem(), 0);
        HWND editor = GetDlgItem(grid, CGridCtrlEditCell::kControlId);
        ASSERT_NE(editor, nullptr);  // the keys after the first went into the cell now shown as current
        PressFocusedKey(dialog, VK_ESCAPE);
        EXPECT_EQ(list.ItemText(0, 1), L"MeOH");
        Click(dialog, IDCANCEL);
    });
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Dlg_ComponentsTest, RemovingAsksNamingTheComponentsAndNoKeepsThem) {
    boxes.answers = {IDNO, IDYES};
    Run([&](HWND dialog, const ListView& list) {
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        Click(dialog, IDC_OXY_REMOVE_COMPONENTS);
        EXPECT_EQ(list.ItemCount(), 4);
        Click(dialog, IDC_OXY_REMOVE_COMPONENTS);
        EXPECT_EQ(RowIds(list), (std::vector<int>{5, 7}));
    });
    ASSERT_GE(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Подтверждение удаления");
    EXPECT_EQ(boxes.boxes[0].text, L"Удалить из таблицы компоненты: MeOH, MTBE?");
}

TEST_F(Dlg_ComponentsTest, CancelWithoutAChangeClosesAtOnceAndTheColumnsFillTheGridAtEveryOpening) {
    for (int opening = 0; opening < 2; ++opening) {
        const INT_PTR result = Run([&](HWND dialog, const ListView& list) {
            int columns = 0;
            for (int column = 0; column < list.ColumnCount(); ++column) columns += list.ColumnWidth(column);
            RECT client{};
            GetClientRect(list.Handle(), &client);
            EXPECT_EQ(list.ColumnCount(), 6);
            EXPECT_EQ(columns, client.right) << "opening " << opening;
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}
