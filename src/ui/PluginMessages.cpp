#include "ui/PluginMessages.h"

#include "ui/UiLanguage.h"

Language PluginMessages::MessageLanguage() const {
    return UiLanguage();
}
