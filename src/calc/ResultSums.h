#pragma once

// The six sums of the result columns: mass, mass %, delta, volume, volume % and oxygen.
struct ResultSums {
    double mass = 0.0;
    double massPercent = 0.0;
    double delta = 0.0;
    double volume = 0.0;
    double volumePercent = 0.0;
    double oxygen = 0.0;
};
