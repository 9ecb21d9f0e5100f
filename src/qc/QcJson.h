#pragma once

#include <cstdint>
#include <string>

#include "messages/Language.h"
#include "qc/QcChart.h"

// The control charts for programs (a LIMS): UTF-8 JSON of a fixed shape, indented by two blanks, with
// the same points, limits and rule hits the QC page draws. Members are only ever added; "format_version"
// changes when one is renamed or removed. Values are those the page shows (four decimals); a value
// that is not there is null.
//
// {
//   "format": "oxycalc-qc", "format_version": 1,
//   "program": {"name": "oxycalc", "version": "1.1.1.0"},
//   "created_utc": "YYYY-MM-DDThh:mm:ssZ", "range": text,        the dates of the series charted
//   "file": text, "errors": [text],                             the QC file and its unread lines
//   "charts": [{"sample": text, "peak_name": text | null (null: total organically bound oxygen),
//               "quantity": "mass_percent"|"volume_percent",
//               "accepted_value": number | null, "tolerance": number | null,
//               "plotted": "result" | "result_minus_accepted",
//               "limits": {"determined": bool, "why": text, "baseline": text, "baseline_results": number,
//                          "provisional": bool, "centre", "sigma", "upper", "lower",   those in force for
//                          "moving_range_mean", "moving_range_upper": number | null,   the next result,
//                          "established": bool,                                        on the plotted scale
//                          "established_utc", "reason", "baseline_from_utc", "baseline_to_utc":
//                          text | null},           recorded in the QC file by the lab; null unless
//                          established
//               "points": [{"first_analysis_utc": text | null, "series": text, "report": text,
//                           "value": number | null, "plotted": number | null, "used": bool,
//                           "doubt": text, "in_baseline": bool, "moving_range": number | null,
//                           "moving_range_above_limit": bool,
//                           "moving_range_return": bool,      above its limit on the return from a point
//                                                             that broke a rule: counted to that point
//                           "within_tolerance": bool | null,
//                           "outcome": "in_control"|"failed"|"undetermined"|"unjudged",
//                           "rule_hits": [{"rule": 1..5, "text": text}],
//                           "limits": {"kind": "established"|"provisional"|"none", "baseline_results",
//                                      "centre", "upper", "lower", "moving_range_upper": number | null}}]}],
//                                                             what the point was held against
//   "none_judged": bool                                        results charted, not one of them judged
// }
// Rules: 1 beyond 3σ, 2 two of three beyond 2σ on one side, 3 four of five beyond 1σ on one side,
// 4 eight in a row on one side, 5 the moving range above its limit.
std::string QcJson(const QcCharts& qc, const std::wstring& range, int64_t createdAt, Language language);
