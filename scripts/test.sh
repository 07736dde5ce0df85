#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice (a
# normal build and an AddressSanitizer + UndefinedBehaviorSanitizer build),
# then the Windows build under Wine (its Qt is built once and cached: 20 to
# 35 minutes on a fresh machine), then fuzzes the engine for a short while:
# a broken build fails first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/check-format.sh
for preset in dev asan; do
    echo "== $preset build"
    scripts/build.sh "$preset"
    ctest --preset "$preset" --parallel 2
done
echo "== windows build"
scripts/build.sh windows
ctest --preset windows --parallel 2
scripts/fuzz.sh 30
