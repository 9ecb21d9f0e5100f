#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Whether a moment lies from 1970-01-01 through 9999-12-31 (UTC), the moments this program shows. One
// outside (a damaged row of the host) is shown as "---" and never converted: the conversion of such a
// moment can overflow.
bool IsShowableMoment(int64_t secondsSince1970);

// A moment given as seconds since 1970-01-01 00:00 UTC, in the local time zone (TZ where it is
// set), as "dd.mm.yy  hh:mm" with two blanks: what the chromatogram list and the report show as the
// analysis time. "---" for a moment that is not showable; empty when the C library cannot convert it.
std::wstring LocalTimeText(int64_t secondsSince1970);

// A moment in the local time zone as "dd.mm.yyyy hh:mm", as a document is dated; "---" for a moment
// that is not showable, empty when the C library cannot convert it.
std::wstring LocalDateTimeText(int64_t secondsSince1970);

// A moment in the local time zone as a file name's stamp that sorts by time: "yyyy-mm-dd_hhmm", with
// the seconds as well ("yyyy-mm-dd_hhmmss") when asked; empty for a moment that is not showable or
// that the C library cannot convert.
std::wstring LocalFileStamp(int64_t secondsSince1970, bool withSeconds);

// The moment a local calendar day given as "YYYY-MM-DD" begins, in seconds since 1970; nothing for a
// text that is no valid date.
std::optional<int64_t> LocalDayStart(std::wstring_view isoDate);
// The moment the local day after it begins: the end of that day, exclusive.
std::optional<int64_t> LocalDayEnd(std::wstring_view isoDate);

// How far local time (as the functions above show it) is ahead of UTC at a moment, in minutes; nothing
// for a moment that is not showable or that the C library cannot convert.
std::optional<int32_t> UtcOffsetMinutes(int64_t secondsSince1970);

// While it lives, every local time above is shown at this fixed offset from UTC instead of in the
// computer's zone: a report is checked on another computer in the zone it was made in.
class FixedUtcOffset {
public:
    explicit FixedUtcOffset(int32_t minutes);
    ~FixedUtcOffset();
    FixedUtcOffset(const FixedUtcOffset&) = delete;
    FixedUtcOffset& operator=(const FixedUtcOffset&) = delete;

private:
    std::optional<int32_t> previous_;
};

// While it lives, every local time above is shown at the offset from UTC recorded for its moment, and at
// `otherwise` for a moment not recorded: a report checked later shows each time as it was shown, also where
// the zone it was made in had summer time for some of its moments and not for others.
class RecordedUtcOffsets {
public:
    RecordedUtcOffsets(std::map<int64_t, int32_t> minutesByMoment, int32_t otherwise);
    ~RecordedUtcOffsets();
    RecordedUtcOffsets(const RecordedUtcOffsets&) = delete;
    RecordedUtcOffsets& operator=(const RecordedUtcOffsets&) = delete;

    int32_t At(int64_t secondsSince1970) const;

private:
    std::map<int64_t, int32_t> minutesByMoment_;
    int32_t otherwise_;
    const RecordedUtcOffsets* previous_;
};

// A moment as ISO 8601 in UTC, "2024-03-14T09:12:00Z": what documents for other programs carry; "---"
// for a moment that is not showable.
std::wstring UtcIsoText(int64_t secondsSince1970);
// The moment of such a text; nothing for any other text or a date that is not in the calendar.
std::optional<int64_t> ParseUtcIsoText(std::wstring_view text);
