#include "plugin/PluginState.h"

#include "ui/DlgMain.h"

PluginState::PluginState() = default;
PluginState::~PluginState() = default;

PluginState& Plugin() {
    static PluginState state;
    return state;
}
