#!/usr/bin/env bash
# The program starts for its user whatever the settings store and runtime
# folder hold, shows no message but the reminder's, and ends with status 0
# when asked to terminate. Usage: hostile-environment.sh <velto-arithmancy>
binary=$1
# shellcheck source=tests/process/display-session.sh
source "$(dirname "$0")/display-session.sh"
today=$(date +%F)

stand_in_browser

store() { mkdir -p "$(dirname "$settings")"; printf '[Settings]\nDuration=%s\n' "$1" > "$settings"; }

# Starts the program with the arguments after $1, waits for the main window,
# checks that no message came with it, then ends it with SIGTERM and checks
# its status.
start_quietly_and_terminate() {
    "$binary" "${@:2}" & app=$!; pids+=("$app")
    wait_window "$main_title" || fail "$1: no main window"
    sleep 0.3
    [ "$(count_windows "$message_title")" -eq 0 ] || fail "$1: a message was shown"
    kill -TERM "$app"; wait "$app" || fail "$1: SIGTERM ended it with status $?"
}

# The command line: the program's own options answer, and say so when the
# answer cannot be written; a mistyped option is reported; Qt's own, with
# the letters of -h and -v in them, start it (each of them: tst_shell).
[ "$("$binary" --version)" = "$product_executable $product_version" ] || fail "--version"
! "$binary" --version >/dev/full 2>/dev/null || fail "--version to a full disk counted as answered"
! "$binary" --help >&- 2>/dev/null || fail "--help to a closed output counted as answered"
status=0
"$binary" --hlep 2>"$work/said" || status=$?
[ $status -eq 2 ] && grep -q "unknown option '--hlep'" "$work/said" || fail "--hlep: status $status"
# Too little memory for its threads is named as such.
status=0
(ulimit -v 100000 && exec "$binary") 2>"$work/said" || status=$?
[ $status -eq 1 ] && grep -q "too little memory .*ulimit -v" "$work/said" || fail "ulimit -v: status $status"
# With no browser at all, a page asked for (Alt+D) is the program's to tell
# of, when asked, and Qt's words with it: without the address's query.
PATH=/nonexistent QT_LOGGING_RULES='velto.*=true' "$binary" 2>"$work/said" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "no main window without a browser"
focus "$(window_ids "$main_title" | head -n 1)"
retry "grep -q 'refused to open' '$work/said'" 3 send_keys alt+d || fail "Alt+D without a browser: said $(cat "$work/said")"
grep -q "^velto.platform: the desktop said: Unable to detect a web browser to launch 'http://[^?']*'" "$work/said" &&
    [ "$(grep -c "Unable to detect" "$work/said")" -eq "$(grep -c "^velto.platform: the desktop said:" "$work/said")" ] ||
    fail "Qt's words without a browser: $(cat "$work/said")"
kill -TERM "$app"; wait "$app" || fail "SIGTERM without a browser: status $?"
start_quietly_and_terminate "-reverse" -reverse
start_quietly_and_terminate "-visual" -visual 0x21
start_quietly_and_terminate "a file to open" "$work/reading.num"

# 1. A store that is no regular file hangs nothing and is left as it is
# (junk in a file: tst_shell).
mkdir -p "$(dirname "$settings")"
rm -f "$settings"
mkfifo "$settings"
start_quietly_and_terminate "settings file is a FIFO"
[ -p "$settings" ] || fail "the FIFO in the store's place was replaced"
rm -f "$settings"

# 2. A date far away reminds; Yes opens the download page.
store 0001-01-01
"$binary" & app=$!; pids+=("$app")
wait_window "$message_title" || fail "no reminder for a date far in the past"
[ "$(count_windows "$main_title")" -eq 0 ] || fail "main window before the reminder was answered"
focus "$(window_ids "$message_title" | head -n 1)"
send_keys Return
wait_window "$main_title" || fail "no main window after the reminder"
# The browser, started on its own, writes down what it holds after the address.
poll 'grep -q SigIgn "$work/browser"' 5 || fail "Yes started no browser"
grep -q -x "http://.*/velto-free-arithmancy/ssd.php?page=download-web-page" "$work/opened" ||
    fail "Yes opened no download page"
# It holds no lock of the program's, which would outlive it, and ignores
# neither SIGPIPE nor SIGXFSZ for the program's sake.
! grep -q "$product_executable.lock" "$work/browser" || fail "the browser was handed the instance lock"
ignored=$(awk '/SigIgn/ { print $2 }' "$work/browser")
(( (0x$ignored >> 12 & 1) == 0 && (0x$ignored >> 24 & 1) == 0 )) || fail "the browser ignores signals: $ignored"
kill -TERM "$app"; wait "$app" || fail "SIGTERM after the reminder: status $?"


# A request to terminate ends the program at any moment of its start, before
# its event loop runs too, within 5 seconds: with status 0 once main runs
# (surely by 0.1 s), by the system's default before. Timed from the exec: a
# signal before it would end a shell, not the program.
for delay in 0 0.01 0.03 0.1 0.3; do
    "$binary" & app=$!; pids+=("$app")
    poll '[ "$(readlink "/proc/$app/exe")" = "$(readlink -f "$binary")" ]' 5 ||
        fail "the program did not start"
    sleep "$delay"
    kill -TERM "$app"
    poll "! kill -0 $app" 5 || fail "SIGTERM $delay s after the start: still running after 5 s"
    status=0; wait "$app" || status=$?
    [ "$status" -eq 0 ] || { [ "$status" -eq 143 ] && [ "${delay#0.}" != 1 ] && [ "${delay#0.}" != 3 ]; } ||
        fail "SIGTERM $delay s after the start: status $status"
done

# Ending while the reminder is open is no answer: nothing is written (INT
# and HUP reach the same handler: tst_shell).
store 2001-01-01
before=$(md5sum < "$settings")
"$binary" & app=$!; pids+=("$app")
wait_window "$message_title" || fail "no reminder to end at"
kill -TERM "$app"; wait "$app" || fail "SIGTERM during the reminder: status $?"
[ "$(md5sum < "$settings")" = "$before" ] || fail "SIGTERM during the reminder rewrote Duration"
store "$today"

# 3. No settings folder that can be made, and no usable runtime folder.
touch "$work/plain-file"
XDG_CONFIG_HOME=$work/plain-file/config start_quietly_and_terminate "settings folder cannot be made"
XDG_RUNTIME_DIR=$work/missing/runtime start_quietly_and_terminate "runtime folder missing"
XDG_RUNTIME_DIR=$work/plain-file start_quietly_and_terminate "runtime folder is a file"

# Answers the reminder of $app with a key: Return is Yes, n is No.
answer_reminder() {
    wait_window "$message_title" || fail "$1: no reminder"
    focus "$(window_ids "$message_title" | head -n 1)"
    send_keys "$2"
    wait_window "$main_title" || fail "$1: no main window after the reminder"
}

# 4. Standard error closed, or a pipe nobody reads any more: Qt's messages
# (plenty, with its debug output on) go nowhere, and nothing else happens,
# through the main window's close box to SIGTERM at the exit screen.
for stderr_kind in closed broken-pipe; do
    export QT_LOGGING_RULES='qt.qpa.*=true'
    if [ "$stderr_kind" = closed ]; then
        "$binary" 2>&- & app=$!
    else
        rm -f "$work/pipe" && mkfifo "$work/pipe"
        # Held open here until the window shows, and never by the program.
        exec {reader}<>"$work/pipe"
        "$binary" 2>"$work/pipe" {reader}>&- & app=$!
    fi
    pids+=("$app")
    unset QT_LOGGING_RULES
    wait_window "$main_title" || fail "stderr $stderr_kind: no main window"
    [ "$stderr_kind" = closed ] || exec {reader}>&-
    main=$(window_ids "$main_title" | head -n 1)
    "$(dirname "$0")/close-window.py" "$main"
    poll "! window_ids '$main_title' | grep -q -x '$main'" 5 || fail "stderr $stderr_kind: the main window stayed"
    wait_window "$main_title" || fail "stderr $stderr_kind: no exit screen"
    kill -0 "$app" 2>/dev/null || fail "stderr $stderr_kind: the program ended by itself"
    kill -TERM "$app"; wait "$app" || fail "stderr $stderr_kind: SIGTERM ended it with status $?"
done

# 5. A display that is named but cannot be opened, or a platform Qt has no
# plugin for: one line that names it, status 1.
plugin_missing="no Qt platform plugin \"nowhere\" (there are: .*xcb.*)"
for row in "DISPLAY=:79||cannot open the display (DISPLAY=:79)" \
    "DISPLAY=garbage||cannot open the display (DISPLAY=garbage)" \
    "WAYLAND_DISPLAY=nowhere||cannot open the display (WAYLAND_DISPLAY=nowhere)" \
    "QT_QPA_PLATFORM=nowhere||$plugin_missing" "DISPLAY=:79|-platform|$plugin_missing"; do
    IFS='|' read -r named option said <<<"$row"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$named" "$binary" ${option:+"$option" nowhere} \
        2>"$work/said" || status=$?
    [ "$status" -eq 1 ] && [[ "$(cat "$work/said")" =~ ^"$product_executable: "${said//[()]/.}$ ]] ||
        fail "$named $option: status $status, said: $(cat "$work/said")"
done

# 6. Under any umask the settings folder is the user's alone and the file
# too. A link the user made to keep the file, or its folder, elsewhere is
# followed; one of somebody else's is not written through.
rm -rf "$XDG_CONFIG_HOME"
(umask 000 && start_quietly_and_terminate "umask 000")
[ "$(stat -c %a "$XDG_CONFIG_HOME" "$(dirname "$settings")" "$settings" | tr '\n' ' ')" = "700 700 600 " ] ||
    fail "under umask 000: $(stat -c '%a %n' "$XDG_CONFIG_HOME" "$(dirname "$settings")" "$settings")"
folder=$(dirname "$settings")
for linked in file folder; do
    for owner in user other; do
        [ "$owner" = user ] || [ "$(id -u)" -eq 0 ] || continue
        rm -rf "$folder" "$work/dotfiles" && mkdir -p "$work/dotfiles"
        if [ "$linked" = file ]; then
            target=$work/dotfiles/velto.conf && link=$settings
            mkdir -p "$folder" && ln -s "$target" "$link"
        else
            target=$work/dotfiles/$(basename "$settings") && link=$folder
            ln -s "$work/dotfiles" "$link"
        fi
        [ "$owner" = user ] || chown -h nobody "$link"
        printf '[Settings]\nDuration=2001-01-01\n' > "$target"
        "$binary" & app=$!; pids+=("$app")
        answer_reminder "$linked link of the $owner" n
        kill -TERM "$app"; wait "$app" || fail "$linked link of the $owner: status $?"
        [ -L "$link" ] || fail "$linked link of the $owner: the link was replaced"
        expected=$([ "$owner" = user ] && echo "$today" || echo 2001-01-01)
        grep -q -x "Duration=$expected" "$target" || fail "$linked link of the $owner: the file holds $(cat "$target")"
    done
done
rm -rf "$folder" && store "$today"

# 7. Settings files and clocks of other programs and odd settings. A UTF-8
# byte-order mark: the date is read, the mark and every other line kept. A
# relative config or runtime folder is ignored, as the base-directory rules
# ask. Past the
# year 9999, and with no room to write a byte, the old date stays; nothing
# is killed and nothing is left behind.
printf '\xEF\xBB\xBF[Settings]\nDuration=2001-01-01\nSize=2\n\n; kept\n[Other]\nDuration=x\n' > "$settings"
"$binary" & app=$!; pids+=("$app")
answer_reminder "byte-order mark" n
kill -TERM "$app"; wait "$app" || fail "byte-order mark: status $?"
[ "$(cat -A "$settings")" = $'M-oM-;M-?[Settings]$\nDuration='"$today"$'$\nSize=2$\n$\n; kept$\n[Other]$\nDuration=x$' ] ||
    fail "byte-order mark, other lines: $(cat -A "$settings")"
mkdir -p "$work/started-here" "$work/home"
(cd "$work/started-here" &&
    HOME=$work/home XDG_CONFIG_HOME=relative XDG_RUNTIME_DIR=run start_quietly_and_terminate "relative folders")
[ -z "$(ls -A "$work/started-here")" ] && [ -f "$work/home/.config/$product_executable/$product_executable.conf" ] ||
    fail "a relative folder was used: $(find "$work/started-here" "$work/home")"
for limit in "the year 10000" "a file size limit of 0"; do
    store 2001-01-01
    if [ "$limit" = "the year 10000" ]; then
        FAKETIME=+2913000d FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$(echo /usr/lib/*/faketime/libfaketime.so.1) \
            "$binary" & app=$!
    else
        (ulimit -f 0 && exec "$binary") & app=$!
    fi
    pids+=("$app")
    answer_reminder "$limit" n
    kill -TERM "$app"; wait "$app" || fail "$limit: status $?"
    [ "$(cat "$settings")" = $'[Settings]\nDuration=2001-01-01' ] || fail "$limit: the settings hold $(cat "$settings")"
    [ "$(ls -A "$(dirname "$settings")")" = "$(basename "$settings")" ] || fail "$limit: left $(ls -A "$(dirname "$settings")")"
done
store "$today"

# 8. A nearly full disk: the settings file holds the old text or the new,
# whole, and Yes opens the page only when the new text landed. With one
# free page the new text fits; with none, the old one stays. A small tmpfs
# of its own needs root.
small=$work/small
if [ "$(id -u)" -eq 0 ] && mkdir -p "$small" && mount -t tmpfs -o size=16k tmpfs "$small"; then
    mounts+=("$small")
    for free in one-page none; do
        rm -rf "${small:?}"/* "$work/opened"
        mkdir -p "$small/$product_executable"
        printf '[Settings]\nDuration=2001-01-01\n' > "$small/$product_executable/$product_executable.conf"
        dd if=/dev/zero of="$small/filler" bs=4k 2>/dev/null || true
        [ "$free" = none ] || truncate -s -4096 "$small/filler"
        XDG_CONFIG_HOME=$small "$binary" & app=$!; pids+=("$app")
        answer_reminder "full disk, $free free" Return
        kill -TERM "$app"; wait "$app" || fail "full disk, $free free: status $?"
        held=$(cat -A "$small/$product_executable/$product_executable.conf")
        if [ "$free" = none ]; then
            [ "$held" = $'[Settings]$\nDuration=2001-01-01$' ] || fail "full disk: the settings now hold: $held"
            [ ! -e "$work/opened" ] || fail "full disk: a page opened though nothing was written"
        else
            [ "$held" = $'[Settings]$\nDuration='"$today"'$' ] || fail "one free page: the settings now hold: $held"
            poll 'grep -q page=download-web-page "$work/opened"' 5 || fail "one free page: the write landed, no page opened"
        fi
    done
    umount "$small" && mounts=()
else
    echo "hostile-environment: the nearly full disk needs root and a tmpfs: not tried"
fi

# 9. A scale that cannot give a usable window (none, a dot, off every
# screen) is set aside with one line: the window shows at its designed size.
# Xvfb's one screen is named "screen".
# Qt multiplies a screen's factor by the whole program's: their product counts.
for scale in QT_SCALE_FACTOR=0 QT_SCALE_FACTOR=-1 QT_SCALE_FACTOR=1e9 QT_SCALE_FACTOR=nan QT_FONT_DPI=10000 \
    QT_SCREEN_SCALE_FACTORS=0.01 "QT_SCREEN_SCALE_FACTORS=screen=1e3;x=1" \
    "QT_SCREEN_SCALE_FACTORS=0.6 QT_SCALE_FACTOR=0.6|362"; do
    IFS='|' read -r assignments designed <<<"$scale"
    # shellcheck disable=SC2086 # the assignments are words
    env $assignments "$binary" 2>"$work/said" & app=$!; pids+=("$app")
    wait_window "$main_title" || fail "$scale: no main window"
    read -r _ _ width _ < <(frame_geometry "$(window_ids "$main_title" | head -n 1)")
    [ "$width" -eq "${designed:-603}" ] || fail "$scale: the main window is $width pixels wide"
    kill -TERM "$app"; wait "$app" || fail "$scale: status $?"
    [ "$(grep -c -F "${scale%%=*}" "$work/said")" -eq 1 ] || fail "$scale: said $(cat "$work/said")"
done

echo "hostile-environment: junk settings kept, reminders answered, unusable folders survived, SIGTERM ends with 0," \
    "closed and broken standard error, unreachable displays, umask 000 and links, odd settings and limits," \
    "a nearly full disk, unusable scales"
