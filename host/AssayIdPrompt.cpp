#include "AssayIdPrompt.h"

#include <cwchar>
#include <string>

#include "HostResources.h"
#include "platform/Dialog.h"

namespace {

class AssayIdDialog : public Dialog {
public:
    std::vector<int> ids;

protected:
    void OnOk() override {
        wchar_t text[1024] = {};
        GetDlgItemTextW(Handle(), IDC_HOST_ASSAY_IDS, text, 1024);
        const wchar_t* cursor = text;
        while (*cursor != L'\0') {
            wchar_t* end = nullptr;
            const long id = std::wcstol(cursor, &end, 10);
            if (end == cursor) {
                ++cursor;
                continue;
            }
            ids.push_back(static_cast<int>(id));
            cursor = end;
        }
        End(IDOK);
    }
};

}  // namespace

std::vector<int> PromptForAssayIds(HWND owner) {
    AssayIdDialog dialog;
    if (dialog.RunModal(GetModuleHandleW(nullptr), IDD_HOST_ASSAY_IDS, owner) != IDOK) return {};
    return dialog.ids;
}
