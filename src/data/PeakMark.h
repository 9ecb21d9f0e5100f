#pragma once

#include <cstdint>
#include <string>

// One peak of a channel's table in a chromatogram file.
struct PeakMark {
    double front = 0;
    double back = 0;
    double time = 0;
    double area = 0;
    double height = 0;
    double concent = 0;
    std::wstring name;
    bool reference = false;
    int32_t left = -1;
    int32_t right = -1;
    uint32_t flags = 0;
    double front_base_height = 0;
    double back_base_height = 0;
    double index = 0;
};
