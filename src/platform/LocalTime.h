#pragma once

#include <cstdint>
#include <string>

// A moment given as seconds since 1970-01-01 00:00 UTC, in the local time zone (TZ where it is
// set), as "dd.mm.yy  hh:mm" with two blanks: what the chromatogram list and the report show as the
// analysis time. Empty when the C library cannot convert the moment.
std::wstring LocalTimeText(int64_t secondsSince1970);
