#include "platform/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/WideText.h"
#include "support/ScopedTimeZone.h"

TEST(LocalTime, ShowsTheMomentInTheLocalZoneAsDayMonthYearTwoBlanksHoursMinutes) {
    {
        const ScopedTimeZone utc("UTC0");
        EXPECT_EQ(LocalTimeText(1710407520), L"14.03.24  09:12");
        EXPECT_EQ(LocalTimeText(0), L"01.01.70  00:00");
    }
    // Three hours east of UTC: the day turns over.
    const ScopedTimeZone moscow("MSK-3");
    EXPECT_EQ(LocalTimeText(1710450000), L"15.03.24  00:00");
}

TEST(LocalTime, ReadsALocalDayAndWritesUtcAsIso8601) {
    const ScopedTimeZone moscow("MSK-3");
    EXPECT_EQ(LocalDayStart(L"2024-03-14"), std::optional<int64_t>(1710363600));  // 2024-03-13T21:00Z
    EXPECT_EQ(LocalDayEnd(L"2024-02-29"), LocalDayStart(L"2024-03-01"));
    for (const wchar_t* bad : {L"2024-02-30", L"2024-3-14", L"14.03.2024", L"", L"2024-13-01"})
        EXPECT_FALSE(LocalDayStart(bad).has_value()) << ToUtf8(bad);
    EXPECT_EQ(UtcIsoText(1710407520), L"2024-03-14T09:12:00Z");
    EXPECT_EQ(UtcIsoText(0), L"1970-01-01T00:00:00Z");
    EXPECT_EQ(UtcIsoText(253402300799), L"9999-12-31T23:59:59Z");
    EXPECT_EQ(UtcIsoText(951782400), L"2000-02-29T00:00:00Z");
}

TEST(LocalTime, ShowsAMomentBefore1970OrAfter9999AsThreeDashesWithoutConvertingIt) {
    const ScopedTimeZone moscow("MSK-3");
    for (const int64_t moment : {int64_t{-1}, int64_t{253402300800}, INT64_MIN, INT64_MAX}) {
        EXPECT_FALSE(IsShowableMoment(moment));
        EXPECT_EQ(LocalTimeText(moment), L"---");
        EXPECT_EQ(LocalDateTimeText(moment), L"---");
        EXPECT_EQ(UtcIsoText(moment), L"---");
        EXPECT_EQ(LocalFileStamp(moment, false), L"");
    }
}

TEST(LocalTime, TellsItsOffsetFromUtcAndShowsTimesAtAFixedOneWhileAsked) {
    const ScopedTimeZone moscow("MSK-3");
    const int64_t moment = 1710407520;  // 2024-03-14T09:12:00Z
    EXPECT_EQ(UtcOffsetMinutes(moment), 180);
    EXPECT_EQ(LocalTimeText(moment), L"14.03.24  12:12");
    {
        const FixedUtcOffset newYork(-240);
        EXPECT_EQ(LocalTimeText(moment), L"14.03.24  05:12");
        EXPECT_EQ(UtcOffsetMinutes(moment), -240);
    }
    EXPECT_EQ(LocalTimeText(moment), L"14.03.24  12:12");
    EXPECT_FALSE(UtcOffsetMinutes(-1));
}

TEST(LocalTime, ReadsBackTheUtcTextItWritesAndNothingElse) {
    EXPECT_EQ(ParseUtcIsoText(L"2024-03-14T09:12:00Z"), 1710407520);
    EXPECT_EQ(ParseUtcIsoText(UtcIsoText(951782400)), 951782400);  // 2000-02-29
    for (const wchar_t* text : {L"2024-02-30T00:00:00Z", L"2024-03-14 09:12:00Z", L"2024-03-14T24:00:00Z",
                                L"2024-03-14T09:12:00", L"", L"2024-13-01T00:00:00Z"})
        EXPECT_FALSE(ParseUtcIsoText(text)) << ToUtf8(text);
}
