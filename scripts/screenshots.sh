#!/usr/bin/env bash
# Runs the program in a virtual X server and saves screenshots of its three
# windows (the input page, the results page for JOHN SMITH, the About window
# and the exit screen) at each scale factor: 1 gives main-input.png and so
# on, 1.5 and 2 add "-1.5x" and "-2x" to the names.
# Usage: scripts/screenshots.sh [output folder, default docs/screenshots] [scales, default "1 1.5 2"]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
scales=${2:-1 1.5 2}
mkdir -p "$out"
binary=build/dev/src/velto-arithmancy
[ -x "$binary" ] || scripts/build.sh dev >/dev/null

title='Velto Arithmancy v1.15'
tmp=$(mktemp -d)
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 2048x1536x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$fd" number
app=
finish() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap finish EXIT
export DISPLAY=:$number XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The newest mapped window with the program's title that is not one of $@.
newest_window() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -v -x -F "$(printf '%s\n' "$@" none)" | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "screenshots: window did not map" >&2
    exit 1
}

for scale in $scales; do
    suffix=$([ "$scale" = 1 ] && echo "" || echo "-${scale}x")
    QT_SCALE_FACTOR=$scale "$binary" &
    app=$!
    main=$(newest_window)
    sleep 0.5
    import -window "$main" "$out/main-input$suffix.png"

    timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null || true
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

    timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key alt+f
    sleep 0.3
    xdotool key x
    screen=$(newest_window "$main" "$about")
    sleep 0.5
    import -window "$screen" "$out/exit-screen$suffix.png"
    timeout 5 xdotool windowfocus --sync "$screen" 2>/dev/null || true
    xdotool key alt+x
    wait "$app" || true
    app=
    echo "screenshots: scale $scale in $out"
done
