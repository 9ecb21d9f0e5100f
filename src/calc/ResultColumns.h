#pragma once

#include <array>

#include "calc/ComponentResult.h"
#include "calc/ResultSums.h"

// One numeric column of the results, as every output shows it: the grid, the console, the report
// document, JSON and CSV all loop over the same six, in this order.
struct ResultColumn {
    double ComponentResult::*value;  // the row's value
    double ResultSums::*sum;         // its sum in the row "Всего"
    const wchar_t* caption;          // with its unit, for tables ("Масса, г")
    const char* key;                 // for programs ("mass_g")
    const wchar_t* element;          // the element of the report document's sums ("mass")
    int decimals;
};

inline constexpr std::array<ResultColumn, 6> kResultColumns{{
    {&ComponentResult::mass, &ResultSums::mass, L"Масса, г", "mass_g", L"mass", 4},
    {&ComponentResult::massPercent, &ResultSums::massPercent, L"% масс.", "mass_percent", L"mass_percent", 4},
    {&ComponentResult::delta, &ResultSums::delta, L"Дельта, % масс.", "delta_mass_percent", L"delta", 4},
    {&ComponentResult::volume, &ResultSums::volume, L"Объём, см³", "volume_cm3", L"volume", 4},
    {&ComponentResult::volumePercent, &ResultSums::volumePercent, L"% об.", "volume_percent",
     L"volume_percent", 4},
    {&ComponentResult::oxygen, &ResultSums::oxygen, L"Кислород, % масс.", "oxygen_mass_percent", L"oxygen",
     4},
}};
