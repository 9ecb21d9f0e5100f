#pragma once

#include <cstdlib>

// Whether the benchmark runs once, on little data, only to show that it still runs (OXY_BENCH_BRIEF set,
// as the tests run every benchmark): its numbers then mean nothing.
inline bool BriefRun() {
    return std::getenv("OXY_BENCH_BRIEF") != nullptr;
}
