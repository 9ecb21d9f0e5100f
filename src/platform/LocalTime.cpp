#include "platform/LocalTime.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <utility>

namespace {

const wchar_t kNoMoment[] = L"---";

// The offset every local time is shown with while a FixedUtcOffset lives; none: the C library's zone.
std::optional<int32_t> fixedOffsetMinutes;
// The offsets of moments while a RecordedUtcOffsets lives, before any fixed offset.
const RecordedUtcOffsets* recordedOffsets = nullptr;

bool ToUtcTime(int64_t secondsSince1970, std::tm& utc) {
#ifdef _WIN32
    const __time64_t moment = secondsSince1970;
    return _gmtime64_s(&utc, &moment) == 0;
#else
    const std::time_t moment = static_cast<std::time_t>(secondsSince1970);
    return gmtime_r(&moment, &utc) != nullptr;
#endif
}

bool ToZoneTime(int64_t secondsSince1970, std::tm& local) {
#ifdef _WIN32
    const __time64_t moment = secondsSince1970;
    return _localtime64_s(&local, &moment) == 0;
#else
    const std::time_t moment = static_cast<std::time_t>(secondsSince1970);
    return localtime_r(&moment, &local) != nullptr;
#endif
}

bool ToLocalTime(int64_t secondsSince1970, std::tm& local) {
    if (recordedOffsets != nullptr)
        return ToUtcTime(secondsSince1970 + int64_t{recordedOffsets->At(secondsSince1970)} * 60, local);
    if (fixedOffsetMinutes) return ToUtcTime(secondsSince1970 + int64_t{*fixedOffsetMinutes} * 60, local);
    return ToZoneTime(secondsSince1970, local);
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<int32_t> UtcOffsetMinutes(int64_t secondsSince1970) {
    if (!IsShowableMoment(secondsSince1970)) return std::nullopt;
    std::tm local{};
    if (!ToLocalTime(secondsSince1970, local)) return std::nullopt;
    const int64_t asUtc = DaysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) * 86400 +
                          local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<int32_t>((asUtc - secondsSince1970) / 60);
}

FixedUtcOffset::FixedUtcOffset(int32_t minutes) : previous_(fixedOffsetMinutes) {
    fixedOffsetMinutes = minutes;
}

FixedUtcOffset::~FixedUtcOffset() {
    fixedOffsetMinutes = previous_;
}

RecordedUtcOffsets::RecordedUtcOffsets(std::map<int64_t, int32_t> minutesByMoment, int32_t otherwise)
    : minutesByMoment_(std::move(minutesByMoment)), otherwise_(otherwise), previous_(recordedOffsets) {
    recordedOffsets = this;
}

RecordedUtcOffsets::~RecordedUtcOffsets() {
    recordedOffsets = previous_;
}

int32_t RecordedUtcOffsets::At(int64_t secondsSince1970) const {
    const auto found = minutesByMoment_.find(secondsSince1970);
    return found == minutesByMoment_.end() ? otherwise_ : found->second;
}

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

std::optional<int64_t> ParseUtcIsoText(std::wstring_view text) {
    // "YYYY-MM-DDThh:mm:ssZ": digits where the pattern has 9.
    const std::wstring_view pattern = L"9999-99-99T99:99:99Z";
    if (text.size() != pattern.size()) return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= L'0' && text[i] <= L'9';
        if (pattern[i] == L'9' ? !digit : text[i] != pattern[i]) return std::nullopt;
    }
    auto number = [text](size_t from, size_t count) {
        int64_t value = 0;
        for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - L'0');
        return value;
    };
    const int64_t year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int64_t hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    const int64_t moment = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    // A day past the month's end would land in the next month.
    if (!IsShowableMoment(moment) || UtcIsoText(moment) != text) return std::nullopt;
    return moment;
}
