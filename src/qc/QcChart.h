#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"
#include "qc/ControlChart.h"
#include "tables/QcFile.h"

// The value one series of a QC sample gives for a line of the QC file.
struct QcMeasurement {
    std::optional<double> value;  // rounded to the four decimals pages show; none when not calculated
    Message doubt;                // why the value is not used; empty when it is

    bool Used() const { return value.has_value() && doubt.Empty(); }
};

// The line's value in a finished calculation of the QC sample's ticked chromatograms, with the doubt
// a limit of the same quantity would have (a standard not found, a peak missing from some parallels, …),
// and for a component not found at all: a check whose component vanished says nothing about the method.
QcMeasurement MeasureQc(const QcLine& line, const CalculationData& data, const std::vector<Assay>& assays);

// One series of the QC sample and what it gives.
struct QcResult {
    int64_t first = 0;  // its first analysis, seconds since 1970
    int64_t last = 0;   // its last
    std::wstring seriesKey;
    std::wstring report;  // base name of its reports; empty when none was written
    QcMeasurement measurement;
};

// What a point says about the method.
enum class QcOutcome {
    InControl,     // no rule broken, within tolerance
    Failed,        // out of control or out of tolerance
    Undetermined,  // no value that can be used
    Unjudged,      // a value, but no limits and no tolerance to hold it against
};

// How an outcome is keyed ("in_control", "failed", "undetermined", "unjudged") and named ("в норме", …).
const wchar_t* QcOutcomeKey(QcOutcome outcome);
Message QcOutcomeMessage(QcOutcome outcome);

// A result on its chart.
struct QcPoint {
    QcResult result;
    std::optional<double>
        plotted;              // the value, or the value minus the accepted value; rounded to four decimals
    bool inBaseline = false;  // one of the results the limits in force come from
    ChartLimits limits;       // what the point was held against, on the plotted scale; undetermined: none
    ChartPointCheck check;
    std::optional<bool> withinTolerance;  // none without a tolerance or a used value
    QcOutcome outcome = QcOutcome::Unjudged;
    // Held against established limits that are not what their establishing recorded: undetermined, and
    // whatever it would say of the analyses around it is undetermined too.
    bool limitsInDoubt = false;

    // What failed ("за пределом 3σ; вне допуска ±0.15"), why it is undetermined or unjudged, or empty.
    Message Why(const QcLine& line) const;
    // Whether it was judged: in control or failed.
    bool Judged() const { return outcome == QcOutcome::InControl || outcome == QcOutcome::Failed; }
};

// One line's control chart.
struct QcChart {
    QcLine line;
    ChartLimits limits;  // in force for the next result, on the plotted scale
    Message baseline;    // where they come from, as pages say it
    std::vector<QcPoint> points;
};

// The chart of every result of the line in the database. Results made after the baseline of the line's
// established limits are held against those. The others, and all of a line without established limits,
// are held against provisional limits from the results of the line made before them: the first
// kFullBaseline used ones that did not fail (a result is never judged by limits made from itself or from
// later ones, and an outlier spoils no later limits); with fewer than kLeastBaseline such results there
// are no limits. The rules' windows reach back over every earlier result.
QcChart MakeQcChart(const QcLine& line, std::vector<QcResult> results);

// The chart with the points of the results whose first analysis falls in [from, to): what a run over
// those dates shows, each point judged as on the whole chart.
QcChart ChartStartingIn(const QcChart& chart, std::optional<int64_t> from, std::optional<int64_t> to);

// The QC part of a page: the file, its unread lines and a chart per line.
struct QcCharts {
    std::wstring file;
    std::vector<Message> errors;
    std::vector<QcChart> charts;
};

// Whether the charts hold anything a lab must look at: an unread line, a failed or undetermined result.
bool QcNeedsLook(const QcCharts& qc);
// Whether the charts hold results and not one of them was judged.
bool NoneJudged(const QcCharts& qc);
