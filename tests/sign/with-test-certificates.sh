#!/usr/bin/env bash
# Runs a test program (under Wine) with the signature tests' certificates made for it, their folder named
# by OXY_TEST_CERTIFICATES as Wine sees it; they are gone afterwards.
# Usage: with-test-certificates.sh COMMAND...
set -euo pipefail
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$(dirname "$0")/make-test-certificates.sh" "$folder" >/dev/null
OXY_TEST_CERTIFICATES="Z:${folder//\//\\}" "$@"
