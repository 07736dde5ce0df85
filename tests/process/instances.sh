#!/usr/bin/env bash
# Two starts at the same instant give one program, round after round (a
# second start's refusal is in desktop.sh, the lock itself in tst_shell).
# Usage: instances.sh <velto-arithmancy binary> [race rounds]
binary=$1
rounds=${2:-10}
source "$(dirname "$0")/display-session.sh"

for ((round = 1; round <= rounds; round++)); do
    "$binary" & a=$!
    "$binary" & b=$!
    pids+=("$a" "$b")
    # Each copy shows either the refusal or a main window: one of each means
    # one winner.
    wait_window "$message_title" 20 || fail "round $round: no refusal shown"
    wait_window "$main_title" 20 || fail "round $round: no main window"
    kill "$a" "$b" 2>/dev/null || true
    wait "$a" "$b" 2>/dev/null || true
    poll "[ \$(count_windows '$message_title') -eq 0 ] && [ \$(count_windows '$main_title') -eq 0 ]" 5 ||
        fail "round $round: windows stayed"
done
echo "instances: $rounds races with one winner each"
