#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix, inside Xvfb when there is no display.
# Usage: tools/wine-run.sh PROGRAM.exe [ARGS...]   (exit code: the program's)
# OXY_WINDOWS_BUILD=win64 runs a 64-bit program under 64-bit Wine (default win32).
set -euo pipefail
source "$(dirname "$0")/wine.sh"
oxy_wine_for "${OXY_WINDOWS_BUILD:-win32}"
if [[ -n "${DISPLAY:-}" ]]; then
  exec "${OXY_WINE[@]}" "$@"
fi
exec xvfb-run -a -s "-screen 0 1600x1000x24" "${OXY_WINE[@]}" "$@"
