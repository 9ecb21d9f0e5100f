# Sourced by the scripts that run Windows programs: which Windows build runs on this machine, the Wine
# of each build, and one X display and one wineserver for the whole run.
#
# The product is 32-bit (win32). Some kernels run no 32-bit x86 program at all; there the same code is
# built for x86-64 (win64) and run under 64-bit Wine, in a prefix of its own. OXY_WINDOWS=win64 forces
# the 64-bit path on any machine.

oxy_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
oxy_display_pid=""
oxy_own_wineservers=()

# True when the kernel runs 32-bit x86 programs: a tiny i386 program that needs no C library is
# assembled, linked and started (an "Exec format error" answers no).
oxy_runs_32bit() {
  local probe="$oxy_root/build/probe-i386"
  if [[ ! -x "$probe" ]]; then
    mkdir -p "$oxy_root/build"
    printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$probe.s"
    as --32 "$probe.s" -o "$probe.o" && ld -m elf_i386 "$probe.o" -o "$probe" || return 1
    rm -f "$probe.s" "$probe.o"
  fi
  "$probe" 2>/dev/null
}

# Whether 32-bit Wine is installed.
oxy_has_wine32() {
  [[ "$(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null)" == "install ok installed" ]]
}

# The Windows builds whose programs run here, the product's first: win32 where the kernel runs 32-bit
# programs and 32-bit Wine is installed, win64 everywhere.
oxy_windows_builds() {
  case "${OXY_WINDOWS:-}" in
    win32 | win64) echo "$OXY_WINDOWS" ;;
    "") if oxy_runs_32bit && oxy_has_wine32; then echo "win32 win64"; else echo "win64"; fi ;;
    *) echo "OXY_WINDOWS must be win32 or win64, not '$OXY_WINDOWS'" >&2; return 1 ;;
  esac
}

# Chooses the Wine of a build: its prefix and its loader. Debian's wine, wineboot and winepath
# scripts pick the 32-bit loader whenever wine32 is installed, even where it can't run, so the
# 64-bit loader is called directly.
oxy_wine_for() {
  OXY_WINDOWS_BUILD=$1
  export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  # The fonts the programs draw with are the prefix's own, whatever fonts the machine has.
  export FONTCONFIG_FILE="$oxy_root/tools/wine-fonts.conf"
  case "$1" in
    win32) export WINEPREFIX="$oxy_root/build/wine"; OXY_WINE=(wine); OXY_WINESERVER=wineserver ;;
    win64) export WINEPREFIX="$oxy_root/build/wine64"; OXY_WINE=(/usr/lib/wine/wine64)
           OXY_WINESERVER=/usr/lib/wine/wineserver64 ;;
    *) echo "no Windows build '$1'" >&2; return 1 ;;
  esac
  [[ -x "$OXY_WINESERVER" ]] || command -v "$OXY_WINESERVER" >/dev/null 2>&1 || OXY_WINESERVER=wineserver
  export WINESERVER=$(command -v "$OXY_WINESERVER" || echo "$OXY_WINESERVER")
  export OXY_WINDOWS_BUILD
}

# Puts the fonts the prefix's programs draw with into it; they are the only ones (tools/wine-fonts.conf):
# the caption buttons' glyphs and the dialogs' Tahoma (Wine's own, package fonts-wine, which Debian's Wine
# does not register), DejaVu Sans for the characters Tahoma lacks (package fonts-dejavu-core).
oxy_give_fonts() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/{marlett,tahoma,tahomabd}.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
}

oxy_wine() { "${OXY_WINE[@]}" "$@"; }
oxy_winepath() { "${OXY_WINE[@]}" winepath -w "$1"; }
oxy_wineserver() { "$WINESERVER" "$@"; }

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
# All Wine programs of a prefix share its wineserver, whose desktop lives on the display of the first
# program: they must share one display too.
oxy_use_wineserver() {
  oxy_wineserver -p </dev/null >/dev/null 2>&1 || return 0
  oxy_own_wineservers+=("$WINEPREFIX=$WINESERVER")
  oxy_wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  trap oxy_release_wine EXIT
}

# Stops the wineservers started here, and the one on our own display: it would outlive its display.
oxy_release_wine() {
  local entry
  [[ -n "$oxy_display_pid" && -n "${WINESERVER:-}" ]] && oxy_own_wineservers+=("$WINEPREFIX=$WINESERVER")
  for entry in "${oxy_own_wineservers[@]}"; do
    WINEPREFIX=${entry%%=*} "${entry#*=}" -k 2>/dev/null || true
  done
  oxy_own_wineservers=()
  if [[ -n "$oxy_display_pid" ]]; then
    kill "$oxy_display_pid" 2>/dev/null || true
    wait "$oxy_display_pid" 2>/dev/null || true
    oxy_display_pid=""
  fi
}
