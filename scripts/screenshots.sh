#!/usr/bin/env bash
# Runs the program on a private display and saves screenshots of its three
# windows (the input page, the results page for JOHN SMITH, the About window
# and the exit screen) at each scale factor: 1 gives main-input.png and so
# on, 1.5 and 2 add "-1.5x" and "-2x" to the names. VELTO_DISPLAY chooses the
# display (see tests/process/display-session.sh): xvfb (the default) shows
# the windows without a frame; openbox, xwayland and weston with the frame
# that the window manager or the program draws; headless (weston without a
# keyboard) only the input page.
# Usage: scripts/screenshots.sh [output folder, default docs/screenshots] [scales, default "1 1.5 2"]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-docs/screenshots}" && cd "${1:-docs/screenshots}" && pwd)
scales=${2:-1 1.5 2}
build=build/dev
[ -x "$build/src/velto-arithmancy" ] || scripts/build.sh dev >/dev/null
export VELTO_PRODUCT_ENV=$PWD/$build/product.env VELTO_SCREEN=${VELTO_SCREEN:-2048x1536x24}
# shellcheck source=tests/process/display-session.sh
source tests/process/display-session.sh
binary=$build/src/$product_executable

# The newest mapped window with the program's title that is not one of $@.
newest_window() {
    local id
    for _ in $(seq 50); do
        id=$(window_ids "$main_title" | grep -v -x -F "$(printf '%s\n' "$@" none)" | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "window did not map"
}

# Saves window $1 as $2: the window alone without a window manager, else
# its frame cut from the whole screen.
shoot() {
    if [ "$display_kind" = xvfb ]; then
        import -window "$1" "$2"
    else
        local x y w h
        read -r x y w h < <(frame_geometry "$1")
        screenshot "$work/screen.png"
        convert "$work/screen.png" -crop "${w}x$h+$x+$y" +repage "$2"
    fi
}

for scale in $scales; do
    suffix=$([ "$scale" = 1 ] && echo "" || echo "-${scale}x")
    QT_SCALE_FACTOR=$scale "$binary" &
    app=$!
    pids+=("$app")
    main=$(newest_window)
    sleep 0.5
    shoot "$main" "$out/main-input$suffix.png"
    # Headless weston has no keyboard to go further with.
    if [ "$display_kind" = headless ]; then
        kill "$app"
        wait "$app" || true
        continue
    fi
    focus "$main"

    type_text 'john smith'
    send_keys Tab Return
    sleep 0.4
    shoot "$main" "$out/main-results$suffix.png"

    send_keys alt+h
    sleep 0.3
    send_keys a
    about=$(newest_window "$main")
    sleep 0.5
    shoot "$about" "$out/about$suffix.png"
    send_keys Escape
    # Weston's X window manager gives the keyboard back after a moment.
    sleep 1.2

    [ "$display_kind" = xvfb ] && focus "$main"
    send_keys alt+f
    sleep 0.3
    send_keys x
    screen=$(newest_window "$main" "$about")
    sleep 0.6
    shoot "$screen" "$out/exit-screen$suffix.png"
    [ "$display_kind" = xvfb ] && focus "$screen"
    send_keys alt+x
    wait "$app" || true
    echo "screenshots: scale $scale in $out"
done
