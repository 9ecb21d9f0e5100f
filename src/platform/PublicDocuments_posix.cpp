#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/PublicDocuments.h"
#include "platform/WideText.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The value of XDG_PUBLICSHARE_DIR from a user-dirs.dirs line such as
// XDG_PUBLICSHARE_DIR="$HOME/Public"; empty when the line is not that entry.
std::string PublicShareEntry(const std::string& line, const std::string& home) {
    const std::string key = "XDG_PUBLICSHARE_DIR=\"";
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) return std::string();
    const size_t valueStart = start + key.size();
    const size_t valueEnd = line.find('"', valueStart);
    if (valueEnd == std::string::npos) return std::string();
    std::string value = line.substr(valueStart, valueEnd - valueStart);
    const std::string homePrefix = "$HOME";
    if (value.compare(0, homePrefix.size(), homePrefix) == 0) {
        if (home.empty()) return std::string();
        value = home + value.substr(homePrefix.size());
    }
    return value.empty() || value.front() != '/' ? std::string() : value;
}

std::string XdgPublicShare(const std::string& home) {
    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    if (!configHome.empty()) {
        std::ifstream dirs(configHome + "/user-dirs.dirs");
        std::string line;
        while (std::getline(dirs, line)) {
            const std::string entry = PublicShareEntry(line, home);
            if (!entry.empty()) return entry;
        }
    }
    return home.empty() ? std::string() : home + "/Public";
}

}  // namespace

std::wstring PublicDocumentsFolder() {
    std::string folder = Environment("OXYCALC_PUBLIC_DOCUMENTS");
    if (folder.empty()) folder = XdgPublicShare(Environment("HOME"));
    return folder.empty() ? std::wstring() : FromUtf8(WithoutTrailingSlash(folder));
}
