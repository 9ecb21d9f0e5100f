# Sourced by the binary checks: a Windows binary's version resource, read without running it (windres).
#   version_problems WINDRES FILE PRODUCT_VERSION_H
#     prints one line per way the version resource of FILE differs from ProductVersion.h: version numbers
#     and texts, maker, product, a description and the file's own name; nothing when all is right.
#   product_macro PRODUCT_VERSION_H NAME   a string macro of ProductVersion.h
product_macro() { sed -n "s/^#define $2 \"\\(.*\\)\"$/\\1/p" "$1"; }

version_problems() {
  local windres=$1 file=$2 header=$3 info field version name
  # windres writes non-ASCII text as \xNNNN and \NNN escapes.
  info=$("$windres" -i "$file" -O rc 2>/dev/null | sed -n '/VERSIONINFO/,$p' |
    perl -CS -pe 's/\\x([0-9a-fA-F]{4})/chr(hex($1))/ge; s/\\([0-7]{3})/chr(oct($1))/ge')
  name=$(basename "$file")
  [[ -n "$info" ]] || { echo "$name has no version resource"; return; }
  value() { sed -n "s/^ *VALUE \"$1\", L\?\"\\(.*\\)\"$/\\1/p" <<<"$info"; }
  numbers() { awk -v f="$1" '$1 == f {$1 = ""; gsub(/[ ,]+/, "."); print substr($0, 2)}' <<<"$info"; }
  version=$(product_macro "$header" OXY_VERSION_TEXT)
  for field in FILEVERSION PRODUCTVERSION; do
    [[ "$(numbers $field)" == "$version" ]] || echo "$name: $field is $(numbers $field), not $version"
  done
  for field in FileVersion ProductVersion; do
    [[ "$(value $field)" == "$version" ]] || echo "$name: $field is $(value $field), not $version"
  done
  [[ "$(value CompanyName)" == "$(product_macro "$header" OXY_VENDOR_NAME)" ]] ||
    echo "$name: CompanyName is $(value CompanyName)"
  [[ "$(value ProductName)" == "$(product_macro "$header" OXY_PRODUCT_NAME)" ]] ||
    echo "$name: ProductName is $(value ProductName)"
  [[ "$(value OriginalFilename)" == "$name" ]] || echo "$name: OriginalFilename is $(value OriginalFilename)"
  [[ -n "$(value FileDescription)" ]] || echo "$name has no FileDescription"
}
