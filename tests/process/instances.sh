#!/usr/bin/env bash
# A second start while the program runs shows only "Application is already
# running" and leaves with status 0; two starts at the same instant give one
# program; a lock left by a killed process does not block the next start.
# Usage: instances.sh <velto-arithmancy binary> [race rounds]
binary=$1
rounds=${2:-10}
source "$(dirname "$0")/display-session.sh"

# 1. Second start while the first runs.
"$binary" & first=$!; pids+=("$first")
wait_window "$main_title" || fail "main window never mapped"
[ -f "$settings" ] || fail "first start wrote no settings"
before=$(stat -c '%Y %s %i' "$settings")
"$binary" & second=$!; pids+=("$second")
wait_window "$message_title" || fail "second start showed no message"
message=$(window_ids "$message_title" | head -n 1)
poll "xprop -id $message _NET_WM_ICON | grep -q '='" 5 || fail "the message has no icon of the program"
[ "$(count_windows "$main_title")" -eq 1 ] || fail "second start showed a main window"
focus "$(window_ids "$message_title" | head -n 1)"
send_keys Return
wait "$second"; status=$?
[ "$status" -eq 0 ] || fail "second start ended with $status"
kill -0 "$first" 2>/dev/null || fail "first instance ended"
[ "$(stat -c '%Y %s %i' "$settings")" = "$before" ] || fail "second start wrote settings"

# 2. A lock left by a killed process.
kill -9 "$first"; wait "$first" 2>/dev/null || true
"$binary" & third=$!; pids+=("$third")
wait_window "$main_title" || fail "a stale lock blocked the next start"
kill "$third"; wait "$third" 2>/dev/null || true

# 3. Two starts at the same instant, repeated.
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
echo "instances: second start refused, a stale lock taken over, $rounds races with one winner each"
