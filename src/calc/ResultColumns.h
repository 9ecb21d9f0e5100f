#pragma once

#include <array>

#include "calc/ComponentResult.h"
#include "calc/ResultSums.h"
#include "messages/MessageCode.h"

// One numeric column of the results, as every output shows it: the grid, the console, the report
// document, JSON and CSV all loop over the same six, in this order.
struct ResultColumn {
    double ComponentResult::*value;  // the row's value
    double ResultSums::*sum;         // its sum in the row "Всего"
    MessageCode caption;             // with its unit, for tables ("Масса, г")
    const char* key;                 // for programs ("mass_g")
    const wchar_t* element;          // the element of the report document's sums ("mass")
    int decimals;
};

// The columns every table of results starts with, before the six numbers: the row's number and its
// component's name.
inline constexpr std::array<MessageCode, 2> kLeadingColumns{MessageCode::ColumnNumber,
                                                            MessageCode::ColumnComponent};

inline constexpr std::array<ResultColumn, 6> kResultColumns{{
    {&ComponentResult::mass, &ResultSums::mass, MessageCode::ColumnMass, "mass_g", L"mass", 4},
    {&ComponentResult::massPercent, &ResultSums::massPercent, MessageCode::ColumnMassPercent, "mass_percent",
     L"mass_percent", 4},
    {&ComponentResult::delta, &ResultSums::delta, MessageCode::ColumnDelta, "delta_mass_percent", L"delta",
     4},
    {&ComponentResult::volume, &ResultSums::volume, MessageCode::ColumnVolume, "volume_cm3", L"volume", 4},
    {&ComponentResult::volumePercent, &ResultSums::volumePercent, MessageCode::ColumnVolumePercent,
     "volume_percent", L"volume_percent", 4},
    {&ComponentResult::oxygen, &ResultSums::oxygen, MessageCode::ColumnOxygen, "oxygen_mass_percent",
     L"oxygen", 4},
}};

// The cells of a row of the results table: the leading columns and the six numbers.
constexpr size_t kResultTableColumns = kLeadingColumns.size() + kResultColumns.size();
