#pragma once

#include <string>
#include <vector>

#include "records/ComponentsSnapshot.h"

class ComponentsTable;

// The components each recalculation uses. The file is read every time; while it does not read (held
// by another program, removed, or holding no table yet) the rows it held when it last read serve, so
// that the results do not silently vanish (the calculation's warnings say so).
class LastReadComponents {
public:
    // Loads the table from its path (an empty path reads nothing): the components to use now, and where
    // they come from.
    ComponentsSnapshot Reload(ComponentsTable& table);

    // The components as last read.
    const std::vector<Component>& Components() const { return components_; }

    // True when the last Reload logged a new default table beside the file: the moment to tell the user.
    bool NewDefaultLogged() const { return newDefaultLogged_; }

private:
    std::vector<Component> components_;
    bool everRead_ = false;
    bool headerMissing_ = false;
    TableVersion version_;
    NewDefaultTable newDefault_;
    bool newDefaultLogged_ = false;
};

// The components of a run that reads its file once, at its start (a report, a batch).
ComponentsSnapshot ReadComponents(const std::wstring& path);

// The components of the file as it is now, read without holding, creating or logging it: what a check of
// an earlier report holds that report against. Source None when the file does not read.
ComponentsSnapshot ReadComponentsAsTheyAre(const std::wstring& path);
