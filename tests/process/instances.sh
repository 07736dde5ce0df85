#!/usr/bin/env bash
# Two starts at the same instant give one program, round after round, and so
# do starts short of descriptors (a second start's refusal is in desktop.sh,
# the lock itself in tst_shell).
# Usage: instances.sh <velto-arithmancy binary> [race rounds]
binary=$1
rounds=${2:-10}
# shellcheck source=tests/process/display-session.sh
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

# Beside a running copy, a start short of descriptors says so and ends: it
# could neither tell whether that copy runs nor run itself, also where
# what started it left 40 of them open (limit:inherited). With the 64 it
# asks for it sees the copy and is refused. Never a second main window.
"$binary" & first=$!; pids+=("$first")
wait_window "$main_title" || fail "no main window to start beside"
for row in 8 9 63 64:40 64; do
    limit=${row%:*} inherited=0
    [[ $row != *:* ]] || inherited=${row#*:}
    (
        for ((fd = 10; fd < 10 + inherited; fd++)); do eval "exec $fd</dev/null"; done
        ulimit -n "$limit" && exec "$binary"
    ) 2>"$work/said" & app=$!; pids+=("$app")
    poll "! kill -0 $app || [ \$(count_windows '$message_title') -gt 0 ]" 20 ||
        fail "ulimit -n $row: neither ended nor refused"
    [ "$(count_windows "$main_title")" -eq 1 ] || fail "ulimit -n $row: a second main window"
    [ "$row" != 64 ] || break
    # Still running, it shows a refusal nobody answers: fail now, not at the
    # suite's time-out.
    ! kill -0 "$app" 2>/dev/null || fail "ulimit -n $row: it ran on instead of ending"
    status=0; wait "$app" || status=$?
    [ "$status" -eq 1 ] && grep -q "too few file descriptors" "$work/said" ||
        fail "ulimit -n $row: status $status, said $(cat "$work/said")"
done
[ "$(count_windows "$message_title")" -eq 1 ] || fail "ulimit -n 64: not refused"
echo "instances: $rounds races with one winner each; starts short of descriptors end"
