#!/usr/bin/env bash
# Prepares this machine for building and testing oxycalc; safe and quick to run again.
#   - installs the Debian packages that are missing (and only those);
#   - fetches the Debian sources of SQLite and pugixml once into build/deps (for the Windows build);
#   - makes a private Wine prefix in build/wine.
# Everything it downloads or makes stays under build/, which git ignores.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
deps="$build/deps"
export WINEPREFIX="$build/wine"

native_pkgs=(cmake g++ make pkg-config libsqlite3-dev libpugixml-dev libxml2-dev libxslt1-dev
             googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev tcl dpkg-dev)
win_pkgs=(g++-mingw-w64-i686 wine wine32:i386 xvfb xauth x11-apps x11-utils imagemagick)
view_pkgs=(chromium fonts-dejavu-core poppler-utils)

missing=()
for p in "${native_pkgs[@]}" "${win_pkgs[@]}" "${view_pkgs[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

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
  apt-get "${opts[@]}" update -qq
  (cd "$deps" && apt-get "${opts[@]}" source -qq --download-only sqlite3 pugixml)
}

make_sqlite_amalgamation() {
  local tarball src
  tarball=$(ls "$deps"/sqlite3_*.orig.tar.* | head -n 1)
  rm -rf "$deps/sqlite-src" && mkdir -p "$deps/sqlite-src"
  tar -xf "$tarball" -C "$deps/sqlite-src" --strip-components=1
  mkdir -p "$deps/sqlite-src/bld"
  (cd "$deps/sqlite-src/bld" && ../configure --quiet >/dev/null && make -s sqlite3.c >/dev/null)
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

if [[ ! -f "$WINEPREFIX/.oxycalc-ready" ]]; then
  echo "bootstrap: preparing the Wine prefix"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot --init >/dev/null 2>&1
  # Xvfb has no window manager: Wine draws the captions and frames itself, as Windows would.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wineserver -w
  # The caption buttons' glyphs.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  touch "$WINEPREFIX/.oxycalc-ready"
fi
