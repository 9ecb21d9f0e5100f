#pragma once

#include <windows.h>

#include <string>

#include "win/MessageBoxes.h"

// What the core has to say, in boxes owned by a dialog, in the host's language: the texts the core
// says in Russian are put into the resource module's words where it has them.
class PluginMessages : public DialogMessages {
public:
    explicit PluginMessages(HWND owner) : DialogMessages(owner) {}
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;
};

// A text of the core in the host's language; a text not known here as it is.
std::wstring LocalCoreText(const std::wstring& text);
