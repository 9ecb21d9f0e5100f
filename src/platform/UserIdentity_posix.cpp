#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/UserIdentity.h"
#include "platform/WideText.h"

std::wstring UserAtComputer() {
    std::string user;
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        user = entry->pw_name;
    } else if (const char* name = std::getenv("USER"); name != nullptr) {
        user = name;
    }
    char host[256] = {};
    const std::string computer = gethostname(host, sizeof host - 1) == 0 ? std::string(host) : std::string();
    return FromUtf8(user.empty() ? "?" : user) + L"@" + FromUtf8(computer.empty() ? "?" : computer);
}
