#!/usr/bin/env bash
# Every test: installs what is missing, checks the sources' format, builds the presets with warnings as
# errors, runs the native tests directly and the Windows tests under Wine, then the fuzz targets for
# FUZZ_SECONDS each (60 in CI, else 10), and checks that nothing was written into the source tree.
# The 32-bit product (win32) is always built. Its tests run where the kernel runs 32-bit programs; the
# 64-bit build (win64) is built and tested everywhere else, and beside win32 where both run.
# OXY_WINDOWS=win64 (or win32) runs the Windows tests of that build only.
# Exit code non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

tools/bootstrap.sh
tree_before=$(tools/tree-state.sh)
source tools/wine.sh
read -r -a windows_runs <<<"$(oxy_windows_builds)"
presets=(native win32)
[[ " ${windows_runs[*]} " == *" win64 "* ]] && presets+=(win64)
if oxy_runs_32bit; then runs32=yes; else runs32=no; fi
if oxy_has_wine32; then wine32=installed; else wine32="not installed"; fi
echo "== Windows tests run on: ${windows_runs[*]} (this kernel runs 32-bit programs: $runs32; 32-bit Wine: $wine32)"

echo "== format: clang-format on the tracked sources"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

status=0
# Change logs, kept versions and registers are written by runs of the program; a hand run beside a shipped
# table has left them committed more than once, where the tree check above cannot see them.
echo "== the repository: no file a run of the program writes"
written=$(git ls-files -- '*.csv.log' '*.csv.versions/*' '*RegisterOxycalc.txt*' '*.lock')
if [[ -n "$written" ]]; then
  echo "files a run of the program writes are committed:" >&2
  echo "$written" >&2
  status=1
fi
for preset in "${presets[@]}"; do
  echo "== $preset: build (warnings are errors)"
  cmake --preset "$preset" -DOXY_WERROR=ON >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
done

echo "== native: test"
ctest --preset native -j"$jobs" || status=1
oxy_use_display
for build in "${windows_runs[@]}"; do
  echo "== $build: test under Wine"
  oxy_wine_for "$build"
  oxy_use_wineserver
  ctest --preset "$build" -j"$jobs" || status=1
done
if [[ " ${windows_runs[*]} " != *" win32 "* ]]; then
  if [[ $runs32 == no ]]; then
    why="this kernel runs no 32-bit program"
  elif [[ -n "${OXY_WINDOWS:-}" ]]; then
    why="OXY_WINDOWS=$OXY_WINDOWS chose the 64-bit path"
  else
    why="32-bit Wine could not be installed"
  fi
  echo "== win32: not run here ($why): the product's binaries, setup program and ZIP are checked as files" \
       "(listed and unpacked); installing, upgrading and uninstalling were tested with the 64-bit build's setup" \
       "program, made from the same script"
  ctest --preset win32 -L binary || status=1
fi

if [[ -n "${CI:-}" ]]; then default_fuzz_seconds=60; else default_fuzz_seconds=10; fi
echo "== fuzz"
tools/fuzz.sh "${FUZZ_SECONDS:-$default_fuzz_seconds}" || status=1

echo "== the source tree: as it was before the tests"
tree_after=$(tools/tree-state.sh)
if [[ "$tree_after" != "$tree_before" ]]; then
  diff <(echo "$tree_before") <(echo "$tree_after") >&2 || true
  echo "tests wrote into the source tree (lines above: < before, > after)" >&2
  status=1
fi
exit $status
