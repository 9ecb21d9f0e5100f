#!/usr/bin/env bash
# A lab's day through the real host and oxycalc.dll under Wine: the ticks of chromatograms whose folder
# is unreachable for a moment (a file server's blip) are kept, not counted meanwhile, and count again
# when the folder is back; a host told to quit while the plug-in shows a box or a dialog ends cleanly
# and nothing is half saved.
# Usage: file-server.sh BIN_FOLDER   (a Windows build's bin: veltar-host.exe, oxycalc.dll, …)
set -euo pipefail
bin=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/e2e/data-folder.sh"
# A crash ends the host at once with its exit code instead of waiting in the debugger.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe="

fail() { echo "file-server: $*" >&2; exit 1; }

host_pid=""
on_exit='[[ -n "$host_pid" ]] && kill "$host_pid" 2>/dev/null'
# Waits up to a minute for a file the host's script writes.
wait_for() {
  for _ in $(seq 1 300); do [[ -e "$1" ]] && return 0; sleep 0.2; done
  fail "the host did not get to $(basename "$1")"
}
host() {
  oxy_wine "$bin/veltar-host.exe" --db "$(win "$work/host.db")" --profile "$(win "$work/profile.txt")" \
    --choose 101,102 --script "$(win "$1")" --quit-after 90
}

# The chromatograms lie in a folder of their own, as on a file server; the database beside it.
share="$work/share"
mkdir -p "$share"
oxy_wine "$bin/oxycalc-demo-data.exe" "$(win "$share")" >/dev/null
mv "$share/host.db" "$work/host.db"
cp "$share/CompsTableOxycalc.csv" "$bin"/*.xsl "$data/"

# 1. Two chromatograms ticked; the folder goes; "U": the ticks stay, marked, not counted, a warning
# says so; the folder is back; "U": they count again, the total as before.
cat >"$work/blip.txt" <<SCRIPT
pick *
sleep 500
window Расчёт-207
click 1016
check 1001 0 1
check 1001 1 1
text 1007 1,2-Диметоксиэтан
text 1004 745.68
remember 1006 both
signal $(win "$work/ticked")
await $(win "$work/away")
post-click 1024
sleep 1500
dismiss Ошибка
sleep 500
dismiss Ошибка
sleep 300
expect-check 1001 0 1
expect-check 1001 1 1
expect-cell 1001 1 7 0.00
expect-contains 1040 Отмеченные хроматограммы не учтены в расчёте, пока их файлы недоступны
expect-other 1006 both
signal $(win "$work/refreshed")
await $(win "$work/back")
click 1024
expect-check 1001 0 1
expect-check 1001 1 1
expect-same 1006 both
expect-lacks 1040 не учтены
click 2
quit
SCRIPT
host "$work/blip.txt" &
host_pid=$!
wait_for "$work/ticked"
mv "$share" "$share.away"
: >"$work/away"
wait_for "$work/refreshed"
mv "$share.away" "$share"
: >"$work/back"
wait "$host_pid" || fail "the host's blip script failed"
host_pid=""
grep -q '101/1' "$work/profile.txt" && grep -q '102/1' "$work/profile.txt" ||
  fail "the ticks were not stored: $(cat "$work/profile.txt")"

# 2. The folder is away at the next opening: the box telling so is open when the host is told to quit.
mv "$share" "$share.away"
printf 'pick *\nsleep 1500\nquit\n' >"$work/quit-with-box.txt"
status=0
host "$work/quit-with-box.txt" || status=$?
[[ $status == 0 ]] || fail "the host closed over the plug-in's box with exit code $status"
grep -q '101/1' "$work/profile.txt" && grep -q '102/1' "$work/profile.txt" ||
  fail "closing over the box lost the remembered ticks: $(cat "$work/profile.txt")"
mv "$share.away" "$share"

# 3. The components dialog is open when the host is told to quit: nothing is saved or logged.
cp "$data/CompsTableOxycalc.csv" "$work/table-before.csv"
printf 'pick *\nsleep 500\nwindow Расчёт-207\npost-click 1003\nsleep 800\nquit\n' >"$work/quit-with-dialog.txt"
status=0
host "$work/quit-with-dialog.txt" || status=$?
[[ $status == 0 ]] || fail "the host closed over the components dialog with exit code $status"
cmp -s "$work/table-before.csv" "$data/CompsTableOxycalc.csv" || fail "closing over the dialog changed the table"
! grep -q 'сохранено в модуле' "$data/CompsTableOxycalc.csv.log" 2>/dev/null || fail "closing over the dialog logged a save"
echo "file-server: ticks kept over the blip and counted again; the host closed cleanly over a box and a dialog"
