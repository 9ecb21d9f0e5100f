#!/usr/bin/env bash
# The Windows oxycalc-cli on fresh demo data, end to end (twelve Wine starts).
# Usage: wine-cli-check.sh WINE_RUN DEMO_DATA_EXE CLI_EXE REPORT_XSL
set -euo pipefail
wine_run=$1 demo=$2 cli=$3 xsl=$4
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$wine_run" "$demo" "Z:$folder" >/dev/null
# Arguments stay ASCII: Wine decodes the command line with the Unix locale, which may not be UTF-8.
# 105 has no sample mass: it is listed in the report, said on standard error, and the exit code is 1.
status=0
"$wine_run" "$cli" report --db "Z:$folder/host.db" --assay 101 --assay 102 --assay 103 --assay 105 \
  --tick 101 --tick 102 --tick 103 --density 745.678 --components "Z:$folder/CompsTableOxycalc.csv" \
  --xml "Z:$folder/report.xml" --html "Z:$folder/report.html" --xsl "Z:$xsl" >"$folder/out.txt" \
  2>"$folder/err.txt" || status=$?
[[ $status == 1 ]] || { echo "exit code $status, expected 1" >&2; cat "$folder/err.txt" >&2; exit 1; }
check() {
  grep -qF -- "$2" "$folder/$1" || { echo "missing in $1: $2" >&2; cat "$folder/$1" >&2; exit 1; }
}
check err.txt "105"
check out.txt "Всего"
check report.xml "<density_proba>745.68</density_proba>"
check report.xml "<name>-1.00</name>"
check report.html "Всего"
echo "oxycalc-cli under Wine: document and page written"

# The check standard's limits established from its first 20 days: written into the QC file in its place,
# and logged. The standard's name is Cyrillic: these command lines are read as UTF-8.
LC_ALL=C.UTF-8 "$wine_run" "$cli" qc --establish --reason "first 20 days" --db "Z:$folder/host.db" \
  --components "Z:$folder/CompsTableOxycalc.csv" --standard "1,2-Диметоксиэтан" \
  --densities "Z:$folder/densities.csv" >/dev/null 2>"$folder/establish.txt" ||
  { echo "qc --establish failed" >&2; cat "$folder/establish.txt" >&2; exit 1; }
check QcOxycalc.csv ";20;2024-02-15T07:30:00Z;2024-03-05T07:45:00Z;"
check QcOxycalc.csv.log "Причина: first 20 days"
echo "oxycalc-cli under Wine: the QC limits established and logged"

# The batch with its control charts, drawn by MSXML from BatchIndex.xsl beside the report stylesheet: one
# file, loaded with MSXML's default properties.
status=0
LC_ALL=C.UTF-8 "$wine_run" "$cli" batch --db "Z:$folder/host.db" --components "Z:$folder/CompsTableOxycalc.csv" \
  --standard "1,2-Диметоксиэтан" --densities "Z:$folder/densities.csv" --xsl "Z:$xsl" --out "Z:$folder/batch" \
  >/dev/null 2>"$folder/batch.txt" || status=$?
[[ $status == 1 ]] || { echo "batch: exit code $status, expected 1 (a failed check)" >&2; cat "$folder/batch.txt" >&2; exit 1; }
check batch/index.html '<h2 class="qc">Контроль качества</h2>'
check batch/index.html '<svg xmlns="http://www.w3.org/2000/svg"'
check batch/index.html 'под сомнением: контроль качества не пройден'
check batch/qc.json '"outcome": "failed"'
check batch/qc.json '"established": true'
if grep -q '<[A-Za-z0-9_]*:line' "$folder/batch/index.html"; then
  echo "an SVG element of the index page has a namespace prefix" >&2; exit 1
fi
[[ $(grep -o '<circle' "$folder/batch/index.html" | wc -l) -ge 100 ]] || { echo "too few points drawn" >&2; exit 1; }
# The batch gives the folder back and leaves nothing it staged.
for left in oxycalc-batch.lock oxycalc-batch-staging; do
  [[ ! -e "$folder/batch/$left" ]] || { echo "the batch left $left behind" >&2; exit 1; }
done
echo "oxycalc-cli under Wine: the batch's index page with its control charts written"

# The register of issued reports, begun beside the components table: two drafts issued by two processes
# at once get two consecutive numbers (the Windows lock and moves), and the first, amended, verifies as
# superseded.
"$wine_run" "$cli" register --start "LAB-{YYYY}-{NNNNN}" --components "Z:$folder/CompsTableOxycalc.csv" \
  >/dev/null 2>"$folder/register.txt" || { echo "register --start failed" >&2; cat "$folder/register.txt" >&2; exit 1; }
for draft in 1 2 3; do
  "$wine_run" "$cli" report --db "Z:$folder/host.db" --assay 101 --assay 102 --assay 103 --tick-all \
    --density "745.6$draft" --components "Z:$folder/CompsTableOxycalc.csv" --json "Z:$folder/draft$draft.json" \
    --html "Z:$folder/draft$draft.html" --xsl "Z:$xsl" >/dev/null 2>&1 || true
done
check draft1.json '"status": "draft"'
"$wine_run" "$cli" issue "Z:$folder/draft1.json" >"$folder/issue1.txt" 2>&1 &
first=$!
"$wine_run" "$cli" issue "Z:$folder/draft2.json" >"$folder/issue2.txt" 2>&1 || { cat "$folder/issue2.txt" >&2; exit 1; }
wait "$first" || { cat "$folder/issue1.txt" >&2; exit 1; }
numbers=$(for i in 1 2; do tail -n 1 "$folder/issue$i.txt" | tr -d '\r'; done | sort | tr '\n' ' ')
year=$(date +%Y)
[[ $numbers == "LAB-$year-00001 LAB-$year-00002 " ]] ||
  { echo "two issues at once gave: $numbers" >&2; cat "$folder/issue1.txt" "$folder/issue2.txt" >&2; exit 1; }
"$wine_run" "$cli" amend "LAB-$year-00001" "Z:$folder/draft3.json" --reason "density corrected" \
  >"$folder/amend.txt" 2>&1 || { cat "$folder/amend.txt" >&2; exit 1; }
status=0
"$wine_run" "$cli" verify "Z:$folder/RegisterOxycalc.txt.reports/LAB-$year-00001.json" >"$folder/verify.txt" 2>&1 ||
  status=$?
[[ $status == 1 ]] || { echo "verify of the amended report: exit $status, expected 1" >&2; cat "$folder/verify.txt" >&2; exit 1; }
check verify.txt "заменён отчётом № LAB-$year-00003"
echo "oxycalc-cli under Wine: two issues at once got consecutive numbers; the amended report verifies as superseded"
