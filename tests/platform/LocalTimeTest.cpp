#include "platform/LocalTime.h"

#include <gtest/gtest.h>

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
