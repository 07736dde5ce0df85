#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite in a normal
# build, its in-process tests again in an AddressSanitizer +
# UndefinedBehaviorSanitizer build, then the Windows build under Wine (its Qt
# is built once and cached: 13 to 30 minutes on a fresh machine), then fuzzes
# the engine for a short while: a broken build fails first. Last, the release:
# the Debian package built the Debian way (its in-process tests run on that
# hardened build) and checked as users get it, the Windows packages of the
# build tested, signed with a key made for the run; the checker must refuse
# every folder changed from it, and make the release again, the same bytes.
# A release is made of a commit: with changes not committed, that part is
# left out (said so), except under CI, where it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/check-format.sh
echo "== dev build (at ${SECONDS} s)"
scripts/build.sh dev
ctest --preset dev --parallel 2
# The sanitizers watch the program's own code, which the engine, widget and
# build tests run in-process; the process and desktop tests add only X
# servers and timing to that, and run once, above.
echo "== asan build (at ${SECONDS} s)"
scripts/build.sh asan
ctest --preset asan --parallel 2 -L 'engine|widgets|build'
echo "== windows build (at ${SECONDS} s)"
scripts/build.sh windows
ctest --preset windows --parallel 2
echo "== fuzzing (at ${SECONDS} s)"
scripts/fuzz.sh 30
echo "== the release, made twice (at ${SECONDS} s)"
if [ -n "$(git status --porcelain)" ]; then
    echo "test: the work tree has changes that are not committed, and a release is made of a commit:"
    git status --short
    [ -z "${CI:-}" ] || exit 1
    echo "test: everything but the release passed; commit, then run this again for the release"
    exit 0
fi
keys=$(mktemp -d)
trap 'rm -rf "$keys"' EXIT
ssh-keygen -q -t ed25519 -N '' -C "made for one test run" -f "$keys/key"
echo "test-run@velto.invalid namespaces=\"file\" $(cat "$keys/key.pub")" >"$keys/signers"
scripts/release.sh --sign "$keys/key" windows
VELTO_PRODUCT_ENV=build/dev/product.env tests/release/package.sh dist
tests/release/scripts.sh dist "$keys/signers" "$keys/key"
echo "== passed in ${SECONDS} s"
