#include "ui/PluginMessages.h"

#include <algorithm>

#include "ui/UiLanguage.h"

Language PluginMessages::MessageLanguage() const {
    return UiLanguage();
}

Language NoticeList::MessageLanguage() const {
    return UiLanguage();
}

void ListedMessages::ShowError(const std::wstring& text) {
    boxes_.ShowError(text);
    list_.ShowError(text);
}

void ListedMessages::ShowMessage(const std::wstring& text) {
    boxes_.ShowMessage(text);
    list_.ShowMessage(text);
}

void NoticeList::Add(const std::wstring& text) {
    if (text.empty() || std::find(texts_.begin(), texts_.end(), text) != texts_.end()) return;
    texts_.push_back(text);
}
