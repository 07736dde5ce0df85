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

# 3. Only a live copy refuses a start: whatever else sits at the lock's path
# is taken over, and the new lock holds against the next copy.
lock=$XDG_RUNTIME_DIR/$product_executable.lock
printf 'keep me\n' > "$work/target"
for row in empty garbage folder symlink other-host other-user; do
    rm -rf "$lock" "$lock".stale-*
    case $row in
        empty) : > "$lock" ;;
        garbage) head -c 300 /dev/urandom > "$lock" ;;
        folder) mkdir -p "$lock/inside" ;;
        symlink) ln -s "$work/target" "$lock" ;;
        # A live process, but on a host of another name (renamed since).
        other-host) printf '%s\n%s\nsome-other-host\n' "$$" "$product_executable" > "$lock" ;;
        other-user)
            [ "$(id -u)" -eq 0 ] || continue
            printf '%s\n%s\n%s\n' "$$" "$product_executable" "$(hostname)" > "$lock"
            chown nobody "$lock" ;;
    esac
    touch -h -d '1 hour ago' "$lock"
    "$binary" & app=$!; pids+=("$app")
    wait_window "$main_title" 10 || fail "lock $row: the start was refused"
    [ "$(count_windows "$message_title")" -eq 0 ] || fail "lock $row: a message was shown"
    "$binary" & second=$!; pids+=("$second")
    wait_window "$message_title" || fail "lock $row: a second start was not refused"
    focus "$(window_ids "$message_title" | head -n 1)"
    send_keys Return
    wait "$second" || fail "lock $row: the refused start ended with $?"
    kill "$app"; wait "$app" 2>/dev/null || true
done
[ "$(cat "$work/target")" = 'keep me' ] || fail "the file a linked lock pointed to was changed"

# 4. Two copies for one user never run at once, however each was started:
# the first in a desktop session, whose runtime folder is /run/user/<uid>;
# the second without a runtime folder named (su, sudo, ssh), or with one
# that others, or only its group, may enter, or that is somebody else's. As root the test makes
# that folder where no session did; it is the real one otherwise.
session=/run/user/$(id -u)
if [ ! -d "$session" ] && [ "$(id -u)" -eq 0 ]; then
    mkdir -m 700 -p "$session" && made+=("$session")
fi
if [ -d "$session" ]; then
    mkdir -p "$work/open" "$work/group" "$work/foreign"
    chmod 777 "$work/open" && chmod 710 "$work/group" && chmod 700 "$work/foreign"
    [ "$(id -u)" -ne 0 ] || chown nobody "$work/foreign"
    XDG_RUNTIME_DIR=$session "$binary" & first=$!; pids+=("$first")
    wait_window "$main_title" || fail "session's runtime folder: the first copy did not start"
    for runtime in unset "$work/open" "$work/group" "$work/foreign"; do
        if [ "$runtime" = unset ]; then
            env -u XDG_RUNTIME_DIR "$binary" & second=$!
        else
            XDG_RUNTIME_DIR=$runtime "$binary" & second=$!
        fi
        pids+=("$second")
        wait_window "$message_title" || fail "runtime folder $runtime: a second copy was not refused"
        focus "$(window_ids "$message_title" | head -n 1)"
        send_keys Return
        wait "$second" || fail "runtime folder $runtime: the refused start ended with $?"
        [ "$(count_windows "$main_title")" -eq 1 ] || fail "runtime folder $runtime: two main windows"
    done
    kill "$first"; wait "$first" 2>/dev/null || true
else
    echo "instances: no session runtime folder, and not root to make one: copies started without one not tried"
fi

# 5. Two starts at the same instant, repeated.
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
echo "instances: second start refused, stale and foreign locks taken over, $rounds races with one winner each"
