#!/usr/bin/env bash
# Sets up, builds and runs the main job: the add-in at work inside the simulated Outlook.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target quillhour Quillhour
build/release/apps/quillhour/quillhour demo "$@"
