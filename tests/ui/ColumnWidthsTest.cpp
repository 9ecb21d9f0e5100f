#include "win/ColumnWidths.h"

#include <gtest/gtest.h>

TEST(ColumnWidths, EachGetsWhatItNeedsAndTheRoomLeftIsSharedByWeight) {
    EXPECT_EQ(FitColumnWidths({30, 100, 50}, {40, 80, 80}, 380), (std::vector<int>{70, 180, 130}));
    EXPECT_EQ(FitColumnWidths({10, 10, 10}, {1, 1, 1}, 32), (std::vector<int>{10, 10, 12}));
}

// Every column stays in sight: the widest give up what is missing, down to one width; a table too
// narrow for that scrolls sideways.
TEST(ColumnWidths, TextsThatNeedMoreThanTheRoomCutTheWidestOrScrollWhenTooNarrow) {
    EXPECT_EQ(FitColumnWidths({300, 200}, {1, 1}, 400), (std::vector<int>{200, 200}));
    EXPECT_EQ(FitColumnWidths({40, 280, 120, 80}, {40, 280, 93, 80}, 519),
              (std::vector<int>{40, 279, 120, 80}));
    EXPECT_EQ(FitColumnWidths({40, 280, 150, 80}, {40, 280, 93, 80}, 400),
              (std::vector<int>{40, 140, 140, 80}));
    EXPECT_EQ(FitColumnWidths({300, 200}, {1, 1}, 100), (std::vector<int>{300, 200}));
    EXPECT_EQ(FitColumnWidths({}, {}, 400), std::vector<int>{});
}
