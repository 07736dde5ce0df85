#!/usr/bin/env bash
# The Windows tests' emulator carries Qt's variables into the program, hands
# back its output and exit status, and leaves no Wine prefix behind.
# Usage: emulator.sh <wine-run.sh> <env_probe.exe>
set -euo pipefail
wine_run=$1
probe=$2
scratch=$(mktemp -d)
runs=
trap 'rm -rf "$scratch" "$runs"' EXIT
fail() {
    echo "emulator: $*" >&2
    cat "$scratch/out" "$scratch/err" >&2
    exit 1
}

# The template every run copies (scripts/wine-run.sh makes it on first use).
template=${VELTO_WINE_TEMPLATE:-${XDG_CACHE_HOME:-$HOME/.cache}/velto-arithmancy/wine-prefix-$(id -u)}
"$wine_run" "$probe" 0 >/dev/null 2>&1
# This run's prefix in a folder of its own, where no other test's can be.
runs=$(mktemp -d "$(dirname "$template")/emulator.XXXXXX")
declare -A template_state
for reg in "$template"/*.reg; do
    template_state[$reg]="$(stat -c '%Y %s' "$reg") $(sha1sum <"$reg")"
done

status=0
VELTO_WINE_RUNS=$runs QT_VELTO_PROBE='two words;and more' QT_QPA_PLATFORM=offscreen \
    "$wine_run" "$probe" QT_VELTO_PROBE QT_QPA_PLATFORM QT_QPA_FONTDIR 7 >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 7 ] || fail "exit status $status, not 7"
# Wine writes its registry back as the program ends: into the run's prefix,
# never into the template that the next runs start from.
for reg in "$template"/*.reg; do
    [ "$(stat -c '%Y %s' "$reg") $(sha1sum <"$reg")" = "${template_state[$reg]}" ] ||
        fail "the run changed the template's $(basename "$reg")"
done
# The program writes its lines the Windows way.
tr -d '\r' <"$scratch/out" >"$scratch/lines"
for line in 'QT_VELTO_PROBE=two words;and more' 'QT_QPA_PLATFORM=offscreen' 'QT_QPA_FONTDIR=C:\windows\Fonts'; do
    grep -qxF "$line" "$scratch/lines" || fail "expected the line: $line"
done
left=$(find "$runs" -mindepth 1 -maxdepth 1)
[ -z "$left" ] || fail "left behind: $left"
echo "emulator: variables, output, status and clean-up as expected"
