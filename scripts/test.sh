#!/usr/bin/env bash
# Sets up, builds and runs every test: the release suite, then the whole suite again under
# the address and undefined-behaviour sanitizers, then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in release sanitize; do
  echo "== $preset =="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# The Windows DLLs, and the Wine suite: every scenario again through real COM. A fresh Wine
# session first (the test run starts its own, detached from the output), none left after.
echo "== windows =="
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
cmake --preset windows
cmake --build --preset windows
ctest --preset windows
