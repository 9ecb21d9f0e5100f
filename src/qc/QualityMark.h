#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qc/ControlChart.h"
#include "tables/QcFile.h"

struct QcChart;

// A QC result a mark rests on, with the limits it was held against: what a report records of them.
struct QualityCheck {
    Message chart;      // the chart's title, "КО-1 — МТБЭ, % масс."
    int64_t first = 0;  // the check's first analysis
    bool passed = false;
    Message why;                                   // what failed; empty when it passed
    ChartLimits limits;                            // on the chart's plotted scale; undetermined: none
    std::optional<double> accepted;                // the value the chart shows the results minus
    std::optional<double> tolerance;               // its ± around the accepted value
    std::optional<EstablishedLimits> established;  // when the limits were established
};

// What the QC results around a series of analyses say about it.
struct QualityMark {
    enum class Status {
        None,             // no QC is kept
        Confirmed,        // a judged QC result after it is in control, and no failed one puts it in doubt
        NotYetConfirmed,  // no judged QC result after it yet
        // a QC result that would confirm it or put it in doubt was held against limits that are not what
        // their establishing recorded: QC can say nothing of it
        Undetermined,
        InDoubt,  // made while the method was not shown in control (see MarkAnalyses)
    };
    Status status = Status::None;
    Message detail;                    // which QC results, when
    std::vector<QualityCheck> checks;  // those the mark rests on: the failed ones, or the confirming ones

    // "под сомнением: контроль качества не пройден", "не определено: …", "ещё не подтверждено контролем
    // качества", "подтверждено контролем качества"; empty for None.
    Message TextMessage() const;
    // "in_doubt", "undetermined", "not_yet_confirmed", "confirmed"; empty for None.
    const wchar_t* Key() const;
};

// The mark of the analyses made at `times` (a series' every analysis) by the charts' judged results, a
// chart's every result in the database. An analysis is in doubt when a failed check and it have no
// in-control check between them: made after the last check in control and before the end of a failed
// check's series (between its parallels too), or after a failed check and before the next in control. A
// series is in doubt when one of its analyses is; otherwise undetermined when a check held against limits
// in doubt stands so to one of its analyses (it might have failed); otherwise confirmed when a check in
// control begins after its last analysis, not yet confirmed when none does. The worst chart gives the mark;
// the details name each chart that gives it.
QualityMark MarkAnalyses(const std::vector<int64_t>& times, const std::vector<QcChart>& charts);
// The same for a series known by its first and last analysis only.
QualityMark MarkSeries(int64_t first, int64_t last, const std::vector<QcChart>& charts);
