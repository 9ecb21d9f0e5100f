# Sourced by the end-to-end scripts after `bin` and `root` are set: Wine for the build under test, a work
# folder, and the plug-in's data folder emptied for the script and put back as it was when it ends
# (the folder is shared with the other tests and the demo). A script may set `on_exit` to a command that
# runs first.
export LC_ALL=C.UTF-8  # Wine decodes command lines with the Unix locale
source "$root/tools/wine.sh"
oxy_wine_for "${OXY_WINDOWS_BUILD:-win32}"
oxy_use_display

work=$(mktemp -d)
data="$WINEPREFIX/drive_c/users/Public/Documents/Veltar4/oxycalc"
mkdir -p "$data" "$work/saved"
if compgen -G "$data/*" >/dev/null; then
  cp -pr "$data"/* "$work/saved/" || { echo "the data folder could not be put aside" >&2; exit 1; }
  rm -rf "${data:?}"/*
fi
on_exit=""
restore() {
  [[ -z "$on_exit" ]] || eval "$on_exit" || true
  rm -rf "${data:?}"/*
  cp -pr "$work/saved"/* "$data/" 2>/dev/null || true
  rm -rf "$work"
  oxy_release_wine
}
trap restore EXIT
win() { oxy_winepath "$1"; }
