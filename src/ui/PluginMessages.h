#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/MessageBoxes.h"

// What the core has to say, in boxes owned by a dialog, in the language of the plug-in's windows.
class PluginMessages : public DialogMessages {
public:
    explicit PluginMessages(HWND owner) : DialogMessages(owner) {}
    Language MessageLanguage() const override;
};

// What the core says while nobody asked it anything (a recalculation after a keystroke): kept, each text
// once, for the dialog's warning list. A box would take the keyboard from the field being typed into and
// swallow the keys that follow.
class NoticeList : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override { Add(text); }
    void ShowMessage(const std::wstring& text) override { Add(text); }
    Language MessageLanguage() const override;

    const std::vector<std::wstring>& Texts() const { return texts_; }
    void Clear() { texts_.clear(); }

private:
    void Add(const std::wstring& text);

    std::vector<std::wstring> texts_;
};

// What a command's recalculation says: each text in a box at once, and kept for the warning list too.
class ListedMessages : public UserMessages {
public:
    ListedMessages(HWND owner, NoticeList& list) : boxes_(owner), list_(list) {}
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;
    Language MessageLanguage() const override { return boxes_.MessageLanguage(); }

private:
    PluginMessages boxes_;
    NoticeList& list_;
};
