#pragma once

#include <string>
#include <vector>

#include "records/NewDefaultTable.h"
#include "tables/Component.h"
#include "tables/TableVersion.h"

// Where the components of a calculation came from.
enum class ComponentsSource {
    File,      // the components file, read for this calculation
    LastRead,  // the file did not read; the rows it held when it last read
    None,      // the file never read: no components
};

// What a read of the components file found out besides its rows.
struct ComponentsOrigin {
    ComponentsSource source = ComponentsSource::None;
    std::wstring path;           // the components file meant
    bool headerMissing = false;  // its first line was a component, not a header
    TableTracking tracking;      // its version as read, and what the read found out about its change log
    NewDefaultTable newDefault;  // a default table beside it that differs and waits for the lab's answer
};

// The components a calculation uses and where they came from.
struct ComponentsSnapshot : ComponentsOrigin {
    std::vector<Component> components;
};
