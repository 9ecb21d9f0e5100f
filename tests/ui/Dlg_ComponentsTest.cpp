#include <windows.h>

#include <commctrl.h>

#include "UiFixture.h"
#include "calc/NotSet.h"
#include "res/ResourceIds.h"
#include "ui/CGridCtrlEditCell.h"
#include "ui/Dlg_Components.h"

namespace {

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

    // Runs the dialog with a script; its result.
    INT_PTR Run(const std::function<void(HWND, const ListView&)>& script) {
        INT_PTR result = 0;
        WithModalDialog(
            IDC_OXY_COMPONENT_GRID,
            [&](HWND dialog) { script(dialog, ListView(GetDlgItem(dialog, IDC_OXY_COMPONENT_GRID))); },
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
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(components.table.components[0].molarMass, 32.5);
    EXPECT_TRUE(IsNotSet(components.table.components[1].density));
    EXPECT_EQ(components.table.components[3].peakName, L"dme");
    EXPECT_TRUE(boxes.boxes.empty());
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

TEST_F(Dlg_ComponentsTest, CancelAlwaysAsksAndStaysWhenTheAnswerIsNo) {
    boxes.answers = {IDCANCEL, IDOK};
    const INT_PTR result = Run([&](HWND dialog, const ListView&) {
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
        Click(dialog, IDC_OXY_ADD_COMPONENT);
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(list.ItemCount(), 5);
        Click(dialog, IDCANCEL);
    });
    SetReadOnly(componentsPath, false);
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Ошибка");
    EXPECT_EQ(ReadBytes(componentsPath), kFourComponents);
}

TEST_F(Dlg_ComponentsTest, SavingFromTheMainDialogRecalculatesWithTheNewTable) {
    auto dialog = OpenMainDialog();
    EXPECT_EQ(dialog->Calculation().components.size(), 4u);
    WithModalDialog(
        IDC_OXY_COMPONENT_GRID,
        [&](HWND editor) {
            Click(editor, IDC_OXY_ADD_COMPONENT);
            Click(editor, IDOK);
        },
        [&] { Click(dialog->Handle(), IDC_OXY_COMPONENTS); });
    EXPECT_EQ(dialog->Calculation().components.size(), 5u);
}

}  // namespace
