#!/usr/bin/env bash
# Every test: installs what is missing, builds both presets, runs the native tests directly and the
# Windows tests under Wine, then the fuzz targets for FUZZ_SECONDS each (60 in CI, else 10).
# Exit code non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

tools/bootstrap.sh
export WINEPREFIX="$root/build/wine"
source tools/display.sh
oxy_use_display

status=0
for preset in native win32; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
done
oxy_use_wineserver
for preset in native win32; do
  echo "== $preset: test"
  ctest --preset "$preset" -j"$jobs" || status=1
done
if [[ -n "${CI:-}" ]]; then default_fuzz_seconds=60; else default_fuzz_seconds=10; fi
echo "== fuzz"
tools/fuzz.sh "${FUZZ_SECONDS:-$default_fuzz_seconds}" || status=1
exit $status
