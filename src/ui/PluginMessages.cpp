#include "ui/PluginMessages.h"

#include "res/ResourceIds.h"
#include "tables/DataFilePath.h"
#include "win/Resources.h"

void PluginMessages::ShowError(const std::wstring& text) {
    DialogMessages::ShowError(LocalCoreText(text));
}

void PluginMessages::ShowMessage(const std::wstring& text) {
    DialogMessages::ShowMessage(LocalCoreText(text));
}

std::wstring LocalCoreText(const std::wstring& text) {
    if (text == kNoPublicDocumentsText)
        return ResourceTextOr(IDS_OXY_NO_PUBLIC_DOCUMENTS, kNoPublicDocumentsText);
    return text;
}
