#!/usr/bin/env bash
# The main job: builds everything, writes the demo data (host database, chromatogram files, the
# components file) and runs the substitute host with the plug-in on it. With a display the host
# opens for you; without one it runs under Xvfb, opens the plug-in's window through its menu entry
# and leaves a screenshot in out/.
# The 32-bit host and plug-in run where the kernel runs 32-bit programs, the 64-bit build elsewhere
# (OXY_WINDOWS=win64 forces it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/bootstrap.sh >&2
tree_before=$(tools/tree-state.sh)
source tools/wine.sh
read -r build _ <<<"$(oxy_windows_builds)"
for preset in native "$build"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
done
if [[ "$build" == win32 ]]; then
  echo "demo: the 32-bit host and plug-in (win32)"
else
  echo "demo: the 64-bit host and plug-in (win64): this machine runs no 32-bit program or 32-bit Wine," \
       "or OXY_WINDOWS asks for it"
fi

oxy_wine_for "$build"
user_display="${DISPLAY:-}"
oxy_use_display
bin="$root/build/$build/bin"

demo="$root/build/demo"
out="$root/out"
rm -rf "$demo" && mkdir -p "$demo" "$out"
oxy_wine "$bin/oxycalc-demo-data.exe" "$(oxy_winepath "$demo")" >/dev/null

# What an installation puts into the plug-in's data folder below the public documents folder (the
# host's own set-up leaves a stylesheet already there alone: this one is the build's).
data="$WINEPREFIX/drive_c/users/Public/Documents/Veltar4/oxycalc"
mkdir -p "$data"
cp "$demo/CompsTableOxycalc.csv" "$bin"/*.xsl "$data/"
# The lab switches the export for its LIMS on by making the folder: every report then leaves its JSON and
# CSV there.
lims="$data/Выгрузка"
rm -rf "$lims" && mkdir -p "$lims"
# The report holds the results against EN 228 E10, as a lab that chose those limits would have it.
cp src/tables/LimitsOxycalc-EN228-E10.csv "$data/LimitsOxycalc.csv"

host=("${OXY_WINE[@]}" "$bin/veltar-host.exe" --db "$(oxy_winepath "$demo/host.db")"
      --profile "$(oxy_winepath "$demo/host-profile.txt")")

if [[ -n "$user_display" ]]; then
  echo "demo: starting the host; the plug-in is under Данные → Расчёты"
  exec "${host[@]}"
fi

# Without a display: the typical road, played by the host, with screenshots at its two stops.
road="$demo/road.txt"
# The host runs in this folder: the signal files are named relative to it.
sed -e "s|SIGNAL_MAIN_DONE|build/demo/main.done|; s|SIGNAL_MAIN|build/demo/main.now|" \
    -e "s|SIGNAL_CHROMATOGRAM_DONE|build/demo/chromatogram.done|; s|SIGNAL_CHROMATOGRAM|build/demo/chromatogram.now|" \
    tools/demo-road.txt >"$road"
# The plug-in writes its report into the user's temporary folder of the prefix.
temp="$WINEPREFIX/drive_c/users/$(whoami)/Temp"
rm -f "$temp"/vlt*
"${host[@]}" --choose 101,102,103 --script "$(oxy_winepath "$road")" --quit-after 60 &
host_pid=$!

# A page printed to PDF as a browser prints it, with the machine's fonts: the fonts of the Wine programs
# (FONTCONFIG_FILE) hold none a browser finds, and every text of the page would be left out.
print_pdf() {  # print_pdf PAGE PDF
  local profile status=0
  profile=$(mktemp -d)
  env -u FONTCONFIG_FILE chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --user-data-dir="$profile" --no-pdf-header-footer \
    --print-to-pdf="$2" "$1" >/dev/null 2>&1 || status=$?
  rm -rf "$profile"
  return $status
}

snap() {  # waits for the host's signal, saves the screen, lets the host go on
  for _ in $(seq 1 150); do [[ -f "$demo/$1.now" ]] && break; sleep 0.2; done
  tools/screenshot.sh "$out/$2"
  touch "$demo/$1.done"
}
snap main main-window.png
snap chromatogram chromatogram-window.png
wait "$host_pid"

report=$(ls -t "$temp"/vlt*.html 2>/dev/null | head -n 1 || true)
echo "demo: screenshots $out/main-window.png, $out/chromatogram-window.png"
if [[ -n "$report" ]]; then
  cp "$report" "$out/report.html"
  print_pdf "$out/report.html" "$out/report.pdf"
  echo "demo: report $out/report.html and $out/report.pdf"
  total=$(grep -o '<div class="value">[^<]*' "$out/report.html" | head -n 1 | sed 's/.*>//')
  echo "demo: total organically bound oxygen ${total:-?} % by mass (three parallel determinations of АИ-95-К5, партия 2417)"
else
  echo "demo: no report was made"
fi
rm -rf "$out/lims" && mkdir -p "$out/lims"
cp "$lims"/* "$out/lims/" 2>/dev/null || true
echo "demo: for a LIMS, the report's JSON and CSV: $(cd "$out/lims" && ls | tr '\n' ' ')"
# Any report can be checked later against what it rests on: the plug-in's report, as its JSON says it.
json=$(ls "$lims"/*.json 2>/dev/null | head -n 1 || true)
if [[ -n "$json" ]]; then
  verify_status=0
  LC_ALL=C.UTF-8 oxy_wine "$bin/oxycalc-cli.exe" verify "$(oxy_winepath "$json")" >"$out/lims/verify.txt" 2>&1 ||
    verify_status=$?
  echo "demo: oxycalc-cli verify of the plug-in's report: exit $verify_status ($out/lims/verify.txt)"
fi

# The lab establishes its check standard's control limits once, from its first 20 days: written into
# QcOxycalc.csv and its change log, they judge every later check whatever dates a batch covers.
LC_ALL=C.UTF-8 oxy_wine "$bin/oxycalc-cli.exe" qc --establish \
  --reason "первые 20 дней контрольного образца КО-1" --db "$(oxy_winepath "$demo/host.db")" \
  --components "$(oxy_winepath "$demo/CompsTableOxycalc.csv")" --standard "1,2-Диметоксиэтан" \
  --densities "$(oxy_winepath "$demo/densities.csv")" 2>&1 | sed 's/^oxycalc-cli: /demo: limits: /' || true
echo "demo: the check standard's limits are in $demo/QcOxycalc.csv (its log: QcOxycalc.csv.log)"

# The batch for a LIMS: every sample of the demo database, each with its reports, and an index page.
# The sample whose chromatograms have no usable mass is listed with its reason (and exit code 1). The
# check standard of QcOxycalc.csv, run each morning, is charted on the index page against the limits
# established; its MTBE is out of control on 2024-03-14, and the petrol analysed before that check is
# marked in doubt.
rm -rf "$out/batch"
LC_ALL=C.UTF-8 oxy_wine "$bin/oxycalc-cli.exe" batch --db "$(oxy_winepath "$demo/host.db")" \
  --components "$(oxy_winepath "$demo/CompsTableOxycalc.csv")" --standard "1,2-Диметоксиэтан" \
  --densities "$(oxy_winepath "$demo/densities.csv")" --xsl "$(oxy_winepath "$bin/Report.xsl")" \
  --limits "$(oxy_winepath "$data/LimitsOxycalc.csv")" --out "$(oxy_winepath "$out/batch")" \
  2>&1 | sed 's/^oxycalc-cli: /demo: batch: /' || true
echo "demo: batch index $out/batch/index.html, with the control charts of the check standard (for programs: qc.json)"

# The register of issued reports, on a copy of the demo data's tables: the lab sets its number pattern once,
# the demo petrol's report is issued, amended with a reason (the density corrected) and verified; the old
# report verifies as superseded and the LIMS JSON of both says so; two processes issuing at once get
# consecutive numbers. The pages of a draft, an issued and an amending report, Russian and English, are
# printed to PDF and PNG.
reg="$demo/register"
rm -rf "$reg" "$out/register" && mkdir -p "$reg/Выгрузка" "$out/register"
cp "$demo/CompsTableOxycalc.csv" "$bin"/Report*.xsl "$reg/"
cli() { LC_ALL=C.UTF-8 oxy_wine "$bin/oxycalc-cli.exe" "$@"; }
draft() {  # draft NAME DENSITY [LANGUAGE]: the demo petrol's report as a draft
  local xsl=Report.xsl lang=${3:-ru}
  [[ $lang == en ]] && xsl=Report.ENU.xsl
  cli report --db "$(oxy_winepath "$demo/host.db")" --assay 101 --assay 102 --assay 103 --tick-all \
    --density "$2" --standard "1,2-Диметоксиэтан" --components "$(oxy_winepath "$reg/CompsTableOxycalc.csv")" \
    --xsl "$(oxy_winepath "$reg/$xsl")" --lang "$lang" --html "$(oxy_winepath "$reg/$1.html")" \
    --json "$(oxy_winepath "$reg/$1.json")" >/dev/null 2>&1 || true
}
number() { tail -n 1 | tr -d '\r'; }
cli register --start "ОХ-{YYYY}-{NNNNN}" --first 17 --components "$(oxy_winepath "$reg/CompsTableOxycalc.csv")" 2>&1 |
  sed 's/^oxycalc-cli: /demo: register: /'
draft draft 745.68
first=$(cli issue "$(oxy_winepath "$reg/draft.json")" | number)
draft amending 745.10
second=$(cli amend "$first" "$(oxy_winepath "$reg/amending.json")" --reason "плотность пробы уточнена: 745,10 кг/м³" | number)
echo "demo: register: issued $first, amended by $second"
issued="$reg/RegisterOxycalc.txt.reports"
for n in "$first" "$second"; do
  status=0
  cli verify "$(oxy_winepath "$issued/$n.json")" >"$out/register/verify-$n.txt" 2>&1 || status=$?
  echo "demo: register: verify $n: exit $status, $(sed -n 2p "$out/register/verify-$n.txt" | tr -d '\r' | sed 's/^ *//')"
done
draft at-once-1 745.61
draft at-once-2 745.62
cli issue "$(oxy_winepath "$reg/at-once-1.json")" >"$reg/at-once-1.txt" 2>&1 &
at_once=$!
cli issue "$(oxy_winepath "$reg/at-once-2.json")" >"$reg/at-once-2.txt" 2>&1 || true
# Only this issue: the X server is a child of this script too.
wait "$at_once" || true
echo "demo: register: two processes issuing at once got $(number <"$reg/at-once-1.txt") and $(number <"$reg/at-once-2.txt")"
draft draft-en 745.68 en
english=$(cli issue "$(oxy_winepath "$reg/draft-en.json")" | number)
draft amending-en 745.10 en
english_second=$(cli amend "$english" "$(oxy_winepath "$reg/amending-en.json")" \
  --reason "sample density corrected: 745.10 kg/m³" | number)
cli history "$(oxy_winepath "$reg/RegisterOxycalc.txt")" >"$out/register/history.txt" 2>&1 || true
cp "$reg"/Выгрузка/*.json "$out/register/" 2>/dev/null || true
echo "demo: register: the LIMS export: $(cd "$reg/Выгрузка" && ls *.json | tr '\n' ' ')"
for page in "draft:$reg/draft.html" "issued:$issued/$first.html" "amending:$issued/$second.html" \
            "draft-en:$reg/draft-en.html" "issued-en:$issued/$english.html" \
            "amending-en:$issued/$english_second.html"; do
  name=${page%%:*}
  print_pdf "${page#*:}" "$out/register/$name.pdf" || true
  pdftoppm -png -r 80 -singlefile "$out/register/$name.pdf" "$out/register/$name" 2>/dev/null || true
done
echo "demo: register: pages $out/register/{draft,issued,amending}{,-en}.pdf and .png"

# Signatures of the report in force: Иванова prepared it, Петров checked it, with key files and a lab CA the
# demo makes as the tests do (natively, OpenSSL); verify with the lab's CA as the trust (the Windows build),
# OpenSSL's own `cms -verify` agreeing; a byte of the issued JSON changed in a copy of the register makes
# both fail. The page with the signatures is printed to PDF and PNG.
signing="$demo/signing"
rm -rf "$signing" "$out/signatures" && mkdir -p "$out/signatures"
tests/sign/make-test-certificates.sh "$signing/certs" >/dev/null
native_cli="$root/build/native/cli/oxycalc-cli"
for signer in ivanova:составил petrov:проверил; do
  OXY_DEMO_KEY_PASSWORD=secret "$native_cli" sign "$second" --meaning "${signer#*:}" \
    --pkcs12 "$signing/certs/${signer%%:*}.p12" --password-env OXY_DEMO_KEY_PASSWORD \
    --register "$reg/RegisterOxycalc.txt" --xsl "$reg/Report.xsl" 2>&1 | head -n 1 | sed 's/^/demo: signatures: /'
done
trust="$(oxy_winepath "$signing/certs/trust")"
status=0
cli verify "$(oxy_winepath "$issued/$second.json")" --trust "$trust" >"$out/signatures/verify.txt" 2>&1 || status=$?
echo "demo: signatures: verify $second --trust: exit $status; $(grep -c 'подпись верна' "$out/signatures/verify.txt") signatures hold"
openssl_check() {  # openssl_check FOLDER MEANING: OpenSSL's word on a signature
  openssl cms -verify -binary -inform DER -purpose any -in "$1/$second.$2.statement.json.p7s" \
    -content "$1/$second.$2.statement.json" -CAfile "$signing/certs/lab-ca.pem" -out /dev/null 2>&1 | tail -n 1
}
echo "demo: signatures: openssl cms -verify of the reviewer's: $(openssl_check "$issued" reviewed)"
cp -r "$reg" "$signing/changed"
changed="$signing/changed/RegisterOxycalc.txt.reports"
sed -i '0,/"sample"/s//"sampl3"/' "$changed/$second.json"
status=0
cli verify "$(oxy_winepath "$changed/$second.json")" --register "$(oxy_winepath "$signing/changed/RegisterOxycalc.txt")" \
  --trust "$trust" >"$out/signatures/verify-changed.txt" 2>&1 || status=$?
statement_sum=$(python3 -c 'import json,sys; print({f["file"]: f["sha256"] for f in json.load(open(sys.argv[1]))["files"]}[sys.argv[2]])' \
  "$changed/$second.reviewed.statement.json" "$second.json")
file_sum=$(sha256sum "$changed/$second.json" | cut -d' ' -f1)
echo "demo: signatures: one byte of the issued JSON changed: verify exit $status," \
  "$(grep -c 'ПОДПИСЬ НЕ ВЕРНА' "$out/signatures/verify-changed.txt") signatures fail;" \
  "sha256sum $([[ $statement_sum == "$file_sum" ]] && echo equals || echo differs from) the statement's"
print_pdf "$issued/$second.reviewed.html" "$out/signatures/signed.pdf" || true
pdftoppm -png -r 80 -singlefile "$out/signatures/signed.pdf" "$out/signatures/signed" 2>/dev/null || true
echo "demo: signatures: the signed page $out/signatures/signed.pdf and .png; verify's words in $out/signatures/"

# The demo writes into build/ and out/ only.
tree_after=$(tools/tree-state.sh)
if [[ "$tree_after" != "$tree_before" ]]; then
  diff <(echo "$tree_before") <(echo "$tree_after") >&2 || true
  echo "demo: the source tree changed during the demo (lines above: < before, > after)" >&2
  exit 1
fi
