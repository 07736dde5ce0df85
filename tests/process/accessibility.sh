#!/usr/bin/env bash
# Runs accessibility.py against the real program: private X server, private
# session bus with the accessibility bus on, a stand-in browser.
# Usage: accessibility.sh <velto-arithmancy binary>
if [ -z "${VELTO_IN_SESSION:-}" ]; then
    VELTO_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
binary=$1
session_bus=$DBUS_SESSION_BUS_ADDRESS
# shellcheck source=tests/process/display-session.sh
source "$(dirname "$0")/display-session.sh"
export DBUS_SESSION_BUS_ADDRESS=$session_bus

stand_in_browser

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "main window never mapped"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$app" "$work/opened" "$main_title" || fail "accessibility checks"
poll "! kill -0 $app" 5 || fail "Exit pressed over AT-SPI did not end the program"
wait "$app" || fail "ended with status $?"
