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
system_dlls='^(advapi32|bcrypt|comctl32|comdlg32|crypt32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|version)\.dll$'
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
source "$(dirname "$0")/../support/version-resource.sh"
for file in oxycalc.dll oxycalcENU.dll veltar-host.exe oxycalc-cli.exe oxycalc-compare-tables.exe; do
  while read -r problem; do fail "$problem"; done < <(version_problems "$windres" "$bin/$file" "$product_h")
done

[[ $status == 0 ]] && echo "check-binaries: oxycalc.dll exports GetPluginInfo, Load, Unload; imports $(imports <<<"$plugin" | tr '\n' ' '); version $(product_macro "$product_h" OXY_VERSION_TEXT) in every binary"
exit $status
