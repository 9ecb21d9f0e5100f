#!/usr/bin/env bash
# The built Windows binaries as a loader would see them, read without running them (so the 32-bit
# product is checked even where no 32-bit program runs): the plug-in exports exactly its three
# functions and imports only libraries every Windows has; the language library is resources only;
# the 32-bit programs are large-address-aware; every binary we ship or run carries the version, maker
# and product of ProductVersion.h in its version resource, as Explorer's properties show them.
# Usage: check-binaries.sh OBJDUMP WINDRES BIN_FOLDER PRODUCT_VERSION_H
set -euo pipefail
objdump=$1 windres=$2 bin=$3 product_h=$4
status=0
fail() { echo "check-binaries: $*" >&2; status=1; }

headers() { "$objdump" -p "$bin/$1"; }
exports() {  # the names of the export table, sorted
  awk '/^\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^[ \t]*\[/{print $NF} on && /^$/{on=0}' | sort
}
imports() { awk '/DLL Name:/{print tolower($3)}' | sort -u; }

plugin=$(headers oxycalc.dll)
[[ "$(exports <<<"$plugin" | tr '\n' ' ')" == "GetPluginInfo Load Unload " ]] ||
  fail "oxycalc.dll exports $(exports <<<"$plugin" | tr '\n' ' ')instead of GetPluginInfo Load Unload"
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|version)\.dll$'
while read -r dll; do
  [[ "$dll" =~ $system_dlls ]] || fail "oxycalc.dll imports $dll, which Windows does not have"
done < <(imports <<<"$plugin")

language=$(headers oxycalcENU.dll)
grep -qE 'AddressOfEntryPoint\s+0+$' <<<"$language" || fail "oxycalcENU.dll has an entry point"
[[ -z "$(imports <<<"$language")" ]] || fail "oxycalcENU.dll imports code: $(imports <<<"$language" | tr '\n' ' ')"

if grep -q 'pei-i386' <<<"$plugin"; then
  for program in veltar-host.exe oxycalc-cli.exe; do
    grep -qi 'large address aware' <<<"$(headers "$program")" || fail "$program is not large-address-aware"
  done
fi
# A string macro of ProductVersion.h.
product() { sed -n "s/^#define $1 \"\\(.*\\)\"$/\\1/p" "$product_h"; }
version=$(product OXY_VERSION_TEXT)
# The version resource as text: windres writes non-ASCII as \xNNNN and \NNN escapes.
version_resource() {
  "$windres" -i "$bin/$1" -O rc 2>/dev/null | sed -n '/VERSIONINFO/,$p' |
    perl -CS -pe 's/\\x([0-9a-fA-F]{4})/chr(hex($1))/ge; s/\\([0-7]{3})/chr(oct($1))/ge'
}
value() { sed -n "s/^ *VALUE \"$1\", L\?\"\\(.*\\)\"$/\\1/p"; }
for file in oxycalc.dll oxycalcENU.dll veltar-host.exe oxycalc-cli.exe; do
  info=$(version_resource "$file")
  [[ -n "$info" ]] || { fail "$file has no version resource"; continue; }
  for field in FILEVERSION PRODUCTVERSION; do
    [[ "$(awk -v f="$field" '$1 == f {$1 = ""; gsub(/[ ,]+/, "."); print substr($0, 2)}' <<<"$info")" == "$version" ]] ||
      fail "$file: $field is not $version"
  done
  for field in FileVersion ProductVersion; do
    [[ "$(value "$field" <<<"$info")" == "$version" ]] || fail "$file: $field is not $version"
  done
  [[ "$(value CompanyName <<<"$info")" == "$(product OXY_VENDOR_NAME)" ]] || fail "$file: CompanyName is not ours"
  [[ "$(value ProductName <<<"$info")" == "$(product OXY_PRODUCT_NAME)" ]] || fail "$file: ProductName is not ours"
  [[ "$(value OriginalFilename <<<"$info")" == "$file" ]] || fail "$file: OriginalFilename is not $file"
  [[ -n "$(value FileDescription <<<"$info")" ]] || fail "$file has no FileDescription"
done

[[ $status == 0 ]] && echo "check-binaries: oxycalc.dll exports GetPluginInfo, Load, Unload; imports $(imports <<<"$plugin" | tr '\n' ' '); version $version in every binary"
exit $status
