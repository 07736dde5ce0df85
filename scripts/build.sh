#!/usr/bin/env bash
# Configures and builds one preset (default: dev).
# Usage: scripts/build.sh [dev|run|asan|fuzz|windows|windows-release]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
# The Windows build needs Qt and GoogleTest built for Windows (once, cached).
if [[ $preset = windows* ]]; then
    scripts/build-qt-windows.sh
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
