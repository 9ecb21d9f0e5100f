#include "win/ColumnWidths.h"

#include <gtest/gtest.h>

TEST(ColumnWidths, EachGetsWhatItNeedsAndTheRoomLeftIsSharedByWeight) {
    EXPECT_EQ(FitColumnWidths({30, 100, 50}, {40, 80, 80}, 380), (std::vector<int>{70, 180, 130}));
    EXPECT_EQ(FitColumnWidths({10, 10, 10}, {1, 1, 1}, 32), (std::vector<int>{10, 10, 12}));
}

TEST(ColumnWidths, TextsThatNeedMoreThanTheRoomKeepTheirWidths) {
    EXPECT_EQ(FitColumnWidths({300, 200}, {1, 1}, 400), (std::vector<int>{300, 200}));
    EXPECT_EQ(FitColumnWidths({}, {}, 400), std::vector<int>{});
}
