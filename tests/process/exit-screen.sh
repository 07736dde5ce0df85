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

# Waits until the only window left is a different one with the same title:
# the exit screen. Prints its id. On a loaded machine a close request can
# come before the program takes them: with $2, the main window still there
# after 5 s is asked again (a user would click again).
exit_screen_after() {
    local main=$1 again=${2:-} id until=$((SECONDS + 20)) retry=$((SECONDS + 5))
    while [ "$SECONDS" -lt "$until" ]; do
        id=$(window_ids "$main_title" 2>/dev/null | grep -v -x "$main" | head -n 1 || true)
        if ! window_ids "$main_title" 2>/dev/null | grep -q -x "$main"; then
            [ -z "$id" ] || { echo "$id"; return 0; }
        elif [ -n "$again" ] && [ "$SECONDS" -ge "$retry" ]; then
            $again "$main" || true
            retry=$((SECONDS + 5))
        fi
        sleep 0.1
    done
    return 1
}

# Waits up to 20 s for the program to end; with $2 and $3, a close request
# to window $3 is repeated every 5 s while it runs, as for the main window.
expect_end() {
    local status=0 until=$((SECONDS + 20)) retry=$((SECONDS + 5))
    while kill -0 "$app" 2>/dev/null && [ "$SECONDS" -lt "$until" ]; do
        if [ -n "${2:-}" ] && [ "$SECONDS" -ge "$retry" ]; then
            $2 "$3" 2>/dev/null || true
            retry=$((SECONDS + 5))
        fi
        sleep 0.1
    done
    kill -0 "$app" 2>/dev/null && fail "$1: program still running"
    wait "$app" || status=$?
    [ "$status" -eq 0 ] || fail "$1: ended with status $status"
    grep -q -E -x 'Duration=[0-9]{4}-[0-9]{2}-[0-9]{2}' "$settings" || fail "$1: settings file damaged"
}

close_main() {
    local main=$1 how=$2
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

for main_way in close-box menu; do
    for exit_way in close-box alt-x click; do
        case_name="main by $main_way, exit screen by $exit_way"
        start
        close_main "$main" "$main_way"
        again=$([ "$main_way" = close-box ] && echo "$here/close-window.py" || true)
        screen=$(exit_screen_after "$main" "$again") || fail "$case_name: no exit screen"
        sleep 0.3
        kill -0 "$app" 2>/dev/null || fail "$case_name: ended with the main window"
        close_exit_screen "$screen" "$exit_way"
        again=$([ "$exit_way" = close-box ] && echo "$here/close-window.py" || true)
        expect_end "$case_name" "$again" "$screen"
    done
done
echo "exit-screen: 6 ways out, each through the exit screen, each status 0"
