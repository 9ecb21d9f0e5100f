#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer), seeds the corpora from the demo data
# generator and runs each fuzz target for SECONDS (default 60). Exit code non-zero on any finding;
# the input that caused it is kept in build/fuzz/findings, the target's output in build/fuzz/*.log.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
fuzz=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

# Seeds: small demo chromatograms as files, their XML parts as passports. The corpora keep
# growing from run to run.
seeds="$fuzz/seeds"
rm -rf "$seeds"
"$fuzz/tools/oxycalc-demo-data" "$seeds" --samples 40 >/dev/null
mkdir -p "$fuzz/corpus/chromatogram_file" "$fuzz/corpus/passport" "$fuzz/corpus/components_file" \
  "$fuzz/corpus/recorded_report" "$fuzz/findings"
for file in "$seeds"/*.stg; do
  name=$(basename "$file" .stg)
  cp "$file" "$fuzz/corpus/chromatogram_file/$name.stg"
  offset=$(grep -obUa '<?xml' "$file" | head -n 1 | cut -d: -f1 || true)
  if [[ -n "$offset" ]]; then
    tail -c +"$((offset + 1))" "$file" >"$fuzz/corpus/passport/$name.xml"
  fi
done

# The components file as the plug-in writes it, and as a spreadsheet saves it: UTF-8, LF, commas.
cp "$seeds/CompsTableOxycalc.csv" "$fuzz/corpus/components_file/windows-1251.csv"
iconv -f WINDOWS-1251 -t UTF-8 "$seeds/CompsTableOxycalc.csv" | tr -d '\r' | sed 's/\([0-9]\)\.\([0-9]\)/\1,\2/g' \
  >"$fuzz/corpus/components_file/utf-8.csv"

# A report of the demo petrol as a document and as JSON, made with the fuzz build's own oxycalc-cli.
"$fuzz/cli/oxycalc-cli" report --db "$seeds/host.db" --components "$seeds/CompsTableOxycalc.csv" \
  --assay 101 --assay 102 --tick-all --density 745.68 --standard 1,2-диметоксиэтан \
  --json "$fuzz/corpus/recorded_report/report.json" --xml "$fuzz/corpus/recorded_report/report.xml" \
  >/dev/null 2>&1 || true

status=0
for target in chromatogram_file passport components_file recorded_report; do
  log="$fuzz/fuzz_$target.log"
  echo "fuzz: $target for ${seconds}s"
  if ! "$fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$fuzz/findings/$target-" "$fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz: $target found a failure (see $log and $fuzz/findings)" >&2
    tail -n 30 "$log" >&2
    status=1
  else
    grep -E '^#[0-9]+.*DONE' "$log" | tail -n 1 || true
  fi
done
exit $status
