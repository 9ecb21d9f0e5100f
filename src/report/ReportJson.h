#pragma once

#include <string>

#include "report/ReportModel.h"

// One sample's report for programs (a LIMS): UTF-8 JSON of a fixed shape, indented by two blanks.
// Members are only ever added, never renamed or removed; "format_version" changes when one is. Numbers
// are the values the report prints (results with four decimals, sample masses with four, molar masses
// and densities with two), written without trailing zeros; a value that is not there (a sample mass not
// given, say) is null.
//
// {
//   "format": "oxycalc-report", "format_version": 1,
//   "program": {"name": "oxycalc", "version": "1.1.1.0"},
//   "created_utc": "YYYY-MM-DDThh:mm:ssZ" | null,            when the report was made
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
//   "warnings": [{"kind", "subject", "text", "chromatograms", "detail"}],   the chromatograms it names,
//              if any; "detail": the table's rows or peaks' times it names, if any
//   "limits": null | {"file", "limits": [{"name", "peak_names": [text] | "*" | [], "quantity":
//              "mass_percent"|"volume_percent", "measured", "maximum",
//              "verdict": "conforms"|"exceeds"|"undetermined", "doubt": text (why undetermined),
//              "unknown_peak_names": [text]}],
//              "errors": [text]},
//   "inputs": {"standard", "sample_density", "components": [{"id", "peak_name", "name", "molar_mass",
//              "density", "oxygen_atoms"}], "database",
//              "chromatograms": [{"id", "ticked", "file", "sha256", "sha256_unavailable" (the file
//                                 loaded but its checksum could not be made; "sha256" is null), "sample",
//                                 "date" (seconds since 1970), "sample_mass", "peaks": [{"name",
//                                 "concentration"}]}],
//              "components_file": {"file", "sha256", "logged"}, "limits_file": null | {…},
//              "stylesheet": null | {"file", "sha256"}},      exact numbers: what a check recomputes from
//   "decision_rule": text,                                 how the verdicts were reached
//   "quality": null | {"status": "confirmed"|"not_yet_confirmed"|"in_doubt",   what QC results around
//              "text": text, "detail": text}                 the series say; null: no QC kept (see QcJson.h)
// }
std::string ReportJson(const ReportModel& model);
