#!/usr/bin/env bash
# The Windows tests' emulator carries Qt's variables into the program, hands
# back its output and exit status, and leaves no Wine prefix behind.
# Usage: emulator.sh <wine-run.sh> <env_probe.exe>
set -euo pipefail
wine_run=$1
probe=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "emulator: $*" >&2
    cat "$scratch/out" "$scratch/err" >&2
    exit 1
}

status=0
TMPDIR=$scratch QT_VELTO_PROBE='two words;and more' QT_QPA_PLATFORM=offscreen \
    "$wine_run" "$probe" QT_VELTO_PROBE QT_QPA_PLATFORM QT_QPA_FONTDIR 7 >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 7 ] || fail "exit status $status, not 7"
# The program writes its lines the Windows way.
tr -d '\r' <"$scratch/out" >"$scratch/lines"
for line in 'QT_VELTO_PROBE=two words;and more' 'QT_QPA_PLATFORM=offscreen' 'QT_QPA_FONTDIR=C:\windows\Fonts'; do
    grep -qxF "$line" "$scratch/lines" || fail "expected the line: $line"
done
left=$(find "$scratch" -mindepth 1 -maxdepth 1 -name 'velto-wine.*')
[ -z "$left" ] || fail "left behind: $left"
echo "emulator: variables, output, status and clean-up as expected"
