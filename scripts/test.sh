#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite in a normal
# build, its in-process tests again in an AddressSanitizer +
# UndefinedBehaviorSanitizer build, then the Windows build under Wine (its Qt
# is built once and cached: 13 to 30 minutes on a fresh machine), then fuzzes
# the engine for a short while: a broken build fails first. Last, the packages
# of the builds tested are made again in another clone, without tests, and
# must be the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/check-format.sh
echo "== dev build"
scripts/build.sh dev
ctest --preset dev --parallel 2
# The sanitizers watch the program's own code, which the engine, widget and
# build tests run in-process; the process and desktop tests add only X
# servers and timing to that, and run once, above.
echo "== asan build"
scripts/build.sh asan
ctest --preset asan --parallel 2 -L 'engine|widgets|build'
echo "== windows build"
scripts/build.sh windows
ctest --preset windows --parallel 2
scripts/fuzz.sh 30
echo "== release made twice"
scripts/release.sh dev windows
scripts/check-release.sh dist
