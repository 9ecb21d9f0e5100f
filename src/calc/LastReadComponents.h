#pragma once

#include <vector>

#include "calc/CalculationWarning.h"
#include "calc/Component.h"

class ComponentsTable;

// The components each recalculation uses. The file is read every time; while it does not read (held
// by another program, removed, or holding no table yet) the rows it held when it last read serve, so
// that the results do not silently vanish, and the user is told once for each such stretch.
class LastReadComponents {
public:
    // Loads the table from its path (an empty path reads nothing) and tells where the components now
    // come from.
    ComponentsSource Reload(ComponentsTable& table);

    const std::vector<Component>& Components() const { return components_; }
    // Whether the file, as last read, lacked its header line.
    bool HeaderMissing() const { return headerMissing_; }
    // True when the last Reload began a stretch of failed reads that loses a table or meets a file
    // that does not open: the moment to tell the user.
    bool FailureBegan() const { return failureBegan_; }

private:
    std::vector<Component> components_;
    bool everRead_ = false;
    bool headerMissing_ = false;
    bool failing_ = false;
    bool failureBegan_ = false;
};
