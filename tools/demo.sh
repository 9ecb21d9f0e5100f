#!/usr/bin/env bash
# The main job: builds everything and runs the host with the plug-in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/bootstrap.sh
for preset in native win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
mkdir -p out
echo "demo: built build/native and build/win32"
