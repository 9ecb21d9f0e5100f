#include "data/ChromatogramOutline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

TEST(ChromatogramOutline, IsTheSameWhenEveryValueIsNaNsIncludedAndThePathAside) {
    ChromatogramOutline a;
    a.channels = {{1, std::nan(""), 2.0, 10, {}}};
    a.passport.duration = std::nan("");
    a.passport.columns.resize(1);
    a.passport.items = {{L"masssample", L"Масса", L"10"}};
    ChromatogramOutline b = a;
    b.passport.path = L"elsewhere.stg";
    EXPECT_TRUE(SameOutline(a, b));
    const auto differs = [&a](const std::function<void(ChromatogramOutline&)>& change) {
        ChromatogramOutline changed = a;
        change(changed);
        return !SameOutline(a, changed);
    };
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.version = 0; }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.channels[0].sampleCount = 11; }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.channels[0].headerValue2 = -2.0; }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.channels.push_back({}); }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.passport.items[0].value = L"10.0"; }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.passport.columns[0].film = 0.25; }));
    EXPECT_TRUE(differs([](ChromatogramOutline& o) { o.passport.sample = L"другая"; }));
}
