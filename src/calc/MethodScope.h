#pragma once

#include <string>

#include "calc/ComponentResult.h"

// The range the determination is made for: each oxygenate from 0.17 to 15 % by mass, total organically
// bound oxygen up to 3.7 % by mass. Results outside are shown, marked, and their verdicts are kept.
constexpr double kLowestOxygenateMassPercent = 0.17;
constexpr double kHighestOxygenateMassPercent = 15.0;
constexpr double kHighestTotalOxygenMassPercent = 3.7;

enum class ScopeNote {
    Within,
    Below,  // a component's mass fraction below the lowest the method determines
    Above,  // a component's mass fraction, or the total oxygen, above the highest
};

// Where a result row stands against the range; the internal standard's row is always Within, since the
// analyst weighed it in.
ScopeNote ResultScope(const ComponentResult& result, const std::wstring& standard);

// Where the total organically bound oxygen stands against the range.
ScopeNote TotalOxygenScope(double totalOxygen);

// The note printed beside a result outside the range, short enough for a table cell; empty for Within.
std::wstring ScopeNoteText(ScopeNote note);
