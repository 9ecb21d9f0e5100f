#!/usr/bin/env bash
# Signatures across implementations: OpenSSL signs a statement natively, the Windows build (CryptoAPI,
# keys from the user's store) signs one under Wine and checks both, and `openssl cms -verify` accepts the
# one made under Wine. Two tools we did not write agree with ours.
# Usage: sign-under-wine.sh WINE_RUN SIGN_TESTS_EXE
set -euo pipefail
wine_run=$1 tests=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$(dirname "$0")/make-test-certificates.sh" "$folder/certs"
certs=$folder/certs
openssl pkcs12 -in "$certs/petrov.p12" -passin pass:secret -nodes -out "$folder/petrov.pem" 2>/dev/null
printf '{"report_number": "native"}\n' >"$certs/native-statement.json"
openssl cms -sign -binary -outform DER -md sha256 -signer "$folder/petrov.pem" -in "$certs/native-statement.json" \
  -out "$certs/native-statement.json.p7s"
OXY_TEST_CERTIFICATES="Z:${certs//\//\\}" "$wine_run" "$tests"
openssl cms -verify -binary -inform DER -purpose any -in "$certs/wine-statement.json.p7s" \
  -content "$certs/wine-statement.json" -CAfile "$certs/lab-ca.pem" -out /dev/null
# One byte changed: OpenSSL refuses it too.
sed -i 's/ОХ/OX/' "$certs/wine-statement.json"
if openssl cms -verify -binary -inform DER -purpose any -in "$certs/wine-statement.json.p7s" \
  -content "$certs/wine-statement.json" -CAfile "$certs/lab-ca.pem" -out /dev/null 2>/dev/null; then
  echo "sign-under-wine: OpenSSL accepted a changed statement" >&2
  exit 1
fi
echo "sign-under-wine: the Wine (CryptoAPI) signature verifies with openssl cms -verify; a changed statement does not"
