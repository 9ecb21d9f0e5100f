# Sourced by the scripts that run Windows programs: gives them one X display and one wineserver for
# the whole run.
# All Wine processes of a prefix share one wineserver, whose desktop lives on the display of the
# first program; a display per program would leave the later ones without a desktop.
# Without a display of the user's, a private Xvfb is started and stopped when the script ends.
oxy_display_pid=""
oxy_own_wineserver=""

oxy_use_display() {
  [[ -n "${DISPLAY:-}" ]] && return 0
  local number
  for number in $(seq 70 99); do
    [[ -e "/tmp/.X${number}-lock" ]] && continue
    Xvfb ":$number" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    oxy_display_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    trap oxy_release_wine EXIT
    return 0
  done
  echo "no free X display number" >&2
  return 1
}

# Starts the prefix's wineserver and Wine's own background programs now, away from our pipes: the
# first Wine program would otherwise start them with its standard output, and whoever reads that
# output (ctest) would wait for them to end. Stopped when the script ends, unless one was running.
oxy_use_wineserver() {
  export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  wineserver -p </dev/null >/dev/null 2>&1 || return 0
  oxy_own_wineserver=1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  trap oxy_release_wine EXIT
}

oxy_release_wine() {
  if [[ -n "$oxy_own_wineserver" || -n "$oxy_display_pid" ]]; then
    wineserver -k 2>/dev/null || true
    oxy_own_wineserver=""
  fi
  if [[ -n "$oxy_display_pid" ]]; then
    kill "$oxy_display_pid" 2>/dev/null || true
    wait "$oxy_display_pid" 2>/dev/null || true
    oxy_display_pid=""
  fi
}
