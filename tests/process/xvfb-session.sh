# Sourced by the process-level tests and the screenshots: the product's
# facts, a private X server, settings and runtime folders, and helpers to wait
# for windows. Needs Xvfb and xdotool, and VELTO_PRODUCT_ENV naming the
# build's product.env. VELTO_SCREEN sets the screen (default 1024x768x24).
set -euo pipefail

source "${VELTO_PRODUCT_ENV:?must name the build folder product.env}"
main_title=$product_title
message_title=$product_name

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
settings=$XDG_CONFIG_HOME/$product_executable/$product_executable.conf
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8
unset WAYLAND_DISPLAY

# -displayfd picks a free display number and tells it once the server is up.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 "${VELTO_SCREEN:-1024x768x24}" -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$fd" display_number
export DISPLAY=:$display_number

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    kill "$xvfb_pid" 2>/dev/null || true
    # A server still shutting down when the next test starts one on the same
    # display number can remove the new server's socket.
    wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Puts a stand-in browser first in PATH that writes each address it is given
# to $work/opened, one per line.
stand_in_browser() {
    mkdir -p "$work/bin"
    cat > "$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >> "$work/opened"
STUB
    chmod +x "$work/bin/xdg-open"
    export PATH=$work/bin:$PATH
}

# Number of mapped windows whose title matches exactly.
count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# Gives a window the keyboard focus (there is no window manager to do it).
# --sync waits for the change, which never comes if the focus is there
# already: bounded.
focus() { timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || true; }

# Waits up to $2 seconds (default 20) until a window titled $1 is mapped.
wait_window() {
    local limit=$(( ${2:-20} * 10 ))
    for ((i = 0; i < limit; i++)); do
        [ "$(count_windows "$1")" -gt 0 ] && return 0
        sleep 0.1
    done
    return 1
}
