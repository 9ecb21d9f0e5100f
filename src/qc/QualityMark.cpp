#include "qc/QualityMark.h"

#include <algorithm>

#include "platform/LocalTime.h"
#include "qc/QcChart.h"

namespace {

using Status = QualityMark::Status;

bool Passed(const QcPoint& point) {
    return point.outcome == QcOutcome::InControl;
}

bool Failed(const QcPoint& point) {
    return point.outcome == QcOutcome::Failed;
}

// "контроль «КО-1 — МТБЭ, % масс.» 14.03.24  12:00"
std::wstring Check(const QcChart& chart, const QcPoint& point) {
    return L"контроль «" + chart.line.Title() + L"» " + LocalTimeText(point.result.first);
}

QualityCheck Recorded(const QcChart& chart, const QcPoint& point) {
    QualityCheck check;
    check.chart = chart.line.Title();
    check.first = point.result.first;
    check.passed = Passed(point);
    check.why = check.passed ? std::wstring() : point.Why(chart.line);
    check.limits = point.limits;
    check.accepted = chart.line.accepted;
    check.tolerance = chart.line.tolerance;
    if (point.limits.established) check.established = chart.line.established;
    return check;
}

// Whether a check in control lies wholly between the moments `from` and `to` (from < to).
bool PassedBetween(const QcChart& chart, int64_t from, int64_t to) {
    return std::any_of(chart.points.begin(), chart.points.end(), [from, to](const QcPoint& point) {
        return Passed(point) && point.result.first > from && point.result.last < to;
    });
}

// The failed check that puts an analysis made at `time` in doubt, if any: the nearest failed check
// ending at or after it with no check in control between, or else the nearest one ended before it
// with none between.
const QcPoint* DoubtOf(const QcChart& chart, int64_t time) {
    const QcPoint* later = nullptr;
    const QcPoint* earlier = nullptr;
    for (const QcPoint& point : chart.points) {
        if (!Failed(point)) continue;
        if (point.result.last >= time) {
            if (later == nullptr || point.result.first < later->result.first) later = &point;
        } else if (earlier == nullptr || point.result.last > earlier->result.last) {
            earlier = &point;
        }
    }
    if (later != nullptr && !PassedBetween(chart, time, later->result.first)) return later;
    if (earlier != nullptr && !PassedBetween(chart, earlier->result.last, time)) return earlier;
    return nullptr;
}

// A chart's mark; a chart with no judged result after the series only names itself in `pending`, so
// that several such charts are told in one sentence.
QualityMark MarkByChart(const std::vector<int64_t>& times, const QcChart& chart, std::wstring& pending) {
    const int64_t last = *std::max_element(times.begin(), times.end());
    for (const int64_t time : times) {
        const QcPoint* failed = DoubtOf(chart, time);
        if (failed == nullptr) continue;
        const std::wstring detail = failed->result.last >= time
                                        ? Check(chart, *failed) + L" не пройден: " + failed->Why(chart.line)
                                        : L"сделана после не пройденного контроля: " + Check(chart, *failed) +
                                              L" (" + failed->Why(chart.line) + L"), до контроля в норме";
        return {Status::InDoubt, detail, {Recorded(chart, *failed)}};
    }
    const auto after = std::find_if(chart.points.begin(), chart.points.end(), [last](const QcPoint& point) {
        return Passed(point) && point.result.first >= last;
    });
    if (after == chart.points.end()) {
        if (!chart.limits.determined && !chart.line.tolerance)
            return {Status::NotYetConfirmed,
                    L"у карты «" + chart.line.Title() + L"» нет пределов и нет допуска: " + chart.limits.why,
                    {}};
        pending = L"«" + chart.line.Title() + L"»";
        return {Status::NotYetConfirmed, std::wstring(), {}};
    }
    const std::wstring provisional = after->limits.determined && after->limits.provisional
                                         ? std::wstring(L" (пределы предварительные)")
                                         : std::wstring();
    return {Status::Confirmed, Check(chart, *after) + L" в норме" + provisional, {Recorded(chart, *after)}};
}

}  // namespace

std::wstring QualityMark::Text() const {
    switch (status) {
        case Status::Confirmed:
            return L"подтверждено контролем качества";
        case Status::NotYetConfirmed:
            return L"ещё не подтверждено контролем качества";
        case Status::InDoubt:
            return L"под сомнением: контроль качества не пройден";
        case Status::None:
            break;
    }
    return std::wstring();
}

const wchar_t* QualityMark::Key() const {
    switch (status) {
        case Status::Confirmed:
            return L"confirmed";
        case Status::NotYetConfirmed:
            return L"not_yet_confirmed";
        case Status::InDoubt:
            return L"in_doubt";
        case Status::None:
            break;
    }
    return L"";
}

QualityMark MarkAnalyses(const std::vector<int64_t>& times, const std::vector<QcChart>& charts) {
    QualityMark mark;
    if (times.empty()) return mark;
    std::wstring pending;  // the charts with no judged result after the series, of the worst status
    for (const QcChart& chart : charts) {
        std::wstring waiting;
        QualityMark one = MarkByChart(times, chart, waiting);
        if (one.status < mark.status) continue;
        if (one.status > mark.status) {
            mark = QualityMark{one.status, std::wstring(), {}};
            pending.clear();
        }
        if (!one.detail.empty()) mark.detail += (mark.detail.empty() ? L"" : L"; ") + one.detail;
        if (!waiting.empty()) pending += (pending.empty() ? L"" : L", ") + waiting;
        mark.checks.insert(mark.checks.end(), one.checks.begin(), one.checks.end());
    }
    if (!pending.empty())
        mark.detail += (mark.detail.empty() ? L"" : L"; ") +
                       (L"после серии нет оценённого результата контроля " + pending);
    return mark;
}

QualityMark MarkSeries(int64_t first, int64_t last, const std::vector<QcChart>& charts) {
    return MarkAnalyses({first, last}, charts);
}
