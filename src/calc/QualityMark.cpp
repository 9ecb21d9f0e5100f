#include "calc/QualityMark.h"

#include "calc/QcChart.h"
#include "platform/LocalTime.h"

namespace {

using Status = QualityMark::Status;

bool Judged(const QcPoint& point) {
    return point.outcome == QcOutcome::InControl || point.outcome == QcOutcome::Failed;
}

// "контроль «КО-1 — МТБЭ, % масс.» 14.03.24  12:00"
std::wstring Check(const QcChart& chart, const QcPoint& point) {
    return L"контроль «" + chart.line.Title() + L"» " + LocalTimeText(point.result.first);
}

// A chart's mark; a chart with no judged result after the series only names itself in `pending`, so
// that several such charts are told in one sentence.
QualityMark MarkByChart(int64_t first, int64_t last, const QcChart& chart, std::wstring& pending) {
    const QcPoint* before = nullptr;
    const QcPoint* after = nullptr;
    for (const QcPoint& point : chart.points) {
        if (!Judged(point)) continue;
        if (point.result.last <= first) before = &point;
        if (point.result.first >= last && after == nullptr) after = &point;
    }
    if (after != nullptr && after->outcome == QcOutcome::Failed)
        return {Status::InDoubt, Check(chart, *after) + L" не пройден: " + after->Why(chart.line)};
    if (before != nullptr && before->outcome == QcOutcome::Failed)
        return {Status::InDoubt, L"сделана после не пройденного контроля: " + Check(chart, *before) + L" (" +
                                     before->Why(chart.line) + L"), до контроля в норме"};
    if (after == nullptr) {
        if (!chart.limits.determined && !chart.line.tolerance)
            return {Status::NotYetConfirmed,
                    L"у карты «" + chart.line.Title() + L"» нет пределов и нет допуска: " + chart.limits.why};
        pending = L"«" + chart.line.Title() + L"»";
        return {Status::NotYetConfirmed, std::wstring()};
    }
    const std::wstring provisional = chart.limits.determined && chart.limits.provisional
                                         ? std::wstring(L" (пределы предварительные)")
                                         : std::wstring();
    return {Status::Confirmed, Check(chart, *after) + L" в норме" + provisional};
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

QualityMark MarkSeries(int64_t first, int64_t last, const std::vector<QcChart>& charts) {
    QualityMark mark;
    std::wstring pending;  // the charts with no judged result after the series, of the worst status
    for (const QcChart& chart : charts) {
        std::wstring waiting;
        const QualityMark one = MarkByChart(first, last, chart, waiting);
        if (one.status < mark.status) continue;
        if (one.status > mark.status) {
            mark = QualityMark{one.status, std::wstring()};
            pending.clear();
        }
        if (!one.detail.empty()) mark.detail += (mark.detail.empty() ? L"" : L"; ") + one.detail;
        if (!waiting.empty()) pending += (pending.empty() ? L"" : L", ") + waiting;
    }
    if (!pending.empty())
        mark.detail += (mark.detail.empty() ? L"" : L"; ") +
                       (L"после серии нет оценённого результата контроля " + pending);
    return mark;
}
