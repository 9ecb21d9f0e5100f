#!/usr/bin/env bash
# The setup program's life cycle as a lab and its IT run it, silently, under Wine in a fresh prefix of its
# own (build/wine-install, or build/wine64-install for the 64-bit build's setup program), so that the other
# tests' prefix is left alone:
#   1. installed on a machine whose Veltar4 folder already holds a file of Veltar's, and uninstalled: the
#      public documents folder is as it was, and nothing is left in Temp;
#   2. an older version (its components table with 20 °C densities, an older E5 limits set) installed into
#      a folder with a blank given as /D="…" (the way IT quotes it);
#   3. the lab adds a component to its table and changes its report stylesheet;
#   4. this version over it: the libraries, the unchanged limits set and the changed stylesheet are
#      replaced (the stylesheet kept as a backup), the lab's table stays with the new default beside it, and
#      the setup log names the densities that differ;
#   5. oxycalc-cli and the host with the installed plug-in: the report warns of the new default table;
#   6. while the host holds the plug-in, the setup program changes nothing and exits with 3;
#   7. a /D that is no full path is refused (exit 2);
#   8. into a new folder given as "/D=…" with a blank: the copy in the old folder stays, and the log says so;
#   9. the copy's uninstaller removes only it; the installed plug-in's removes the rest and keeps the lab's
#      table, its log and the stylesheet's backup.
# Usage: install.sh BIN_FOLDER SETUP.exe MAKE_SETUP DATA_FOLDER
#   MAKE_SETUP makes a setup program (here an older version); DATA_FOLDER holds the staged data files.
set -euo pipefail
bin=$(cd "$1" && pwd) setup=$2 make_setup=$3 staged=$(cd "$4" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
export LC_ALL=C.UTF-8  # Wine decodes command lines with the Unix locale
source "$root/tools/wine.sh"
build=${OXY_WINDOWS_BUILD:-win32}
oxy_wine_for "$build"
if [[ $build == win64 ]]; then
  export WINEPREFIX="$root/build/wine64-install"
else
  export WINEPREFIX="$root/build/wine-install"
fi
started=$SECONDS

work=$(mktemp -d)
passed=no
cleanup() {
  [[ -n "${host_pid:-}" ]] && { kill "$host_pid" 2>/dev/null || true; wait "$host_pid" 2>/dev/null || true; }
  oxy_release_wine
  rm -rf "$work"
  # The prefix (over a gigabyte) stays after a failure, for a look.
  [[ $passed == no ]] || { oxy_wineserver -w 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
}
fail() {
  echo "install: $*" >&2
  [[ -f "${data:-}/oxycalc-setup.log" ]] && { echo "--- the setup log:" >&2; setup_log >&2 || true; }
  exit 1
}
step() { echo "install: $* ($((SECONDS - started)) s)"; }
# Windows paths without a Wine start: the prefix's drive C: and everything else through Z:.
win() {
  local path=$1
  if [[ "$path" == "$WINEPREFIX/drive_c/"* ]]; then path="C:/${path#"$WINEPREFIX/drive_c/"}"; else path="Z:$path"; fi
  echo "${path//\//\\}"
}
# And back, for a path on the prefix's drive C:.
unix() { local path=${1#[Cc]:\\}; echo "$WINEPREFIX/drive_c/${path//\\//}"; }
same() { cmp -s "$1" "$2" || fail "$3"; }
gone() { [[ ! -e "$1" ]] || fail "$2"; }
# Waits up to 20 s for a path to go (the uninstaller runs on as a copy of itself after it returns).
wait_gone() { for _ in $(seq 1 100); do [[ -e "$1" ]] || return 0; sleep 0.2; done; }

trap 'rm -rf "$work"' EXIT
# The older version: its components table as versions before 1.1.1.0 shipped it (densities at 20 °C) and
# an E5 limits set unlike this version's.
mkdir -p "$work/old-data"
cp "$staged"/* "$work/old-data/"
sed -i 's/;793\.50/;789.30/; s/;795\.97/;791.80/; s/;745\.82/;740.50/' "$work/old-data/CompsTableOxycalc.csv"
sed -i 's/;2\.7;/;2.8;/' "$work/old-data/LimitsOxycalc-EN228-E5.csv"
! cmp -s "$work/old-data/CompsTableOxycalc.csv" "$staged/CompsTableOxycalc.csv" || fail "the older table is not older"
! cmp -s "$work/old-data/LimitsOxycalc-EN228-E5.csv" "$staged/LimitsOxycalc-EN228-E5.csv" ||
  fail "the older E5 set is not older"
"$make_setup" "$work/old-setup.exe" -DVERSION=1.1.0.0 "-DDATA_DIR=$work/old-data" >/dev/null ||
  fail "the older setup program was not made"

rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
oxy_use_display
oxy_use_wineserver  # makes the prefix
oxy_give_fonts
trap cleanup EXIT   # after tools/wine.sh set its own
# A crash ends at once instead of waiting for a click.
oxy_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
step "fresh prefix $WINEPREFIX"

documents="$WINEPREFIX/drive_c/users/Public/Documents"
data="$documents/Veltar4/oxycalc"
temp="$WINEPREFIX/drive_c/users/$(whoami)/Temp"
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\oxycalc'
files_key='HKEY_LOCAL_MACHINE\Software\Oxylab\oxycalc\DataFiles'
# The values of a registry key as NAME=VALUE lines ("" when there is none).
values() {
  rm -f "$work/key.reg"
  oxy_wine regedit /E "$(win "$work/key.reg")" "$1" >/dev/null 2>&1 || true
  [[ -f "$work/key.reg" ]] || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -n 's/^"\([^"]*\)"="\(.*\)"$/\1=\2/p' |
    sed 's/\\\\/\\/g'
}
# One value of the uninstall entry.
listed() { values "$uninstall_key" | sed -n "s/^$1=//p"; }
setup_log() { iconv -f UTF-16 -t UTF-8 "$data/oxycalc-setup.log" | tr -d '\r'; }
logged() { setup_log >"$work/setup.log"; grep -qF -- "$1" "$work/setup.log" || fail "the setup log does not say: $1"; }
# Everything below a folder with its checksum, to compare a folder before and after.
listing() { (cd "$1" && find . -printf '%y %p\n' | sort && find . -type f -exec md5sum {} + | sort -k2); }
# Whatever the setup program and its uninstaller would leave in Temp: their own folders.
setup_leftovers() { find "$temp" -maxdepth 1 \( -name '~nsu*' -o -name 'ns*.tmp' \) -printf '%f ' 2>/dev/null; }

# 1. Installed and uninstalled on a machine where Veltar keeps a file of its own in Veltar4.
mkdir -p "$documents/Veltar4"
printf '[Veltar]\r\nLanguage=1049\r\n' >"$documents/Veltar4/Veltar.ini"
before=$(listing "$documents")
oxy_wine "$setup" /S || fail "the first silent install failed"
[[ "$(listed InstallLocation)" == 'C:\Program Files'*'\Veltar4\Plugins' ]] ||
  fail "not installed into the default folder: $(listed InstallLocation)"
plugins=$(unix "$(listed InstallLocation)")
[[ -f "$plugins/oxycalc.dll" ]] || fail "no plug-in in the default folder $(win "$plugins")"
for file in "$staged"/*; do
  same "$file" "$data/$(basename "$file")" "$(basename "$file") was not installed into the data folder"
done
remembered=$(values "$files_key")
for name in CompsTableOxycalc.csv LimitsOxycalc-EN228-E10.csv LimitsOxycalc-EN228-E5.csv Report.xsl; do
  grep -q "^$name=[0-9]*:[0-9A-F]*$" <<<"$remembered" || fail "$name is not remembered with its checksum: $remembered"
done
logged "Установлен файл CompsTableOxycalc.csv"
oxy_wine "$plugins/oxycalc-uninstall.exe" /S || fail "the uninstaller failed"
wait_gone "${plugins%/Plugins}"
gone "${plugins%/Plugins}" "the uninstaller left the folders it made for the plug-in"
[[ "$(listing "$documents")" == "$before" ]] || fail "the public documents folder is not as before the install:
$(diff <(echo "$before") <(listing "$documents"))"
for _ in $(seq 1 100); do [[ -z "$(setup_leftovers)" ]] && break; sleep 0.2; done
[[ -z "$(setup_leftovers)" ]] || fail "left in Temp: $(setup_leftovers)"
[[ -z "$(values "$uninstall_key")" ]] || fail "Windows still lists oxycalc"
step "installed and uninstalled: the data folder as before, nothing in Temp"

# 2. The older version, into a folder with a blank given as IT quotes it. A batch file passes the command
# line as written: Wine would quote a Unix argument with a blank whole.
made="$WINEPREFIX/drive_c/Lab Q"
plugins="$made/Plugins"
printf '@"%s" /S /D="C:\\Lab Q\\Plugins"\r\n@exit /b %%ERRORLEVEL%%\r\n' "$(win "$work/old-setup.exe")" >"$work/old.cmd"
oxy_wine cmd /c "$(win "$work/old.cmd")" || fail "the older setup program failed with a quoted /D"
[[ -f "$plugins/oxycalc.dll" && -f "$plugins/oxycalcENU.dll" ]] || fail "no plug-in in C:\\Lab Q\\Plugins"
same "$work/old-data/CompsTableOxycalc.csv" "$data/CompsTableOxycalc.csv" "the older table was not installed"
step "older version installed into C:\\Lab Q\\Plugins, given as /D=\"…\""

# 3. The lab's changes: a component of its own in the table it got (densities at 20 °C), a line in the
# stylesheet; the old library marked.
printf '12;Ацетон;Ацетон;58.08;784.50\r\n' | iconv -f UTF-8 -t CP1251 >>"$data/CompsTableOxycalc.csv"
sed -i 's|</xsl:stylesheet>|<!-- изменено в лаборатории --></xsl:stylesheet>|' "$data/Report.xsl"
cp "$data/CompsTableOxycalc.csv" "$work/lab-components.csv"
cp "$data/Report.xsl" "$work/lab-report.xsl"
printf 'old' >"$plugins/oxycalcENU.dll"
# Versions before made the report page of parts that Report.xsl imported; the setup program remembered them.
for part in ReportPage.xsl Words.ru.xsl Words.en.xsl; do
  printf '<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"/>\r\n' >"$data/$part"
  checksum=$(python3 -c 'import sys
h = 0x811C9DC5
data = open(sys.argv[1], "rb").read()
for b in data: h = ((h ^ b) * 16777619) & 0xFFFFFFFF
print("%d:%08X" % (len(data), h))' "$data/$part")
  oxy_wine reg add "$files_key" /v "$part" /d "$checksum" /f >/dev/null 2>&1
done

# 4. This version over it, silently, into the installed folder.
oxy_wine "$setup" /S || fail "the setup program failed over the older version"
same "$bin/oxycalc.dll" "$plugins/oxycalc.dll" "oxycalc.dll was not replaced"
same "$bin/oxycalcENU.dll" "$plugins/oxycalcENU.dll" "oxycalcENU.dll was not replaced"
same "$work/lab-components.csv" "$data/CompsTableOxycalc.csv" "the lab's components table was overwritten"
same "$staged/CompsTableOxycalc.csv" "$data/CompsTableOxycalc.default.csv" "the new default table is not beside the lab's"
same "$staged/LimitsOxycalc-EN228-E5.csv" "$data/LimitsOxycalc-EN228-E5.csv" "the E5 set the lab never changed was not replaced"
gone "$data/LimitsOxycalc-EN228-E5.default.csv" "a default was put beside a limits set the lab never changed"
gone "$data/LimitsOxycalc-EN228-E10.default.csv" "a default was put beside a limits set that is already as new"
same "$work/lab-report.xsl" "$data/Report.backup.xsl" "the lab's stylesheet was not kept as Report.backup.xsl"
same "$staged/Report.xsl" "$data/Report.xsl" "Report.xsl was not replaced"
for part in ReportPage.xsl Words.ru.xsl Words.en.xsl; do
  gone "$data/$part" "$part, which the page no longer imports, was left in the data folder"
done
logged "Удалён прежний файл ReportPage.xsl"
logged "Оставлен файл лаборатории CompsTableOxycalc.csv, новый по умолчанию — рядом: CompsTableOxycalc.default.csv"
logged "«Этанол» — плотность 789.30 (в новой 793.50)"
logged "«Метанол» — плотность 791.80 (в новой 795.97)"
logged "Файл LimitsOxycalc-EN228-E5.csv не менялся в лаборатории и заменён новым"
entry=$(values "$uninstall_key")
grep -qx 'DisplayVersion=1.1.1.0' <<<"$entry" || fail "Windows does not list version 1.1.1.0: $entry"
grep -qx 'Publisher=ООО «Оксилаб»' <<<"$entry" || fail "Windows does not list our company: $entry"
grep -q '^UninstallString=.*oxycalc-uninstall.exe' <<<"$entry" || fail "Windows lists no uninstaller: $entry"
step "upgraded to 1.1.1.0: the lab's table kept with the new default beside it, the unchanged E5 set replaced"

# 5. The next report, from oxycalc-cli and from the host with the installed plug-in, warns of the new
# default table until the lab answers it. The host starts from a folder that holds neither a plug-in nor
# a stylesheet: the report can only come from the installed ones.
oxy_wine "$bin/oxycalc-demo-data.exe" "$(win "$work/demo")" >/dev/null || fail "no demo data"
same "$staged/CompsTableOxycalc.csv" "$work/demo/CompsTableOxycalc.csv" "the demo and the setup program ship different tables"
status=0
oxy_wine "$bin/oxycalc-cli.exe" report --db "$(win "$work/demo/host.db")" --assay 101 --assay 102 --assay 103 \
  --tick-all --density 745.68 --standard 1,2-Диметоксиэтан --components "$(win "$data/CompsTableOxycalc.csv")" \
  --json "$(win "$work/cli.json")" >/dev/null 2>&1 || status=$?
[[ $status == 1 ]] || fail "oxycalc-cli exited with $status, not 1 for a warning"
grep -q '"kind": "new_default_table"' "$work/cli.json" || fail "oxycalc-cli's report does not warn of the new default"
grep -qF '«Этанол» — плотность 789.30 (в новой 793.50)' "$work/cli.json" || fail "the warning does not name ethanol's densities"
grep -qF 'Событие: новая таблица по умолчанию: CompsTableOxycalc.default.csv' "$data/CompsTableOxycalc.csv.log" ||
  fail "the table's change log does not hold the new default"
host="$WINEPREFIX/drive_c/host"
mkdir -p "$host" && cp "$bin/veltar-host.exe" "$host/"
cp "$root/tests/e2e/report-road.txt" "$work/road.txt"
rm -f "$temp"/vlt*
oxy_wine "$host/veltar-host.exe" --plugins "$(win "$plugins")" --db "$(win "$work/demo/host.db")" \
  --profile "$(win "$work/profile.txt")" --choose 101,102,103 --script "$(win "$work/road.txt")" --quit-after 60 ||
  fail "the host's road with the installed plug-in failed"
report=$(ls -t "$temp"/vlt*.html 2>/dev/null | head -n 1) || true
[[ -n "$report" ]] || fail "the installed plug-in made no report"
grep -q '3.5343' "$report" || fail "the report does not show the total 3.5343"
grep -qF 'Новая таблица по умолчанию' "$report" || fail "the plug-in's report does not warn of the new default"
same "$staged/Report.xsl" "$data/Report.xsl" "the host changed the installed stylesheet"
gone "$host/Report.xsl" "a stylesheet appeared beside the host"
[[ $(grep -c 'Событие: новая таблица по умолчанию' "$data/CompsTableOxycalc.csv.log") == 1 ]] ||
  fail "the new default was logged more than once"
step "oxycalc-cli and the plug-in's report warn of the new default table"

# 6. The host holds the plug-in: the setup program replaces nothing and says why.
cp "$bin/oxycalc.dll" "$work/installed.dll"
printf 'signal %s\nawait %s\nquit\n' "$(win "$work/loaded")" "$(win "$work/go")" >"$work/hold.txt"
oxy_wine "$host/veltar-host.exe" --plugins "$(win "$plugins")" --db "$(win "$work/demo/host.db")" \
  --profile "$(win "$work/profile.txt")" --script "$(win "$work/hold.txt")" --quit-after 120 &
host_pid=$!
for _ in $(seq 1 150); do [[ -e "$work/loaded" ]] && break; sleep 0.2; done
[[ -e "$work/loaded" ]] || fail "the host did not start"
status=0
oxy_wine "$setup" /S || status=$?
[[ $status == 3 ]] || fail "the setup program exited with $status over a loaded plug-in, not 3"
same "$work/installed.dll" "$plugins/oxycalc.dll" "the setup program touched the loaded plug-in"
logged "Плагин oxycalc загружен"
: >"$work/go"
wait "$host_pid" || fail "the host holding the plug-in failed"
host_pid=""
step "refused to replace the plug-in the host held (exit 3)"

# 7. A folder that is no full path is refused, not taken for the installed one.
status=0
oxy_wine "$setup" /S /D=Plugins || status=$?
[[ $status == 2 ]] || fail "the setup program exited with $status for /D=Plugins, not 2"
logged "Папка плагинов в командной строке не подходит: «Plugins»"
[[ "$(listed InstallLocation)" == 'C:\Lab Q\Plugins' ]] ||
  fail "a refused /D changed the installed folder: $(listed InstallLocation)"
step "a /D that is no full path refused (exit 2)"

# 8. Into a new folder: Wine quotes this argument whole ("/D=C:\Veltar 5\Плагины"), which NSIS itself
# would drop. Silent, the copy in the old folder stays and the log says so.
moved_made="$WINEPREFIX/drive_c/Veltar 5"
moved="$moved_made/Плагины"
oxy_wine "$setup" /S '/D=C:\Veltar 5\Плагины' || fail "the setup program failed into a new folder"
same "$bin/oxycalc.dll" "$moved/oxycalc.dll" "no plug-in in the new folder"
[[ -f "$plugins/oxycalc.dll" ]] || fail "the plug-in in the old folder went without asking"
logged "Прежняя копия плагина оставлена в папке C:\\Lab Q\\Plugins"
[[ "$(listed InstallLocation)" == 'C:\Veltar 5\Плагины' ]] ||
  fail "Windows does not list the new folder: $(listed InstallLocation)"
step "installed into C:\\Veltar 5\\Плагины, the copy in C:\\Lab Q\\Plugins kept and said"

# 9. The copy's uninstaller removes only the copy; the installed plug-in's removes the rest.
oxy_wine "$plugins/oxycalc-uninstall.exe" /S || fail "the copy's uninstaller failed"
wait_gone "$plugins"
gone "$plugins" "the copy's uninstaller left its folder"
[[ -f "$moved/oxycalc.dll" && -f "$data/Report.xsl" ]] || fail "the copy's uninstaller removed the installed plug-in"
[[ -n "$(values "$uninstall_key")" ]] || fail "the copy's uninstaller removed Windows' entry"
oxy_wine "$moved/oxycalc-uninstall.exe" /S || fail "the uninstaller failed"
wait_gone "$moved_made"
gone "$moved_made" "the uninstaller left the folders it made for the plug-in"
same "$work/lab-components.csv" "$data/CompsTableOxycalc.csv" "the uninstaller did not keep the lab's table"
same "$work/lab-report.xsl" "$data/Report.backup.xsl" "the uninstaller did not keep the lab's stylesheet"
[[ -f "$data/CompsTableOxycalc.csv.log" ]] || fail "the uninstaller removed the table's change log"
left=$(cd "$data" && ls -A | grep -vxE 'CompsTableOxycalc\.csv(\.log|\.versions)?|Report\.backup\.xsl' || true)
[[ -z "$left" ]] || fail "the uninstaller left installed files: $left"
[[ -z "$(values "$uninstall_key")" ]] || fail "Windows still lists oxycalc"
for _ in $(seq 1 100); do [[ -z "$(setup_leftovers)" ]] && break; sleep 0.2; done
[[ -z "$(setup_leftovers)" ]] || fail "left in Temp: $(setup_leftovers)"
step "uninstalled: libraries and shipped files gone, the lab's table, its log and the backup kept"
passed=yes
