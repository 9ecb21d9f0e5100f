#include "calc/RoundTo4.h"

#include <gtest/gtest.h>

TEST(RoundTo4, RoundsToFourDecimalsWithHalvesAwayFromZero) {
    EXPECT_DOUBLE_EQ(RoundTo4(1.23456), 1.2346);
    EXPECT_DOUBLE_EQ(RoundTo4(0.00005), 0.0001);
    EXPECT_DOUBLE_EQ(RoundTo4(-0.00005), -0.0001);
    EXPECT_DOUBLE_EQ(RoundTo4(2.00004), 2.0);
    EXPECT_EQ(RoundTo4(0.0), 0.0);
}
