#!/usr/bin/env bash
# Prints the state of the source tree as git sees it: every file that differs from the last commit or is
# not tracked (and not ignored), with the checksum of its content. The test and demo commands print it
# before and after their run: anything they write into the source tree shows as a difference.
set -euo pipefail
cd "$(dirname "$0")/.."
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 0
git status --porcelain=v1 --untracked-files=all | while IFS= read -r line; do
  path=${line:3}
  path=${path#\"}; path=${path%\"}
  if [[ -f "$path" ]]; then
    echo "$line $(sha256sum <"$path" | cut -c1-16)"
  else
    echo "$line"
  fi
done
