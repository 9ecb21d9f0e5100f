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

export WINEPREFIX="$root/build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
user_display="${DISPLAY:-}"
source tools/display.sh
oxy_use_display

demo="$root/build/demo"
out="$root/out"
rm -rf "$demo" && mkdir -p "$demo" "$out"
wine build/win32/tools/oxycalc-demo-data.exe "$(winepath -w "$demo")" >/dev/null

# What an installation puts into the plug-in's data folder below the public documents folder.
data="$WINEPREFIX/drive_c/users/Public/Documents/Veltar4/oxycalc"
mkdir -p "$data"
cp "$demo/CompsTableOxycalc.csv" "$data/"

host=(wine build/win32/host/veltar-host.exe --db "$(winepath -w "$demo/host.db")"
      --profile "$(winepath -w "$demo/host-profile.txt")")

if [[ -n "$user_display" ]]; then
  echo "demo: starting the host; the plug-in is under Данные → Расчёты"
  exec "${host[@]}"
fi

ready="$demo/ready.txt"
"${host[@]}" --pick '*' --ready "$(winepath -w "$ready")" --quit-after 10 &
host_pid=$!
for _ in $(seq 1 100); do [[ -f "$ready" ]] && break; sleep 0.2; done
sleep 2
tools/screenshot.sh "$out/main-window.png"
wait "$host_pid"
echo "demo: the host loaded oxycalc.dll and its menu entry opened the main window"
echo "demo: screenshot $out/main-window.png"
