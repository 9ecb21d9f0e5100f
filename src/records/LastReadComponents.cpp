#include "records/LastReadComponents.h"

#include "records/ReferenceTable.h"

#include "tables/ComponentsTable.h"

ComponentsSnapshot LastReadComponents::Reload(ComponentsTable& table) {
    // A file without even a header line is one just created for a missing table.
    const bool opened = !table.path.empty() && table.Load();
    const bool read = opened && table.headerLength >= 0;
    ComponentsSnapshot snapshot;
    newDefaultLogged_ = false;
    if (read) {
        components_ = table.components;
        headerMissing_ = table.headerMissing;
        everRead_ = true;
        const TableTracking tracking = TrackReferenceTable(table.path);
        version_ = tracking.version;
        snapshot.tracking.changedOutside = tracking.changedOutside;
        snapshot.tracking.logUnwritable = tracking.logUnwritable;
        snapshot.tracking.logProblem = tracking.logProblem;
        newDefault_ = FindNewDefaultTable(table.path, components_, version_, newDefault_);
        newDefaultLogged_ = newDefault_.loggedNow;
    }
    snapshot.source = read        ? ComponentsSource::File
                      : everRead_ ? ComponentsSource::LastRead
                                  : ComponentsSource::None;
    snapshot.path = table.path;
    snapshot.headerMissing = headerMissing_;
    snapshot.components = components_;
    snapshot.tracking.version = version_;
    snapshot.newDefault = newDefault_;
    snapshot.newDefault.loggedNow = newDefaultLogged_;
    return snapshot;
}

ComponentsSnapshot ReadComponentsAsTheyAre(const std::wstring& path) {
    ComponentsSnapshot snapshot;
    snapshot.path = path;
    ComponentsTable table;
    table.path = path;
    if (path.empty() || !table.LoadReadOnly() || table.headerLength < 0) return snapshot;
    snapshot.source = ComponentsSource::File;
    snapshot.headerMissing = table.headerMissing;
    snapshot.components = table.components;
    snapshot.tracking.version = ReadTableVersion(path);
    return snapshot;
}

ComponentsSnapshot ReadComponents(const std::wstring& path) {
    ComponentsTable table;
    table.path = path;
    return LastReadComponents().Reload(table);
}
