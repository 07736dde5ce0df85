#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice (a
# normal build and an AddressSanitizer + UndefinedBehaviorSanitizer build),
# after a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/fuzz.sh 30
for preset in dev asan; do
    echo "== $preset build"
    scripts/build.sh "$preset"
    ctest --preset "$preset" --parallel 2
done
