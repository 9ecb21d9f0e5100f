#pragma once

#include <string>
#include <vector>

#include "calc/Component.h"
#include "calc/NewDefaultTable.h"
#include "calc/ReferenceTable.h"

// Where the components of a calculation came from.
enum class ComponentsSource {
    File,      // the components file, read for this calculation
    LastRead,  // the file did not read; the rows it held when it last read
    None,      // the file never read: no components
};

// The components a calculation uses and where they came from.
struct ComponentsSnapshot {
    ComponentsSource source = ComponentsSource::None;
    std::wstring path;           // the components file meant
    bool headerMissing = false;  // its first line was a component, not a header
    std::vector<Component> components;
    TableVersion version;         // of the file as last read
    bool changedOutside = false;  // this read found it changed outside the program (and logged it)
    bool logUnwritable = false;   // its change log could not be written at this read
    std::wstring logProblem;      // why its change log cannot be trusted as it stands; empty: it can
    NewDefaultTable newDefault;   // a default table beside it that differs and waits for the lab's answer
};
