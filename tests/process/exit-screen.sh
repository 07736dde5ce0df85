#!/usr/bin/env bash
# Every way of closing the main window maps the exit screen and keeps the
# program running; every way of closing the exit screen ends it with status 0.
# Usage: exit-screen.sh <velto-arithmancy binary>
binary=$1
source "$(dirname "$0")/display-session.sh"
here=$(dirname "$0")

# Starts the program and sets $app and $main (its main window's id).
start() {
    "$binary" & app=$!
    pids+=("$app")
    wait_window "$main_title" || fail "main window never mapped"
    main=$(window_ids "$main_title" | head -n 1)
}

# The exit screen: the one window titled as the program that is not the
# main window $1, once that has gone.
exit_screen() {
    window_ids "$main_title" | grep -q -x "$1" && return 1
    window_ids "$main_title" | grep -v -x "$1" | head -n 1 | grep .
}

# Checks that the program has ended, with status 0 and its settings whole.
expect_ended() {
    local status=0
    kill -0 "$app" 2>/dev/null && fail "$1: program still running"
    wait "$app" || status=$?
    [ "$status" -eq 0 ] || fail "$1: ended with status $status"
    grep -q -E -x 'Duration=[0-9]{4}-[0-9]{2}-[0-9]{2}' "$settings" || fail "$1: settings file damaged"
}

close_main() {
    local main=$1 how=$2
    window_ids "$main_title" | grep -q -x "$main" || return 0
    case $how in
        close-box) "$here/close-window.py" "$main" ;;
        menu) focus "$main"; send_keys alt+f; sleep 0.3; send_keys x ;;
    esac
}

close_exit_screen() {
    local screen=$1 how=$2
    case $how in
        close-box) "$here/close-window.py" "$screen" ;;
        alt-x) focus "$screen"; send_keys alt+x ;;
        click)
            read -r x y < <("$here/window-state.py" "$screen" client)
            # No --sync: it waits forever when the pointer is already there.
            xdotool mousemove $((x + 441)) $((y + 196)) sleep 0.2 click 1 ;;
    esac
}

# Each way of closing each window once: the window manager's close box and
# the menu, and the exit screen's close box, its access key and a click.
for ways in "close-box close-box" "menu alt-x" "close-box click"; do
    read -r main_way exit_way <<<"$ways"
    case_name="main by $main_way, exit screen by $exit_way"
    start
    retry "exit_screen $main" 5 close_main "$main" "$main_way" || fail "$case_name: no exit screen"
    screen=$(exit_screen "$main")
    kill -0 "$app" 2>/dev/null || fail "$case_name: ended with the main window"
    retry "! kill -0 $app" 5 close_exit_screen "$screen" "$exit_way"
    expect_ended "$case_name"
done
echo "exit-screen: every way out, each through the exit screen, each status 0"
