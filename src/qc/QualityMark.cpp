#include "qc/QualityMark.h"

#include <algorithm>

#include "qc/QcChart.h"

namespace {

using Status = QualityMark::Status;

bool Passed(const QcPoint& point) {
    return point.outcome == QcOutcome::InControl;
}

bool Failed(const QcPoint& point) {
    return point.outcome == QcOutcome::Failed;
}

bool InDoubt(const QcPoint& point) {
    return point.limitsInDoubt;
}

// "контроль «КО-1 — МТБЭ, % масс.» 14.03.24  12:00"
Message Check(const QcChart& chart, const QcPoint& point) {
    return {MessageCode::QualityCheck,
            {Nested(chart.line.TitleMessage()), MessageMoment{point.result.first}}};
}

QualityCheck Recorded(const QcChart& chart, const QcPoint& point) {
    QualityCheck check;
    check.chart = chart.line.TitleMessage();
    check.first = point.result.first;
    check.passed = Passed(point);
    check.why = check.passed ? Message() : point.Why(chart.line);
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

// The check `which` takes (a failed one, or one held against limits in doubt) that stands so to an analysis
// made at `time`, if any: the nearest such check ending at or after it with no check in control between,
// or else the nearest one ended before it with none between.
template <typename Which>
const QcPoint* NearestOf(const QcChart& chart, int64_t time, Which which) {
    const QcPoint* later = nullptr;
    const QcPoint* earlier = nullptr;
    for (const QcPoint& point : chart.points) {
        if (!which(point)) continue;
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
QualityMark MarkByChart(const std::vector<int64_t>& times, const QcChart& chart,
                        std::vector<Message>& pending) {
    const int64_t last = *std::max_element(times.begin(), times.end());
    for (const int64_t time : times) {
        const QcPoint* failed = NearestOf(chart, time, Failed);
        if (failed == nullptr) continue;
        const MessageCode code =
            failed->result.last >= time ? MessageCode::QualityCheckFailed : MessageCode::QualityAfterFailed;
        const Message detail(code, {Nested(Check(chart, *failed)), Nested(failed->Why(chart.line))});
        return {Status::InDoubt, detail, {Recorded(chart, *failed)}};
    }
    for (const int64_t time : times) {
        const QcPoint* doubted = NearestOf(chart, time, InDoubt);
        if (doubted == nullptr) continue;
        const Message detail(MessageCode::QualityLimitsInDoubt,
                             {Nested(Check(chart, *doubted)), Nested(doubted->Why(chart.line))});
        return {Status::Undetermined, detail, {Recorded(chart, *doubted)}};
    }
    const auto after = std::find_if(chart.points.begin(), chart.points.end(), [last](const QcPoint& point) {
        return Passed(point) && point.result.first >= last;
    });
    if (after == chart.points.end()) {
        if (!chart.limits.determined && !chart.line.tolerance)
            return {
                Status::NotYetConfirmed,
                {MessageCode::QualityNoLimits, {Nested(chart.line.TitleMessage()), Nested(chart.limits.why)}},
                {}};
        pending.push_back({MessageCode::QcQuoted, {Nested(chart.line.TitleMessage())}});
        return {Status::NotYetConfirmed, {}, {}};
    }
    const MessageCode inControl = after->limits.determined && after->limits.provisional
                                      ? MessageCode::QualityCheckInControlProvisional
                                      : MessageCode::QualityCheckInControl;
    return {Status::Confirmed, {inControl, {Nested(Check(chart, *after))}}, {Recorded(chart, *after)}};
}

}  // namespace

Message QualityMark::TextMessage() const {
    switch (status) {
        case Status::Confirmed:
            return MessageCode::QualityConfirmed;
        case Status::NotYetConfirmed:
            return MessageCode::QualityNotYetConfirmed;
        case Status::InDoubt:
            return MessageCode::QualityInDoubt;
        case Status::Undetermined:
            return MessageCode::QualityUndetermined;
        case Status::None:
            break;
    }
    return {};
}

const wchar_t* QualityMark::Key() const {
    switch (status) {
        case Status::Confirmed:
            return L"confirmed";
        case Status::NotYetConfirmed:
            return L"not_yet_confirmed";
        case Status::InDoubt:
            return L"in_doubt";
        case Status::Undetermined:
            return L"undetermined";
        case Status::None:
            break;
    }
    return L"";
}

QualityMark MarkAnalyses(const std::vector<int64_t>& times, const std::vector<QcChart>& charts) {
    QualityMark mark;
    if (times.empty()) return mark;
    std::vector<Message> details;
    std::vector<Message> pending;  // the charts with no judged result after the series, of the worst status
    for (const QcChart& chart : charts) {
        std::vector<Message> waiting;
        QualityMark one = MarkByChart(times, chart, waiting);
        if (one.status < mark.status) continue;
        if (one.status > mark.status) {
            mark = QualityMark{one.status, {}, {}};
            details.clear();
            pending.clear();
        }
        if (!one.detail.Empty()) details.push_back(one.detail);
        pending.insert(pending.end(), waiting.begin(), waiting.end());
        mark.checks.insert(mark.checks.end(), one.checks.begin(), one.checks.end());
    }
    if (!pending.empty())
        details.push_back({MessageCode::QualityPending, {Joined(std::move(pending), L", ")}});
    if (!details.empty()) mark.detail = ListMessage(std::move(details));
    return mark;
}

QualityMark MarkSeries(int64_t first, int64_t last, const std::vector<QcChart>& charts) {
    return MarkAnalyses({first, last}, charts);
}
