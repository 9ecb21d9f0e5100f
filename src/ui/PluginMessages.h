#pragma once

#include <windows.h>

#include <string>

#include "win/MessageBoxes.h"

// What the core has to say, in boxes owned by a dialog, in the language of the plug-in's windows.
class PluginMessages : public DialogMessages {
public:
    explicit PluginMessages(HWND owner) : DialogMessages(owner) {}
    Language MessageLanguage() const override;
};
