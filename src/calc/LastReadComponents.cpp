#include "calc/LastReadComponents.h"

#include "calc/ComponentsTable.h"

ComponentsSource LastReadComponents::Reload(ComponentsTable& table) {
    // A file without even a header line is one just created for a missing table.
    const bool read = !table.path.empty() && table.Load() && table.headerLength >= 0;
    failureBegan_ = !read && !failing_;
    failing_ = !read;
    if (!read) return everRead_ ? ComponentsSource::LastRead : ComponentsSource::None;
    components_ = table.components;
    everRead_ = true;
    return ComponentsSource::File;
}
