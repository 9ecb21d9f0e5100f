#include <sys/stat.h>

#include <cstdio>

#include "platform/ReplaceFile.h"
#include "platform/WideText.h"

namespace {

// The mode a file put in place keeps: the one it replaces has, or what a new file gets under the
// process's umask. A staged file comes from mkstemp, readable by its owner alone, and a LIMS reading
// the folder as another user must still read the report.
mode_t ModeFor(const std::string& target) {
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    const std::string to = ToUtf8(target);
    const std::string from = ToUtf8(source);
    chmod(from.c_str(), ModeFor(to));
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::wstring& path) {
    std::remove(ToUtf8(path).c_str());
}
