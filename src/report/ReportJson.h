#pragma once

#include <optional>
#include <string>

#include "report/ReportModel.h"

// The version of the report's shape. 2: the inputs record how the report was made (made_by, whether the
// density was given, the time zone, each chromatogram's method, mixture and kind, where the tables' logs
// stood, a batch's densities file, series gap and QC file) and every member is always there.
constexpr int kReportFormatVersion = 2;

// One sample's report for programs (a LIMS): UTF-8 JSON of a fixed shape, indented by two blanks, described
// exactly by ReportJson.schema.json beside this header. Every member is always there (null where it has no
// value). Members are only ever added, never renamed or removed; "format_version" changes when one is.
// Numbers are the values the report prints (results with four decimals, sample masses with four, molar masses
// and densities with two), written without trailing zeros; a value that is not there (a sample mass not
// given, say) is null.
//
// {
//   "format": "oxycalc-report", "format_version": 2,
//   "program": {"name": "oxycalc", "version": "1.1.1.0"},
//   "created_utc": "YYYY-MM-DDThh:mm:ssZ" | null,            when the report was made
//   only while the lab keeps a register of issued reports (a report of a lab that keeps none is as before):
//   "report_number": text | null,                          null for a draft
//   "status": "draft"|"issued"|"amended"|"withdrawn",      amended, withdrawn: no longer in force
//   "issued_utc", "issued_by": text | null,                when and by whom it was issued
//   "supersedes": null | {"report_number", "issued_utc", "status": "amended"|"withdrawn", "reason"},
//                                                         the report this one takes the place of
//   "superseded_by": null | {the same},                    the report that took this one's place
//   "register": null | {"file", "entry", "previous_entry_sha256"},   the register's entry that issued it
//   "settings": {"standard": text, "standard_found": bool, "sample_density_kg_m3": number},
//   "samples": [{"sample": text, "mixture": text}],        distinct, of the ticked chromatograms
//   "chromatograms": [{"id", "ticked", "kind": "analysis"|"calibration", "file", "sample", "mixture",
//                      "method", "analysis_time_utc": "YYYY-MM-DDThh:mm:ssZ" | null, "sample_mass_g"}],
//   "results": [{"number", "name", "peak_name", "internal_standard", "molar_mass_g_mol",
//                "density_kg_m3", "oxygen_atoms" (0: not usable), "mass_g", "mass_percent",
//                "delta_mass_percent", "volume_cm3", "volume_percent", "oxygen_mass_percent",
//                "repeatability_limit", "repeatability_exceeded",
//                "outside_scope": null|"below"|"above"}],     the method's range: 0.17 to 15 % by mass
//   "totals": {"mass_g", "mass_percent", "delta_mass_percent", "volume_cm3", "volume_percent",
//              "oxygen_mass_percent"},                    every row, the standard's included
//   "totals_without_standard": {the same members},
//   "total_oxygen_mass_percent": number | null,            null while the total is no result
//   "total_oxygen_outside_scope": null|"above",            above 3.7 % by mass; null while no result
//   "total_oxygen_determined": bool,                       false: no result, for "total_oxygen_doubt"
//   "total_oxygen_doubt": text,                            why it is no result; "" for a result
//   "total_oxygen_arithmetic_mass_percent": number,        what the arithmetic gives, a result or not
//   "warnings": [{"kind", "subject", "text", "chromatograms", "detail"}],  chromatograms: those it names;
//              detail: what more it says (the table's rows, the peaks' times, why a log is not trusted)
//   "limits": null | {"file", "limits": [{"name", "peak_names": [text] | "*" | [], "quantity":
//              "mass_percent"|"volume_percent", "measured", "maximum",
//              "verdict": "conforms"|"exceeds"|"undetermined", "doubt": text (why undetermined),
//              "unknown_peak_names": [text]}],
//              "errors": [text]},
//   "inputs": {"made_by": "plugin"|"report"|"batch", "standard", "sample_density",
//              "sample_density_given", "utc_offset_minutes" (of the local times shown, when made),
//              "components": [{"id", "peak_name", "name", "molar_mass", "density", "oxygen_atoms"}],
//              "database",
//              "chromatograms": [{"id", "ticked", "file", "sha256", "sha256_unavailable" (the file loaded
//                                 but its checksum could not be made; "sha256" is null), "sample", "method",
//                                 "mixture", "kind", "date" (seconds since 1970), "sample_mass",
//                                 "peaks": [{"name", "concentration"}]}],
//              "components_file": {"file", "sha256", "logged", "log_entries", "log_last_entry_sha256"},
//              "limits_file": null | {the same}, "stylesheet": null | {"file", "sha256"},
//              "densities_file": null | {"file", "sha256"}, "series_gap_hours": null | number,
//              "qc_file": null | {the same as components_file}},
//              exact numbers and absolute paths: what a check makes the report again from
//   "decision_rule": text,                                 how the verdicts were reached
//   "quality": null | {"status": "confirmed"|"not_yet_confirmed"|"in_doubt",   what QC results around
//              "text": text, "detail": text,                 the series say; null: no QC kept (see QcJson.h)
//              "checks": [{"chart": text, "first_analysis_utc": text | null,    the QC results the mark
//                          "passed": bool, "why": text,                        rests on (failed ones, or
//                          "plotted": "result"|"result_minus_accepted",        those that confirm it)
//                          "accepted_value": number | null, "tolerance": number | null,
//                          "limits": {"kind": "established"|"provisional"|"none", "baseline_results",
//                                     "provisional": bool, "centre", "sigma", "upper", "lower",
//                                     "moving_range_mean", "moving_range_upper": number | null,
//                                     "established_utc", "reason", "baseline_from_utc",
//                                     "baseline_to_utc": text | null}}]}   the limits it was held against
//                                                                         (on the plotted scale)
// }
std::string ReportJson(const ReportModel& model);

// A report for programs as issued, with where it stands now: amended or withdrawn, and the report that took
// its place (what a LIMS is given to replace its result). Every other member stays as issued. Nothing for
// text that is no issued report.
std::optional<std::string> ReportJsonWithStanding(const std::string& issued, const ReportLink& supersededBy);
