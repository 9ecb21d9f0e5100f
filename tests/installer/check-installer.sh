#!/usr/bin/env bash
# The setup program and the ZIP read as files, without running them (so they are checked even where no
# 32-bit program runs): both hold exactly the build's libraries and data files, the ZIP's user tables as
# NAME.default.csv and its README as written, paragraphs apart; the components table is in the plug-in's
# format; the setup program and its uninstaller each carry a version resource of their own.
# Usage: check-installer.sh WINDRES BIN_FOLDER DIST_FOLDER DATA_FOLDER PRODUCT_VERSION_H
set -euo pipefail
windres=$1 bin=$2 dist=$3 staged=$4 product_h=$5
source "$(dirname "$0")/../support/version-resource.sh"
version=$(product_macro "$product_h" OXY_VERSION_TEXT)
setup="$dist/oxycalc-setup-$version.exe" zip="$dist/oxycalc-$version.zip"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "check-installer: $*" >&2; status=1; }
paths() { 7z l -slt "$1" | sed -n 's/^Path = //p' | tail -n +2 | sort; }
# Each unpacked FILE must be the same as its SOURCE: lines "FILE<tab>SOURCE" on standard input.
compare() {
  local file source
  while IFS=$'\t' read -r file source; do
    cmp -s "$work/$1/$file" "$source" || fail "$2: $file is not $source"
  done
}

[[ -f "$setup" ]] || { echo "check-installer: no $setup (is makensis installed? the Debian package nsis)" >&2; exit 1; }
data_names=$(cd "$staged" && ls | sort)

# The setup program, as 7-Zip lists and unpacks it: the libraries for the plug-in folder, the data files
# it places at run time from its plug-ins folder with the helper that compares tables, the uninstaller it
# writes.
expected=$( (printf '%s\n' oxycalc.dll oxycalcENU.dll oxycalc-uninstall.exe '$PLUGINSDIR/oxycalc-compare-tables.exe'
             sed 's|^|$PLUGINSDIR/data/|' <<<"$data_names") | sort)
actual=$(paths "$setup" | grep -vE '^\$PLUGINSDIR/[^/]+\.(dll|bmp)$')
[[ "$actual" == "$expected" ]] || fail "$(basename "$setup") holds $(tr '\n' ' ' <<<"$actual")instead of $(tr '\n' ' ' <<<"$expected")"
7z x -y -o"$work/setup" "$setup" >/dev/null || fail "7-Zip cannot unpack $(basename "$setup")"
{
  printf '%s\t%s\n' oxycalc.dll "$bin/oxycalc.dll" oxycalcENU.dll "$bin/oxycalcENU.dll"
  printf '%s\t%s\n' '$PLUGINSDIR/oxycalc-compare-tables.exe' "$bin/oxycalc-compare-tables.exe"
  for name in $data_names; do printf '%s\t%s\n' "\$PLUGINSDIR/data/$name" "$staged/$name"; done
} | compare setup "$(basename "$setup")"
while read -r problem; do fail "$problem"; done < <(version_problems "$windres" "$setup" "$product_h")
uninstaller="$work/setup/oxycalc-uninstall.exe"
while read -r problem; do fail "$problem"; done < <(version_problems "$windres" "$uninstaller" "$product_h")
[[ "$("$windres" -i "$uninstaller" -O rc 2>/dev/null | grep 'FileDescription')" != \
   "$("$windres" -i "$setup" -O rc 2>/dev/null | grep 'FileDescription')" ]] ||
  fail "the uninstaller describes itself as the setup program"

# The ZIP: the same files, the user tables under another name, and a README.
top="oxycalc-$version"
data="$top/Public Documents/Veltar4/oxycalc"
7z x -y -o"$work/zip" "$zip" >/dev/null || fail "7-Zip cannot unpack $(basename "$zip")"
{
  printf '%s\t%s\n' "$top/Plugins/oxycalc.dll" "$bin/oxycalc.dll" "$top/Plugins/oxycalcENU.dll" "$bin/oxycalcENU.dll"
  for name in $data_names; do
    [[ $name == *.csv ]] && zipped=${name%.csv}.default.csv || zipped=$name
    printf '%s\t%s\n' "$data/$zipped" "$staged/$name"
  done
} | tee "$work/zip-pairs" | compare zip "$(basename "$zip")"
expected=$( (cut -f1 "$work/zip-pairs"; echo "$top/README.txt") | sort)
actual=$(cd "$work/zip" && find . -type f | sed 's|^\./||' | sort)
[[ "$actual" == "$expected" ]] || fail "$(basename "$zip") holds $(tr '\n' ' ' <<<"$actual")"
# Its README as written, in Windows-1251 with CR LF, its empty lines between paragraphs included.
readme_source="$(dirname "$0")/../../installer/README.txt"
[[ "$(iconv -f CP1251 -t UTF-8 "$work/zip/$top/README.txt" | tr -d '\r')" == "$(cat "$readme_source")" ]] ||
  fail "the ZIP's README.txt is not installer/README.txt (paragraphs lost?)"

# The components table as the plug-in reads it: Windows-1251, CR LF after every line, a header first,
# then rows "id;peak name;name;molar mass;density" with two decimals.
table="$staged/CompsTableOxycalc.csv"
text=$(iconv -f CP1251 -t UTF-8 "$table") || fail "the components table is not Windows-1251"
[[ "$(head -n 1 <<<"$text")" == $'№;Компонент;Имя компонента;Молярная масса;Плотность\r' ]] ||
  fail "the components table's header is $(head -n 1 <<<"$text")"
[[ $(tail -c 2 "$table" | od -An -tx1 | tr -d ' ') == 0d0a ]] || fail "the components table's last line has no CR LF"
rows=$(tail -n +2 <<<"$text")
bad=$(grep -cvE $'^[0-9]+;[^;]+;[^;]+;[0-9]+\\.[0-9]{2};[0-9]+\\.[0-9]{2}\r$' <<<"$rows" || true)
[[ $bad == 0 ]] || fail "$bad rows of the components table are not \"id;peak;name;M;ρ\" with two decimals and CR LF"
grep -q $'^[0-9]*;1,2-Диметоксиэтан;1,2-Диметоксиэтан;90.12;' <<<"$rows" || fail "the components table lacks 1,2-dimethoxyethane"

if [[ $status == 0 ]]; then
  echo "check-installer: $(basename "$setup") ($(($(stat -c %s "$setup") / 1024)) KB) and $(basename "$zip") hold the" \
       "build's libraries and $(tr '\n' ' ' <<<"$data_names")— checked by listing and unpacking them (7-Zip), not by running the setup"
fi
exit $status
