#include "ui/DlgChangeReason.h"

#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "win/DataExchange.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

INT_PTR DlgChangeReason::Run(HWND parent) {
    return RunModal(ResourceModule(), IDD_OXY_CHANGE_REASON, parent);
}

void DlgChangeReason::OnOk() {
    const std::wstring typed = DataExchange::Text(Item(IDC_OXY_REASON));
    reason_ = std::wstring(TrimBlanks(typed));
    if (reason_.empty()) {
        ShowErrorBox(Handle(), ResourceText(IDS_OXY_REASON_EMPTY));
        SetFocus(Item(IDC_OXY_REASON));
        return;
    }
    End(IDOK);
}
