#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct QcChart;

// What the QC results around a series of analyses say about it.
struct QualityMark {
    enum class Status {
        None,             // no QC is kept
        Confirmed,        // the nearest judged QC results before and after it are in control
        NotYetConfirmed,  // no judged QC result after it yet
        InDoubt,          // a QC result right after it failed, or one right before it failed
    };
    Status status = Status::None;
    std::wstring detail;  // which QC results, when

    // "под сомнением: контроль качества не пройден", "ещё не подтверждено контролем качества",
    // "подтверждено контролем качества"; empty for None.
    std::wstring Text() const;
    // "in_doubt", "not_yet_confirmed", "confirmed"; empty for None.
    const wchar_t* Key() const;
};

// The mark of a series of analyses made from `first` to `last` by the charts' results. For each chart the
// nearest judged result (in control or failed) made wholly after the series decides: a failed one puts
// the series in doubt (it was made after the last in-control result and before a failed one). So does a
// failed one as the nearest judged result made wholly before it: the series was made while the method
// was known to be out of control, before control was shown again. No judged result after it: not yet
// confirmed. The worst chart gives the mark; the details name each chart that gives it.
QualityMark MarkSeries(int64_t first, int64_t last, const std::vector<QcChart>& charts);
