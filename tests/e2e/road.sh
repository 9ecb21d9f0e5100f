#!/usr/bin/env bash
# The analyst's road through the real host and oxycalc.dll under Wine, checked against oxycalc-cli on
# the same data; then a restart of the host that must bring back the list, its ticks and the window.
# Usage: road.sh BIN_FOLDER   (a Windows build's bin: veltar-host.exe, oxycalc.dll, oxycalc-cli.exe, …)
set -euo pipefail
bin=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/e2e/data-folder.sh"

fail() { echo "road: $*" >&2; exit 1; }

temp="$WINEPREFIX/drive_c/users/$(whoami)/Temp"
mkdir -p "$temp"

oxy_wine "$bin/oxycalc-demo-data.exe" "$(win "$work")" >/dev/null
cp "$work/CompsTableOxycalc.csv" "$bin"/*.xsl "$data/"
# What report-road.txt types, for oxycalc-cli to calculate the same.
standard="1,2-Диметоксиэтан"
density="745.68"

# 1. The road: add the three parallel determinations, tick them, type the settings, make the report.
cp "$root/tests/e2e/report-road.txt" "$work/road.txt"
rm -f "$temp"/vlt*
oxy_wine "$bin/veltar-host.exe" --db "$(win "$work/host.db")" --profile "$(win "$work/profile.txt")" \
  --choose 101,102,103 --script "$(win "$work/road.txt")" --quit-after 60 || fail "the host's road failed"
report=$(ls -t "$temp"/vlt*.html 2>/dev/null | head -n 1) || true
[[ -n "$report" ]] || fail "the plug-in made no report"

oxy_wine "$bin/oxycalc-cli.exe" report --db "$(win "$work/host.db")" --assay 101 --assay 102 --assay 103 \
  --tick-all --density "$density" --standard "$standard" --components "$(win "$data/CompsTableOxycalc.csv")" \
  --html "$(win "$work/cli.html")" --xsl "$(win "$data/Report.xsl")" >"$work/cli.txt" || fail "oxycalc-cli failed"

# The same document through the same stylesheet: every number of the two pages must agree.
numbers() { grep -o 'class="\(num\|value\)">[^<]*' "$1" | sed 's/.*>//'; }
diff <(numbers "$report") <(numbers "$work/cli.html") >&2 || fail "the plug-in's report and oxycalc-cli disagree"
[[ $(numbers "$report" | wc -l) -gt 60 ]] || fail "the report holds too few numbers"
grep -q '3.5343' "$work/cli.txt" || fail "oxycalc-cli printed another total"

# 2. Restart: the list, the second row's tick and the window's place come back from the profile.
cat >"$work/first.txt" <<SCRIPT
pick *
sleep 500
window Расчёт-207
click 1016
check 1001 1 1
move 40 50 1000 600
click 2
quit
SCRIPT
cat >"$work/second.txt" <<SCRIPT
pick *
sleep 500
window Расчёт-207
expect-rows 1001 3
expect-check 1001 0 0
expect-check 1001 1 1
expect-check 1001 2 0
expect-rect 40 50 1000 600
quit
SCRIPT
for run in first second; do
  oxy_wine "$bin/veltar-host.exe" --db "$(win "$work/host.db")" --profile "$(win "$work/restart-profile.txt")" \
    --choose 101,102,103 --script "$(win "$work/$run.txt")" --quit-after 60 || fail "the $run host run failed"
done
echo "road: report numbers agree with oxycalc-cli; list, ticks and window restored after a restart"
