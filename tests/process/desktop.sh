#!/usr/bin/env bash
# The program's window behaviours on the display that VELTO_DISPLAY names
# (xvfb, openbox, xwayland or weston; see display-session.sh), as a user
# meets them from the keyboard. What a display cannot do by its design is
# skipped there, as docs/desktop-backends.md sets out: nothing places a
# window under weston, and only a window manager keeps a window on top.
# Usage: VELTO_DISPLAY=openbox desktop.sh <velto-arithmancy binary>
binary=$1
# shellcheck source=tests/process/display-session.sh
source "$(dirname "$0")/display-session.sh"
dialog_title='Select the source file'

placeable() { [ "$display_kind" = xvfb ] || [ "$display_kind" = openbox ]; }

# The frame's centre lies within a pixel of the screen's; $2 and $3 widen
# and heighten it.
centred() {
    local x y w h width=${screen_size%x*} height=${screen_size#*x}
    read -r x y w h < <(frame_geometry "$1")
    w=$((w + ${2:-0})) h=$((h + ${3:-0}))
    local dx=$((2 * x + w - width)) dy=$((2 * y + h - height))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || { echo "frame $x $y ${w}x$h is off centre" >&2; return 1; }
}
# The newest window titled $1 that is none of the rest.
newest() { window_ids "$1" | grep -v -x -F "$(printf '%s\n' "${@:2}" none)" | tail -n 1; }
gone() { poll "[ \$(count_windows '$1') -eq ${2:-0} ]" 5; }
# Under weston a closing window's keyboard comes back to the one below at
# once (the launcher turns the fade off), but the client still needs a
# moment to take it.
settle() { sleep "${1:-0.4}"; }
# Waits until the keyboard is back in window $1 after another closed: without
# a window manager it is given back here; weston's X window manager takes
# up to a second to give it back.
back_to() {
    case $display_kind in
        xvfb) focus "$1" ;;
        openbox | xwayland)
            poll "[ \"\$(xdotool getwindowfocus 2>/dev/null)\" = $1 ]" 5 || fail "the keyboard did not come back to $2" ;;
        weston) settle ;;
    esac
}

# Presses each group of keys in turn (a moment apart, for a menu to open)
# until the condition $1 holds. A window takes the keyboard a moment after
# it maps or after the one above it closed (under weston up to a second),
# and keys pressed before that go nowhere: three tries, each again after
# Escape, which closes a menu that a lost key left open.
press_keys() {
    local keys
    [ "$pressed" -eq 0 ] || send_keys Escape
    pressed=1
    for keys in "$@"; do
        [ "$keys" = "$1" ] || settle
        # shellcheck disable=SC2086
        send_keys $keys
    done
}
press_until() { pressed=0 && retry "$1" 3 press_keys "${@:2}"; }

stand_in_browser
# Bare X plays a window manager that frames a window only after it was
# shown, with a title bar and no borders: it states its frame's extents,
# then moves it.
[ "$display_kind" != xvfb ] || xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_FRAME_EXTENTS
"$binary" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "no main window"
main=$(window_ids "$main_title" | head -n 1)
# The window manager places a window a moment after it maps.
if placeable; then poll "centred $main" 5 || fail "main window not centred: $(frame_geometry "$main")"; fi
if [ "$display_kind" = xvfb ]; then
    xprop -id "$main" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS 0,0,30,6
    xdotool windowmove "$main" 0 0
    # With nothing to shift a window by its frame, the frame's place is the window's.
    poll "centred $main 0 36" 5 || fail "main window not centred in a frame given late: $(frame_geometry "$main")"
    xprop -id "$main" -remove _NET_FRAME_EXTENTS
fi
focus "$main"

# Under xwayland the program is given both displays and no platform: it is
# found above as an X window only if it chose X, as it should.

# An empty name: the message, and after Enter the focus is back in the name
# box, so typing and Alt+G compute at once.
answer_message() {
    [ "$display_kind" = xvfb ] && focus "$(window_ids "$message_title" | head -n 1)"
    send_keys Return
    gone "$message_title" || fail "Enter did not close the message"
    back_to "$main" "the main window after the message"
}
press_until "[ \$(count_windows '$message_title') -gt 0 ]" alt+g || fail "no message for an empty name"
answer_message
type_text 'ann'
send_keys alt+g
settle 0.6
[ "$(count_windows "$message_title")" -eq 0 ] || fail "the name typed after the message was lost"
# And the keys did reach the window: Back empties the name, and Alt+G
# refuses it again.
send_keys alt+b alt+g
wait_window "$message_title" 5 || fail "the keyboard did not come back to the main window"
answer_message

# About from the keyboard, centred, closed by Enter (Esc and the rest: tst_frmAbout).
press_until "[ -n \"\$(newest '$main_title' '$main')\" ]" alt+h a || fail "About did not open"
about=$(newest "$main_title" "$main")
if placeable; then poll "centred $about" 5 || fail "About not centred"; fi
[ "$display_kind" = xvfb ] && focus "$about"
send_keys Return
gone "$main_title" 1 || fail "Enter did not close About"
back_to "$main" "the main window after About"

# The import's file dialog by its access key, cancelled by Esc (the Tab route
# to its hidden button: tst_frmMain).
send_keys alt+o
wait_window "$dialog_title" 5 || fail "Alt+O did not open the file dialog"
press_until "[ \$(count_windows '$dialog_title') -eq 0 ]" Escape || fail "Esc did not cancel the file dialog"
back_to "$main" "the main window after the file dialog"

# The exit screen: shown, centred, on top of a program started after it,
# and above it the refusal of a second start.
press_until "[ -n \"\$(newest '$main_title' '$main')\" ] && ! window_ids '$main_title' | grep -q -x '$main'" alt+f x ||
    fail "no exit screen after Exit"
screen=$(window_ids "$main_title" | head -n 1)
if placeable; then poll "centred $screen" 5 || fail "exit screen not centred"; fi
if [ "$display_kind" = openbox ]; then
    xlogo & other=$!; pids+=("$other")
    poll "xdotool search --onlyvisible --class xlogo" 5 || fail "no other program's window"
    # Stacked once the window manager lists it.
    other_id=$(printf '0x%x' "$(xdotool search --onlyvisible --class xlogo | head -n 1)")
    poll "xprop -root _NET_CLIENT_LIST_STACKING | grep -q -w $other_id" 5 || fail "xlogo was never stacked"
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tail -n 1)
    [ $((top)) -eq "$screen" ] || fail "a window opened later covers the exit screen"
    kill "$other"
    poll "! xdotool search --onlyvisible --class xlogo" 5 || fail "xlogo did not go"
fi
"$binary" & second=$!; pids+=("$second")
wait_window "$message_title" 8 || fail "a second start showed no refusal"
box=$(window_ids "$message_title" | head -n 1)
# Whether the newest window is the refusal: it is stacked a moment after it maps.
refusal_on_top() {
    case $display_kind in
        openbox) [ $(($(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tail -n 1))) -eq "$box" ] ;;
        # The scene graph lists the views from the top.
        weston) weston-debug scene-graph 2>/dev/null | grep -o "top-level window '[^']*'" | head -n 1 |
                    grep -q -x -F "top-level window '$message_title'" ;;
    esac
}
poll refusal_on_top 5 || fail "the refusal lies under the exit screen"
[ "$display_kind" = xvfb ] && focus "$box"
# Weston leaves the keyboard with the exit screen, where Enter would press
# Exit, and does not hand it to another program's new window: there the
# refusal is ended as a session ends it. Elsewhere Enter answers it, pressed
# again should the box not have the keyboard yet.
if [ "$display_kind" = weston ]; then
    kill -TERM "$second"
else
    retry "! kill -0 $second" 2 send_keys Return || true
fi
poll "! kill -0 $second" 5 || true
kill -0 "$second" 2>/dev/null && fail "the second start did not end after its message"
wait "$second" || fail "the second start ended with $?"
back_to "$screen" "the exit screen after the second start's message"

# The focus is on Exit: Space ends the program, with status 0.
send_keys space
poll "! kill -0 $app" 5 || fail "Space did not press Exit"
wait "$app" || fail "the program ended with $?"
# Under Wayland the result boxes empty the clipboard too: another program's
# text is gone once a reading is shown. Last, in a program of its own:
# wl-copy takes the keyboard for a moment to set the clipboard, and where it
# goes back to is weston's affair. Keys typed meanwhile are lost, so the
# reading is asked for again, a different one each time (the same text
# again would be no change), until the clipboard is empty or the last name
# has been tried.
if [ "$display_kind" = weston ]; then
    QT_LOGGING_RULES='velto.platform.info=true' "$binary" 2>"$work/wayland.log" & app=$!; pids+=("$app")
    wait_window "$main_title" || fail "no main window for the clipboard"
    wl-copy 'secret'
    poll '[ "$(timeout 2 wl-paste --no-newline)" = secret ]' 5 || fail "wl-copy did not take the clipboard"
    for name in bob cy dee; do
        send_keys alt+b
        settle
        type_text "$name"
        send_keys alt+g
        poll '[ -z "$(timeout 2 wl-paste --no-newline)" ]' 3 && break
        [ "$name" != dee ] || fail "the clipboard still holds another program's text"
    done
    kill -TERM "$app"
    wait "$app" || fail "SIGTERM after the clipboard: status $?"
    # Qt 6.4 can hang closing a Wayland connection, whatever the plugin's name.
    grep -q "ending without closing the Wayland connection" "$work/wayland.log" ||
        fail "the program closed its Wayland connection"
fi
# A window larger than the screen (here at twice its size) opens with its
# top-left corner, and so its title bar, on the screen.
if placeable; then
    QT_SCALE_FACTOR=2 "$binary" & app=$!; pids+=("$app")
    wait_window "$main_title" || fail "no main window at twice the size"
    main=$(window_ids "$main_title" | head -n 1)
    poll '[ "$(frame_geometry "$main" | cut -d " " -f 1,2)" = "0 0" ]' 5 ||
        fail "at twice the size the frame lies at $(frame_geometry "$main")"
    kill -TERM "$app"
    wait "$app" || fail "SIGTERM at twice the size: status $?"
fi
echo "desktop ($display_kind): keyboard routes, messages, About, import, exit screen and second start hold," \
    "and a window larger than the screen opens with its title bar on it"
