#!/usr/bin/env bash
# Runs the program in a virtual X server and saves screenshots of the input
# page, of the results page for JOHN SMITH and of the exit screen.
# Usage: scripts/screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
mkdir -p "$out"
binary=build/dev/src/velto-arithmancy
[ -x "$binary" ] || scripts/build.sh dev >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
tmp=$(mktemp -d)
app=
finish() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap finish EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$binary" &
app=$!
window=$(xdotool search --sync --name '^Velto Arithmancy v1.15$' | head -n 1)
sleep 0.5
import -window "$window" "$out/main-input.png"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool type --delay 30 'john smith'
xdotool key Tab Return
sleep 0.5
import -window "$window" "$out/main-results.png"
xdotool key alt+f
sleep 0.3
xdotool key x
sleep 0.8
screen=$(xdotool search --onlyvisible --name '^Velto Arithmancy v1.15$' | grep -v -x "$window" | head -n 1)
import -window "$screen" "$out/exit-screen.png"
echo "screenshots: $out/main-input.png $out/main-results.png $out/exit-screen.png"
