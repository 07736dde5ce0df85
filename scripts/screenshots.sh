#!/usr/bin/env bash
# Runs the program in a virtual X server and saves screenshots of its three
# windows (the input page, the results page for JOHN SMITH, the About window
# and the exit screen) at each scale factor: 1 gives main-input.png and so
# on, 1.5 and 2 add "-1.5x" and "-2x" to the names.
# Usage: scripts/screenshots.sh [output folder, default docs/screenshots] [scales, default "1 1.5 2"]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-docs/screenshots}" && cd "${1:-docs/screenshots}" && pwd)
scales=${2:-1 1.5 2}
build=build/dev
[ -x "$build/src/velto-arithmancy" ] || scripts/build.sh dev >/dev/null
export VELTO_PRODUCT_ENV=$PWD/$build/product.env VELTO_SCREEN=2048x1536x24
source tests/process/xvfb-session.sh
binary=$build/src/$product_executable

# The newest mapped window with the program's title that is not one of $@.
newest_window() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$main_title\$" 2>/dev/null | grep -v -x -F "$(printf '%s\n' "$@" none)" | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "window did not map"
}

for scale in $scales; do
    suffix=$([ "$scale" = 1 ] && echo "" || echo "-${scale}x")
    QT_SCALE_FACTOR=$scale "$binary" &
    app=$!
    pids+=("$app")
    main=$(newest_window)
    sleep 0.5
    import -window "$main" "$out/main-input$suffix.png"

    focus "$main"
    xdotool type --delay 20 'john smith'
    xdotool key Tab Return
    sleep 0.4
    import -window "$main" "$out/main-results$suffix.png"

    xdotool key alt+h
    sleep 0.3
    xdotool key a
    about=$(newest_window "$main")
    sleep 0.4
    import -window "$about" "$out/about$suffix.png"
    xdotool key Escape
    sleep 0.3

    focus "$main"
    xdotool key alt+f
    sleep 0.3
    xdotool key x
    screen=$(newest_window "$main" "$about")
    sleep 0.5
    import -window "$screen" "$out/exit-screen$suffix.png"
    focus "$screen"
    xdotool key alt+x
    wait "$app" || true
    echo "screenshots: scale $scale in $out"
done
