#pragma once

#include <string>

#include "messages/Language.h"
#include "messages/Message.h"

// The language of the plug-in's windows: the one its resource module names (the plug-in itself says
// Russian, oxycalcENU.dll English). A module that names none, as before one is set, is Russian.
Language UiLanguage();

// What the core says, in the windows' language.
std::wstring UiText(const Message& message);
