#!/usr/bin/env bash
# Prepares this machine for building and testing oxycalc; safe and quick to run again.
#   - installs the Debian packages that are missing (and only those), for the Windows builds whose
#     programs run here (see tools/wine.sh);
#   - fetches the Debian sources of SQLite and pugixml once into build/deps (for the Windows builds);
#   - makes a private Wine prefix per Windows build: build/wine (32-bit), build/wine64 (64-bit).
# Everything it downloads or makes stays under build/, which git ignores; the system's apt
# configuration is never edited.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
deps="$build/deps"
mkdir -p "$build"

native_pkgs=(cmake g++ binutils make pkg-config libsqlite3-dev libpugixml-dev libxml2-dev libxslt1-dev
             googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev tcl dpkg-dev
             nlohmann-json3-dev clang-format libssl-dev openssl python3 python3-jsonschema)
# The 32-bit product is always built, wherever its programs can run or not.
# The installer (NSIS) and its listing where it cannot run (7z) come with the 32-bit product.
win_pkgs=(g++-mingw-w64-i686 nsis p7zip-full xvfb xauth x11-apps x11-utils imagemagick fonts-wine)
win32_pkgs=(wine wine32:i386)
win64_pkgs=(wine64 g++-mingw-w64-x86-64)
view_pkgs=(chromium fonts-dejavu-core poppler-utils)

missing_of() {
  local p status
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || echo "$p"
  done
}

# A damaged index of the mirror ("File has unexpected size … Mirror sync in progress?") makes
# apt-get update fail; the lists apt already has still serve.
apt_update() {
  local log="$build/apt-update.log"
  apt-get update -qq >"$log" 2>&1 && return 0
  sleep 5
  apt-get update -qq >"$log" 2>&1 && return 0
  echo "bootstrap: the package index could not be fully updated, going on with the lists apt has ($log)" >&2
}

# Installs packages (false, after one line naming what failed, when they cannot be had). When apt
# can't resolve them, tries once more with the security suite pinned
# below the main suite: after a damaged i386 index, amd64 libraries upgraded from the security suite
# may have no i386 twin of the same version, and wine32's Multi-Arch pairs are refused.
apt_install() {
  local log="$build/apt-install.log" prefs="$build/apt-preferences"
  local install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends)
  "${install[@]}" "$@" >"$log" 2>&1 && return 0
  mkdir -p "$prefs"
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 90\n' >"$prefs/security-below-main.pref"
  echo "bootstrap: retrying the install with the security suite pinned below the main suite" >&2
  "${install[@]}" -o "Dir::Etc::PreferencesParts=$prefs" "$@" >"$log" 2>&1 && return 0
  local p candidate unavailable=()
  for p in "$@"; do
    candidate=$(apt-cache policy "$p" 2>/dev/null | awk '/Candidate:/{print $2}')
    [[ -n "$candidate" && "$candidate" != "(none)" ]] || unavailable+=("$p")
  done
  if ((${#unavailable[@]})); then
    echo "bootstrap: no package source offers ${unavailable[*]}; add a Debian 12 mirror that has it" >&2
  else
    echo "bootstrap: apt could not install ${*}: $(grep -m1 '^E:' "$log" || tail -n 1 "$log")" >&2
  fi
  return 1
}

install_missing() {
  local missing
  mapfile -t missing < <(missing_of "$@")
  ((${#missing[@]})) || return 0
  echo "bootstrap: installing ${missing[*]}"
  if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    oxy_apt_updated=""  # the i386 lists are new
  fi
  [[ -n "${oxy_apt_updated:-}" ]] || { apt_update; oxy_apt_updated=1; }
  apt_install "${missing[@]}"
}

# The assembler tells which Windows builds can run here.
command -v as >/dev/null && command -v ld >/dev/null || install_missing binutils || exit 1
source "$root/tools/wine.sh"
wanted=("${native_pkgs[@]}" "${win_pkgs[@]}" "${view_pkgs[@]}")
[[ "${OXY_WINDOWS:-}" == win32 ]] || wanted+=("${win64_pkgs[@]}")
# 32-bit Wine where the kernel runs 32-bit programs, in one transaction with everything else, so that
# the amd64 libraries it shares are chosen together with their i386 twins. A mirror whose i386 lists
# are damaged can make that impossible for a while; the Windows tests then run on the 64-bit build, as
# on a machine that runs no 32-bit program, unless win32 was asked for.
if [[ "${OXY_WINDOWS:-}" != win64 ]] && oxy_runs_32bit; then
  if ! install_missing "${wanted[@]}" "${win32_pkgs[@]}"; then
    [[ "${OXY_WINDOWS:-}" != win32 ]] || exit 1
    echo "bootstrap: 32-bit Wine could not be installed now; the Windows tests run on the 64-bit build" >&2
    install_missing "${wanted[@]}" || exit 1
  fi
else
  install_missing "${wanted[@]}" || exit 1
fi
read -r -a windows_builds <<<"$(oxy_windows_builds)"

# Debian's source packages of the same SQLite and pugixml as the native -dev packages; a private
# source list keeps the system's apt configuration untouched.
fetch_sources() {
  local apt="$deps/apt"
  mkdir -p "$apt/lists/partial"
  : >"$apt/sources.list"
  local uris suites
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -e "$f" ]] || continue
    uris=$(awk -F': ' '/^URIs:/{print $2; exit}' "$f")
    suites=$(awk -F': ' '/^Suites:/{print $2; exit}' "$f")
    for s in $suites; do echo "deb-src $uris $s main" >>"$apt/sources.list"; done
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >>"$apt/sources.list"
  fi
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null -o APT::Sandbox::User=root
              -o "Dir::State::Lists=$apt/lists")
  apt-get "${opts[@]}" update -qq >"$build/apt-sources.log" 2>&1 ||
    echo "bootstrap: the source index could not be fully updated, going on with what it has" >&2
  (cd "$deps" && apt-get "${opts[@]}" source -qq --download-only sqlite3 pugixml)
}

make_sqlite_amalgamation() {
  local tarball src
  tarball=$(ls "$deps"/sqlite3_*.orig.tar.* | head -n 1)
  rm -rf "$deps/sqlite-src" && mkdir -p "$deps/sqlite-src"
  tar -xf "$tarball" -C "$deps/sqlite-src" --strip-components=1
  mkdir -p "$deps/sqlite-src/bld"
  (cd "$deps/sqlite-src/bld" && ../configure --quiet && make -s sqlite3.c) >"$build/sqlite-amalgamation.log" 2>&1 ||
    { echo "bootstrap: the SQLite amalgamation could not be made (see $build/sqlite-amalgamation.log)" >&2; exit 1; }
  mkdir -p "$deps/sqlite"
  cp "$deps/sqlite-src/bld/sqlite3.c" "$deps/sqlite-src/bld/sqlite3.h" "$deps/sqlite/"
  rm -rf "$deps/sqlite-src"
}

unpack_pugixml() {
  local tarball
  tarball=$(ls "$deps"/pugixml_*.orig.tar.* | head -n 1)
  rm -rf "$deps/pugixml" && mkdir -p "$deps/pugixml"
  tar -xf "$tarball" -C "$deps/pugixml" --strip-components=1
}

mkdir -p "$deps"
if [[ ! -f "$deps/sqlite/sqlite3.c" || ! -f "$deps/pugixml/src/pugixml.cpp" ]]; then
  echo "bootstrap: fetching SQLite and pugixml sources"
  ls "$deps"/sqlite3_*.orig.tar.* "$deps"/pugixml_*.orig.tar.* >/dev/null 2>&1 || fetch_sources
  [[ -f "$deps/sqlite/sqlite3.c" ]] || make_sqlite_amalgamation
  [[ -f "$deps/pugixml/src/pugixml.cpp" ]] || unpack_pugixml
fi

# A prefix per Windows build. The marker names the prefix's settings; a prefix made with older
# settings is made anew (it remembers the machine's fonts it once saw).
prefix_settings=3
make_prefix() {
  oxy_wine_for "$1"
  [[ "$(cat "$WINEPREFIX/.oxycalc-ready" 2>/dev/null)" == "$prefix_settings" ]] && return 0
  echo "bootstrap: preparing the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  oxy_wine wineboot --init >/dev/null 2>&1
  # Xvfb has no window manager: Wine draws the captions and frames itself, as Windows would.
  oxy_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  oxy_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # A crash ends the program at once with its dump, instead of a dialog that waits for a click.
  oxy_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  oxy_wineserver -w
  oxy_give_fonts
  echo "$prefix_settings" >"$WINEPREFIX/.oxycalc-ready"
}
for b in "${windows_builds[@]}"; do make_prefix "$b"; done
