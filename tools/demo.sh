#!/usr/bin/env bash
# The main job: builds everything, writes the demo data (host database, chromatogram files, the
# components file) and runs the substitute host with the plug-in on it. With a display the host
# opens for you; without one it runs under Xvfb, opens the plug-in's window through its menu entry
# and leaves a screenshot in out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/bootstrap.sh >&2
for preset in native win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
done

export WINEPREFIX="$root/build/wine" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
user_display="${DISPLAY:-}"
source tools/display.sh
oxy_use_display

demo="$root/build/demo"
out="$root/out"
rm -rf "$demo" && mkdir -p "$demo" "$out"
wine build/win32/bin/oxycalc-demo-data.exe "$(winepath -w "$demo")" >/dev/null

# What an installation puts into the plug-in's data folder below the public documents folder.
data="$WINEPREFIX/drive_c/users/Public/Documents/Veltar4/oxycalc"
mkdir -p "$data"
cp "$demo/CompsTableOxycalc.csv" "$data/"

host=(wine build/win32/bin/veltar-host.exe --db "$(winepath -w "$demo/host.db")"
      --profile "$(winepath -w "$demo/host-profile.txt")")

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
"${host[@]}" --choose 101,102,103 --script "$(winepath -w "$road")" --quit-after 60 &
host_pid=$!

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
  chromium --headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
    --disable-sync --no-first-run --user-data-dir="$(mktemp -d)" --no-pdf-header-footer \
    --print-to-pdf="$out/report.pdf" "$out/report.html" >/dev/null 2>&1
  echo "demo: report $out/report.html and $out/report.pdf"
  total=$(grep -o '<div class="value">[^<]*' "$out/report.html" | head -n 1 | sed 's/.*>//')
  echo "demo: total organically bound oxygen ${total:-?} % by mass (three parallel determinations of АИ-95-К5, партия 2417)"
else
  echo "demo: no report was made"
fi
