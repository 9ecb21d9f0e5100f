#include "platform/LocalTime.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

const wchar_t kNoMoment[] = L"---";

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

bool IsShowableMoment(int64_t secondsSince1970) {
    return secondsSince1970 >= 0 && secondsSince1970 <= 253402300799;  // 9999-12-31T23:59:59Z
}

std::wstring LocalTimeText(int64_t secondsSince1970) {
    if (!IsShowableMoment(secondsSince1970)) return kNoMoment;
    std::tm local{};
    if (!ToLocalTime(secondsSince1970, local)) return std::wstring();
    // Digits only, so no locale can change the text (strftime's %y and %R give the same).
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d  %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  (local.tm_year % 100 + 100) % 100, local.tm_hour, local.tm_min);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::wstring LocalDateTimeText(int64_t secondsSince1970) {
    if (!IsShowableMoment(secondsSince1970)) return kNoMoment;
    std::tm local{};
    if (!ToLocalTime(secondsSince1970, local)) return std::wstring();
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::wstring LocalFileStamp(int64_t secondsSince1970, bool withSeconds) {
    if (!IsShowableMoment(secondsSince1970)) return std::wstring();
    std::tm local{};
    if (!ToLocalTime(secondsSince1970, local)) return std::wstring();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    std::string stamp = text;
    if (withSeconds) {
        std::snprintf(text, sizeof text, "%02d", local.tm_sec);
        stamp += text;
    }
    return std::wstring(stamp.begin(), stamp.end());
}

namespace {

// Year, month and day of "YYYY-MM-DD"; nothing unless it is a real calendar date.
std::optional<std::tm> CalendarDay(std::wstring_view isoDate) {
    if (isoDate.size() != 10 || isoDate[4] != L'-' || isoDate[7] != L'-') return std::nullopt;
    int parts[3] = {};
    const size_t starts[3] = {0, 5, 8};
    const size_t lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (size_t k = 0; k < lengths[i]; ++k) {
            const wchar_t c = isoDate[starts[i] + k];
            if (c < L'0' || c > L'9') return std::nullopt;
            parts[i] = parts[i] * 10 + (c - L'0');
        }
    }
    std::tm day{};
    day.tm_year = parts[0] - 1900;
    day.tm_mon = parts[1] - 1;
    day.tm_mday = parts[2];
    day.tm_isdst = -1;
    // mktime moves 2024-02-30 to March; such a text is no date.
    std::tm normalised = day;
    if (std::mktime(&normalised) == static_cast<std::time_t>(-1) || normalised.tm_mday != parts[2] ||
        normalised.tm_mon != parts[1] - 1) {
        return std::nullopt;
    }
    return day;
}

std::optional<int64_t> StartOf(std::tm day, int daysLater) {
    day.tm_mday += daysLater;
    const std::time_t moment = std::mktime(&day);
    if (moment == static_cast<std::time_t>(-1)) return std::nullopt;
    return static_cast<int64_t>(moment);
}

}  // namespace

std::optional<int64_t> LocalDayStart(std::wstring_view isoDate) {
    const std::optional<std::tm> day = CalendarDay(isoDate);
    return day ? StartOf(*day, 0) : std::nullopt;
}

std::optional<int64_t> LocalDayEnd(std::wstring_view isoDate) {
    const std::optional<std::tm> day = CalendarDay(isoDate);
    return day ? StartOf(*day, 1) : std::nullopt;
}

std::wstring UtcIsoText(int64_t secondsSince1970) {
    if (!IsShowableMoment(secondsSince1970)) return kNoMoment;
    // Days to a civil date (proleptic Gregorian), so that no C library time zone is involved.
    const int64_t days =
        secondsSince1970 >= 0 ? secondsSince1970 / 86400 : -((-secondsSince1970 + 86399) / 86400);
    const int64_t seconds = secondsSince1970 - days * 86400;
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[128];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ",
                  static_cast<long long>(year), static_cast<long long>(month), static_cast<long long>(day),
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::optional<int64_t> ReadUtcIsoText(std::wstring_view text) {
    constexpr std::wstring_view kForm = L"0000-00-00T00:00:00Z";
    if (text.size() != kForm.size()) return std::nullopt;
    int64_t parts[6] = {};  // year, month, day, hours, minutes, seconds
    size_t part = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (kForm[i] != L'0') {
            if (text[i] != kForm[i]) return std::nullopt;
            ++part;
            continue;
        }
        if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
        parts[part] = parts[part] * 10 + (text[i] - L'0');
    }
    const int64_t year = parts[1] <= 2 ? parts[0] - 1 : parts[0];
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (parts[1] > 2 ? parts[1] - 3 : parts[1] + 9) + 2) / 5 + parts[2] - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t days = era * 146097 + dayOfEra - 719468;
    const int64_t moment = days * 86400 + parts[3] * 3600 + parts[4] * 60 + parts[5];
    // A 30th of February or a 25th hour reads back as another text.
    if (!IsShowableMoment(moment) || UtcIsoText(moment) != text) return std::nullopt;
    return moment;
}
