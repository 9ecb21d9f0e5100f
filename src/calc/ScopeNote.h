#pragma once

// The range the determination is made for: each oxygenate from 0.17 to 15 % by mass, total organically
// bound oxygen up to 3.7 % by mass. Results outside are shown, marked, and their verdicts are kept.
constexpr double kLowestOxygenateMassPercent = 0.17;
constexpr double kHighestOxygenateMassPercent = 15.0;
constexpr double kHighestTotalOxygenMassPercent = 3.7;

// Where a result stands against the method's range.
enum class ScopeNote {
    Within,
    Below,  // a component's mass fraction below the lowest the method determines
    Above,  // a component's mass fraction, or the total oxygen, above the highest
};
