#include "platform/LocalTime.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

bool ToLocalTime(int64_t secondsSince1970, std::tm& local) {
#ifdef _WIN32
    const __time64_t moment = secondsSince1970;
    return _localtime64_s(&local, &moment) == 0;
#else
    const std::time_t moment = static_cast<std::time_t>(secondsSince1970);
    return localtime_r(&moment, &local) != nullptr;
#endif
}

}  // namespace

std::wstring LocalTimeText(int64_t secondsSince1970) {
    std::tm local{};
    if (!ToLocalTime(secondsSince1970, local)) return std::wstring();
    // Digits only, so no locale can change the text (strftime's %y and %R give the same).
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d  %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  (local.tm_year % 100 + 100) % 100, local.tm_hour, local.tm_min);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}
