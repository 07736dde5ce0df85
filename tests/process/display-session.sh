# Sourced by the process tests and scripts/screenshots.sh: the product's
# facts (VELTO_PRODUCT_ENV), private settings and runtime folders, a private
# display of the kind VELTO_DISPLAY names (xvfb, the default; openbox; weston
# natively or xwayland, both inside Xvfb; headless weston, screenshots only;
# see docs/desktop-backends.md) with the screen VELTO_SCREEN (1024x768x24),
# and helpers for windows, keys and screenshots. HOST_DISPLAY is the X server
# xdotool types into; QT_QPA_PLATFORM is set for native Wayland only.
# shellcheck shell=bash
set -euo pipefail

# shellcheck source=src/product/product.env.in
source "${VELTO_PRODUCT_ENV:?must name the build folder product.env}"
# For the scripts that source this one: the titles, and the settings file.
# shellcheck disable=SC2034
main_title=$product_title message_title=$product_name
display_kind=${VELTO_DISPLAY:-xvfb}
screen=${VELTO_SCREEN:-1024x768x24}
screen_size=${screen%x*}
session_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
# shellcheck disable=SC2034
settings=$XDG_CONFIG_HOME/$product_executable/$product_executable.conf
# Wayland and Xwayland refuse a runtime folder that others can read.
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8
unset WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM

pids=()
server_pids=()
# Mounts to undo and paths outside $work to remove at the end.
mounts=()
made=()
cleanup() {
    # Only in the session's own shell: a child forked for "prog &" and
    # signalled before it runs prog still holds this trap, and would end the
    # session's servers under the tests still running.
    [ "$BASHPID" = "$$" ] || return 0
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for m in "${mounts[@]}"; do umount "$m" 2>/dev/null || true; done
    for m in "${made[@]}"; do rm -rf "$m"; done
    # Newest first: weston busy-loops for ever once its X server has gone.
    for ((i = ${#server_pids[@]} - 1; i >= 0; i--)); do
        kill "${server_pids[i]}" 2>/dev/null || true
        # A server still shutting down when the next test starts one on the
        # same display number can remove the new server's socket.
        wait "${server_pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $2 seconds until the command $1 succeeds, polling every 20 ms.
poll() {
    local until=$((SECONDS + $2))
    while ! eval "$1" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.02
    done
}

# Runs the command "${@:3}", then polls up to $2 seconds for the condition
# $1; three times in all, should it not come: a loaded machine can lose a key
# or a close request, and a user would press again.
retry() {
    local condition=$1 seconds=$2
    shift 2
    for _ in 1 2 3; do
        "$@" || true
        poll "$condition" "$seconds" && return 0
    done
    return 1
}

start_xvfb() {
    # -displayfd picks a free display number and tells it once the server
    # is up; without -noreset about one start in fifteen fails.
    local fd number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "$screen" -noreset -nolisten tcp >/dev/null 2>&1 &
    server_pids+=($!)
    read -r -t 10 -u "$fd" number || fail "Xvfb did not start"
    exec {fd}<&-
    export DISPLAY=:$number HOST_DISPLAY=:$number
}

start_weston() {
    local backend=$1
    shift
    cat > "$work/weston.ini" <<INI
[core]
idle-time=0
$([ "$display_kind" = xwayland ] && echo xwayland=true)
[shell]
panel-position=none
background-color=0xff404040
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
INI
    # --debug lets the helpers read the scene graph and take screenshots.
    weston --backend="$backend" --config="$work/weston.ini" --socket=velto-wl --debug \
        --log="$work/weston.log" "$@" >/dev/null 2>&1 &
    server_pids+=($!)
    export WAYLAND_DISPLAY=velto-wl
    poll '[ -S "$XDG_RUNTIME_DIR/velto-wl" ] && weston-debug -l >/dev/null' 10 || fail "weston did not start"
}

case $display_kind in
    xvfb | openbox)
        # The program chooses its platform as it does on a user's desktop.
        start_xvfb
        if [ "$display_kind" = openbox ]; then
            openbox --sm-disable >/dev/null 2>&1 &
            server_pids+=($!)
            poll 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' 10 || fail "openbox did not start"
        fi
        ;;
    weston | xwayland)
        start_xvfb
        start_weston x11-backend.so --use-pixman --width="${screen_size%x*}" --height="${screen_size#*x}"
        poll 'xdotool search --onlyvisible --class weston' 10 || fail "weston's window never mapped"
        weston_window=$(xdotool search --onlyvisible --class weston | head -n 1)
        # Keys typed into weston's window go to the client it has focused.
        timeout 5 xdotool windowfocus --sync "$weston_window" 2>/dev/null || true
        if [ "$display_kind" = weston ]; then
            export QT_QPA_PLATFORM=wayland
        else
            # weston starts Xwayland on the first X client; the socket exists now.
            poll 'grep -q "xserver listening on display" "$work/weston.log"' 10 || fail "no Xwayland display"
            DISPLAY=$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*')
            export DISPLAY
        fi
        ;;
    headless)
        start_weston headless-backend.so --use-pixman --width="${screen_size%x*}" --height="${screen_size#*x}"
        export QT_QPA_PLATFORM=wayland HOST_DISPLAY=
        ;;
    *) fail "VELTO_DISPLAY=$display_kind: use xvfb, openbox, weston, xwayland or headless" ;;
esac

wayland_client() { [ "${QT_QPA_PLATFORM:-}" = wayland ]; }

# Qt 6.4's Wayland plugin leaves its connection, keymaps and last clipboard
# offer to the process's end (libwayland-client, libxkbcommon), which a
# sanitizer build reports as leaks of the program. The X runs keep the
# check for the program's own code.
if wayland_client; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
fi

# Puts a stand-in browser first in PATH that writes each address it is given
# to $work/opened, one per line, and what the program handed on to it (open
# files, ignored signals) to $work/browser.
stand_in_browser() {
    mkdir -p "$work/bin"
    cat > "$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >> "$work/opened"
{ ls -l /proc/\$\$/fd; grep SigIgn /proc/\$\$/status; } > "$work/browser" 2>&1
STUB
    chmod +x "$work/bin/xdg-open"
    export PATH=$work/bin:$PATH
}

# Windows titled exactly $1: X window ids, or under native Wayland the
# surface ids of weston's scene graph (xdotool cannot see Wayland windows).
window_ids() {
    if wayland_client; then
        weston-debug scene-graph 2>/dev/null |
            sed -n "s/.*role xdg_toplevel, PID [0-9]*, surface ID \([0-9]*\), top-level window '$1'.*/\1/p"
    else
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
    fi
}

count_windows() { window_ids "$1" | wc -l; }

# Waits up to $2 seconds (default 20) until a window titled $1 is mapped.
wait_window() { poll "[ \$(count_windows '$1') -gt 0 ]" "${2:-20}"; }

# Prints "x y width height" of the whole window, frame included: the window
# manager's frame under X, the surface (Qt draws its own frame) under Wayland.
frame_geometry() {
    if wayland_client; then
        weston-debug scene-graph 2>/dev/null | awk -v id="$1" '
            /View [0-9]+ \(role/ { mine = index($0, "surface ID " id ",") > 0 }
            mine && /position:/ { gsub(/[(),>-]/, " "); print $2, $3, $4 - $2, $5 - $3; exit }'
    else
        "$session_tools/window-state.py" "$1"
    fi
}

# Gives a window the keyboard focus, which nothing else does without a window
# manager; --sync waits for ever if the focus is there already: bounded. Weston
# gives the keyboard to the newest window; a click on the title bar is only a
# try (xdotool's pointer did not reach it in our runs).
focus() {
    case $display_kind in
        xvfb) timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || true ;;
        openbox | xwayland) timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || true ;;
        weston)
            local x y w
            read -r x y w _ < <(frame_geometry "$1")
            DISPLAY=$HOST_DISPLAY xdotool mousemove $((x + w / 2)) $((y + 8)) click 1 ;;
    esac
}

send_keys() { DISPLAY=$HOST_DISPLAY xdotool key --delay 30 "$@"; }
type_text() { DISPLAY=$HOST_DISPLAY xdotool type --delay 30 "$1"; }

screenshot() {
    if [ "$display_kind" = headless ]; then
        local shots=$work/shots
        mkdir -p "$shots" && rm -f "$shots"/*.png
        (cd "$shots" && weston-screenshooter) || return 1
        mv "$shots"/*.png "$1"
    else
        DISPLAY=$HOST_DISPLAY import -window root "$1"
    fi
}
