#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/Language.h"
#include "messages/Message.h"
#include "tables/TableVersion.h"

// The quantity a limit bounds.
enum class LimitQuantity {
    MassPercent,    // "% масс."
    VolumePercent,  // "% об."
};

// The reproducibility R of the method at a result X, in the limit's own unit: slope·X + intercept (a
// number alone is an intercept).
struct Reproducibility {
    double slope = 0.0;
    double intercept = 0.0;

    double At(double x) const { return slope * x + intercept; }
};

// How a result is held against a limit: as it is ("простое"); by EN ISO 4259-2, exceeding only beyond
// L + 0.59·R; or by ILAC G8, with conditional verdicts within L ± 0.59·R.
enum class DecisionRule { Simple, Iso4259, IlacG8 };

// One limit: the largest value a sum of results may take.
struct Limit {
    std::wstring name;
    std::vector<std::wstring> peakNames;  // summed; none: the total organically bound oxygen
    bool others = false;                  // "*": every component no other limit names, the standard excepted
    LimitQuantity quantity = LimitQuantity::MassPercent;
    double maximum = 0.0;
    std::wstring maximumText;                        // as the file writes it, with a point ("3.0")
    std::optional<double> repeatability;             // r in % by mass, for a limit of one component
    std::optional<Reproducibility> reproducibility;  // R in the limit's unit; none: not given
};

// A limits file: a header line (a first line naming no quantity, whose maximum is no number), then per
// line a limit's name; the peak names it sums, comma-separated (empty: the total organically bound
// oxygen; "*": the other oxygenates); "% масс." or "% об."; the maximum; optionally r; optionally the
// reproducibility R ("0,2" or "0,05*X+0,01"). A line named "Правило принятия решения" names the decision
// rule in its second field ("простое", "ISO 4259-2", "ILAC G8"; simple without it). Read with the
// components file's rules (Windows-1251 or UTF-8, ";", CR LF or LF, a decimal point or comma); empty lines
// and lines beginning with "#" are skipped. A line that cannot be read is kept as an error, never dropped.
struct LimitsFile {
    std::wstring path;
    std::vector<Limit> limits;
    std::vector<Message> errors;  // "строка 4: …"
    TableTracking tracking;       // its version as read, and what the read found out about its change log
    // How its verdicts are reached; none when the file names a rule this program does not know (then no
    // verdict is given).
    std::optional<DecisionRule> rule = DecisionRule::Simple;
};

// "% масс." or "% об." in the language.
std::wstring QuantityText(LimitQuantity quantity, Language language);
// The quantity a field of a limits or QC file names: "% масс." or "% об.", blanks, the final point and
// letter case aside; nothing for any other text.
std::optional<LimitQuantity> ReadQuantity(const std::wstring& text);

// The reproducibility a field of a limits line gives: "0,2", "0.05*X+0.01", "0,05 * X", blanks aside and a
// point or a comma; nothing for any other text.
std::optional<Reproducibility> ReadReproducibility(const std::wstring& text);

// Reads a limits file without touching its change log; nothing when no file is at the path (no limits are
// set), an error when it does not open.
std::optional<LimitsFile> ParseLimitsFile(const std::wstring& path);
