#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/ReferenceTable.h"

// The quantity a limit bounds.
enum class LimitQuantity {
    MassPercent,    // "% масс."
    VolumePercent,  // "% об."
};

// One limit: the largest value a sum of results may take.
struct Limit {
    std::wstring name;
    std::vector<std::wstring> peakNames;  // summed; none: the total organically bound oxygen
    bool others = false;                  // "*": every component no other limit names, the standard excepted
    LimitQuantity quantity = LimitQuantity::MassPercent;
    double maximum = 0.0;
    std::wstring maximumText;             // as the file writes it, with a point ("3.0")
    std::optional<double> repeatability;  // r in % by mass, for a limit of one component
};

// A limits file: a header line (a first line naming no quantity, whose maximum is no number), then per
// line a limit's name; the peak names it sums, comma-separated (empty: the total organically bound
// oxygen; "*": the other oxygenates); "% масс." or "% об."; the maximum; optionally r. Read with the
// components file's rules (Windows-1251 or UTF-8, ";", CR LF or LF, a decimal point or comma); empty lines
// and lines beginning with "#" are skipped. A line that cannot be read is kept as an error, never dropped.
struct LimitsFile {
    std::wstring path;
    std::vector<Limit> limits;
    std::vector<std::wstring> errors;  // "строка 4: …"
    TableVersion version;              // of the file as read
    bool changedOutside = false;       // this read found it changed outside the program (and logged it)
    bool logUnwritable = false;        // its change log could not be written at this read
    std::wstring logProblem;           // why its change log cannot be trusted as it stands; empty: it can
};

// A limit held against a calculation.
struct LimitVerdict {
    enum class Outcome { Conforms, Exceeds, Undetermined };
    Limit limit;
    double measured = 0.0;  // rounded to the four decimals the report shows, as compared
    Outcome outcome = Outcome::Undetermined;
    // Peak names of the limit that no component of the table bears: the sum would silently miss
    // them, so no verdict is given.
    std::vector<std::wstring> unknownPeakNames;
    // Why no verdict is given; empty when one is. For every limit: nothing ticked, no table, several
    // samples ticked together, a ticked chromatogram without named peaks or without the standard's peak.
    // For the oxygen and the other oxygenates: a standard not given or naming no component. For
    // volumes: an implausible sample density. For a counted component: no density or molar mass, a
    // peak without a usable concentration, a peak missing from some parallels, parallels spread more
    // than its r. An unknown peak name. For every limit: a table naming a peak or the standard twice.
    std::wstring doubt;

    // "соответствует", "превышает" or "не определено".
    std::wstring OutcomeText() const;
};

// "% масс." or "% об.".
std::wstring QuantityText(LimitQuantity quantity);
// The quantity a field of a limits or QC file names: "% масс." or "% об.", blanks, the final point and
// letter case aside; nothing for any other text.
std::optional<LimitQuantity> ReadQuantity(const std::wstring& text);
