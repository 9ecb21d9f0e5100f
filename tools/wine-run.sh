#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix, inside Xvfb when there is no display.
# Usage: tools/wine-run.sh PROGRAM.exe [ARGS...]   (exit code: the program's)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [[ -n "${DISPLAY:-}" ]]; then
  exec wine "$@"
fi
exec xvfb-run -a -s "-screen 0 1600x1000x24" wine "$@"
