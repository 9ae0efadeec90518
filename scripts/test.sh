#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite under the address and undefined-behaviour
# sanitizers, a short fuzzing run, then the Windows build under Wine, then the installer
# packages under Wine. The same suite optimized is `ctest --preset release` after
# `cmake --preset release && cmake --build --preset release`; CI leaves it out for time (the
# optimized Windows builds below still compile the add-in with warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

# The whole suite, under the address and undefined-behaviour sanitizers.
echo "== sanitize =="
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

# A short run of each fuzz target of the calendar store (scripts/fuzz.sh runs them longer).
echo "== fuzz =="
scripts/fuzz.sh 30

# The Windows DLLs, and the Wine suite: every scenario again through real COM. The suite runs
# on a virtual display, for the test that hosts the pane control in a window; Wine's session
# must start inside it, so none may be running before (the run starts its own, detached from
# the output), and none is left after.
echo "== windows =="
cmake --preset windows
cmake --build --preset windows
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
xvfb-run -a ctest --preset windows

# The installer packages: the optimized DLLs of each bitness, packaged, then installed,
# upgraded and removed in fresh Wine prefixes by the windows build's package tests.
echo "== packages =="
for preset in windows-x64 windows-x86; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
xvfb-run -a ctest --preset windows-package
