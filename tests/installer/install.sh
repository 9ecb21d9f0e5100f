#!/usr/bin/env bash
# The setup program as a lab uses it, under 32-bit Wine in a fresh prefix of its own (build/wine-install),
# so that the other tests' prefix is left alone:
#   1. an older version installed silently into a folder given on the command line;
#   2. the lab edits its components table and its report stylesheet;
#   3. this version installed over it, into the same folder unasked: the libraries are replaced, the lab's
#      table stays with the new default beside it, the changed stylesheet is kept as a backup;
#   4. the host, started from a folder of its own and pointed at the installed plug-in folder, runs the
#      analyst's road and makes the report with the installed stylesheet;
#   5. the uninstaller removes what was installed and keeps the lab's table and backup.
# Usage: install.sh BIN_FOLDER SETUP.exe MAKE_SETUP DATA_FOLDER
#   MAKE_SETUP makes a setup program (here an older version); DATA_FOLDER holds the staged data files.
set -euo pipefail
bin=$(cd "$1" && pwd) setup=$2 make_setup=$3 staged=$(cd "$4" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
export LC_ALL=C.UTF-8  # Wine decodes command lines with the Unix locale
source "$root/tools/wine.sh"
oxy_wine_for win32
export WINEPREFIX="$root/build/wine-install"
started=$SECONDS

work=$(mktemp -d)
passed=no
cleanup() {
  oxy_release_wine
  rm -rf "$work"
  # The prefix (over a gigabyte) stays after a failure, for a look.
  [[ $passed == no ]] || { oxy_wineserver -w 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
}
fail() { echo "install: $*" >&2; exit 1; }
step() { echo "install: $* ($((SECONDS - started)) s)"; }
# Windows paths without a Wine start: the prefix's drive C: and everything else through Z:.
win() {
  local path=$1
  if [[ "$path" == "$WINEPREFIX/drive_c/"* ]]; then path="C:/${path#"$WINEPREFIX/drive_c/"}"; else path="Z:$path"; fi
  echo "${path//\//\\}"
}
same() { cmp -s "$1" "$2" || fail "$3"; }

trap 'rm -rf "$work"' EXIT
"$make_setup" "$work/old-setup.exe" -DVERSION=1.1.0.0 >/dev/null || fail "the older setup program was not made"

rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
oxy_use_display
oxy_use_wineserver  # makes the prefix
trap cleanup EXIT   # after tools/wine.sh set its own
# A crash ends at once instead of waiting for a click.
oxy_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
step "fresh prefix $WINEPREFIX"

data="$WINEPREFIX/drive_c/users/Public/Documents/Veltar4/oxycalc"
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\oxycalc'
# The values of the uninstall entry Windows lists, as NAME=VALUE lines ("" when there is none).
listed() {
  rm -f "$work/entry.reg"
  oxy_wine regedit /E "$(win "$work/entry.reg")" "$uninstall_key" >/dev/null 2>&1 || true
  [[ -f "$work/entry.reg" ]] || return 0
  iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' | sed -n 's/^"\([^"]*\)"="\(.*\)"$/\1=\2/p'
}

# 1. The older version, silently, into a folder of the lab's choice.
# Wine quotes an argument with spaces, and the setup program takes /D= only unquoted: no spaces here.
made="$WINEPREFIX/drive_c/Veltar4"
plugins="$made/Плагины"
oxy_wine "$work/old-setup.exe" /S "/D=$(win "$plugins")" || fail "the older setup program failed"
[[ -f "$plugins/oxycalc.dll" && -f "$plugins/oxycalcENU.dll" ]] || fail "no plug-in in $(win "$plugins")"
for file in "$staged"/*; do
  same "$file" "$data/$(basename "$file")" "$(basename "$file") was not installed into the data folder"
done
step "older version installed into $(win "$plugins")"

# 2. The lab's changes: a component of its own, a line in the stylesheet; the old library marked.
printf '12;Ацетон;Ацетон;58.08;784.50\r\n' | iconv -f UTF-8 -t CP1251 >>"$data/CompsTableOxycalc.csv"
sed -i 's|</xsl:stylesheet>|<!-- изменено в лаборатории --></xsl:stylesheet>|' "$data/Report.xsl"
cp "$data/CompsTableOxycalc.csv" "$work/lab-components.csv"
cp "$data/Report.xsl" "$work/lab-report.xsl"
printf 'old' >"$plugins/oxycalcENU.dll"

# 3. This version over it.
oxy_wine "$setup" /S || fail "the setup program failed over the older version"
same "$bin/oxycalc.dll" "$plugins/oxycalc.dll" "oxycalc.dll was not replaced"
same "$bin/oxycalcENU.dll" "$plugins/oxycalcENU.dll" "oxycalcENU.dll was not replaced"
same "$work/lab-components.csv" "$data/CompsTableOxycalc.csv" "the lab's components table was overwritten"
same "$staged/CompsTableOxycalc.csv" "$data/CompsTableOxycalc.default.csv" "the new default table is not beside the lab's"
same "$work/lab-report.xsl" "$data/Report.backup.xsl" "the lab's stylesheet was not kept as Report.backup.xsl"
same "$staged/Report.xsl" "$data/Report.xsl" "Report.xsl was not replaced"
entry=$(listed)
grep -qx 'DisplayVersion=1.1.1.0' <<<"$entry" || fail "Windows does not list version 1.1.1.0: $entry"
grep -qx 'Publisher=ООО «Оксилаб»' <<<"$entry" || fail "Windows does not list our company: $entry"
grep -q '^UninstallString=.*oxycalc-uninstall.exe' <<<"$entry" || fail "Windows lists no uninstaller: $entry"
step "upgraded to 1.1.1.0: libraries replaced, the lab's table and stylesheet kept"

# 4. The host from a folder that holds neither a plug-in nor a stylesheet: it loads the installed plug-in,
# and the report can only come from the installed Report.xsl.
host="$WINEPREFIX/drive_c/host"
mkdir -p "$host" && cp "$bin/veltar-host.exe" "$host/"
oxy_wine "$bin/oxycalc-demo-data.exe" "$(win "$work/demo")" >/dev/null || fail "no demo data"
same "$staged/CompsTableOxycalc.csv" "$work/demo/CompsTableOxycalc.csv" "the demo and the setup program ship different tables"
cp "$root/tests/e2e/report-road.txt" "$work/road.txt"
temp="$WINEPREFIX/drive_c/users/$(whoami)/Temp"
rm -f "$temp"/vlt*
oxy_wine "$host/veltar-host.exe" --plugins "$(win "$plugins")" --db "$(win "$work/demo/host.db")" \
  --profile "$(win "$work/profile.txt")" --choose 101,102,103 --script "$(win "$work/road.txt")" --quit-after 60 ||
  fail "the host's road with the installed plug-in failed"
report=$(ls -t "$temp"/vlt*.html 2>/dev/null | head -n 1) || true
[[ -n "$report" ]] || fail "the installed plug-in made no report"
grep -q '3.5343' "$report" || fail "the report does not show the total 3.5343"
same "$staged/Report.xsl" "$data/Report.xsl" "the host changed the installed stylesheet"
[[ ! -e "$host/Report.xsl" ]] || fail "a stylesheet appeared beside the host"
step "the host made the report with the installed plug-in and stylesheet"

# 5. The uninstaller, as Windows' list starts it: it copies itself away and returns at once, so wait
# for the folders it made for the plug-in, which it removes last, to go.
oxy_wine "$plugins/oxycalc-uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 1 100); do [[ -e "$made" ]] || break; sleep 0.2; done
[[ ! -e "$plugins" ]] || fail "the plug-in folder is still there: $(ls "$plugins" | tr '\n' ' ')"
[[ ! -e "$made" ]] || fail "the folder this setup made above the plug-in folder is still there"
same "$work/lab-components.csv" "$data/CompsTableOxycalc.csv" "the uninstaller did not keep the lab's table"
same "$work/lab-report.xsl" "$data/Report.backup.xsl" "the uninstaller did not keep the lab's stylesheet"
[[ ! -e "$data/Report.xsl" && ! -e "$data/Report.ENU.xsl" && ! -e "$data/CompsTableOxycalc.default.csv" ]] ||
  fail "the uninstaller left installed files: $(ls "$data" | tr '\n' ' ')"
[[ -z "$(listed)" ]] || fail "Windows still lists oxycalc"
step "uninstalled: libraries gone, the lab's table and backup kept"
passed=yes
