#!/usr/bin/env bash
# Installs what the program needs, builds it alone (no tests, no benchmarks)
# and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/build.sh run
exec build/run/src/velto-arithmancy "$@"
