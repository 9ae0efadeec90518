#!/usr/bin/env bash
# Sets up, builds and runs every test: the release suite, then the whole suite again under
# the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in release sanitize; do
  echo "== $preset =="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
