#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice (a
# normal build and an AddressSanitizer + UndefinedBehaviorSanitizer build),
# then fuzzes the engine for a short while: a broken build fails first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
for preset in dev asan; do
    echo "== $preset build"
    scripts/build.sh "$preset"
    ctest --preset "$preset" --parallel 2
done
scripts/fuzz.sh 30
