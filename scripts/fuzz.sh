#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 30). Inputs may be long enough to reach the engine's
# saturation limit. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/build.sh fuzz
for target in build/fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    work=$(mktemp -d)
    echo "fuzz: $name for ${seconds}s"
    # New inputs go to a scratch folder; the committed corpus is only read.
    "$target" -max_total_time="$seconds" -max_len=70000 -print_final_stats=1 "$work" "$corpus" 2>&1 | tail -n 12
    rm -rf "$work"
done
