#!/usr/bin/env bash
# Runs a test program as an ordinary user: as root, file permissions cannot
# make a settings file unwritable. Usage: unprivileged.sh <program> [args...]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
# The build folder may lie where that user cannot reach: run a copy.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$1" "$copy/"
chmod 755 "$copy" "$copy/$(basename "$1")"
program=$copy/$(basename "$1")
shift
setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env -- \
    env QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 HOME=/tmp "$program" "$@"
