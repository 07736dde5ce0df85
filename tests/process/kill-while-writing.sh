#!/usr/bin/env bash
# Kills a program that writes "Duration" in a loop with SIGKILL at random
# moments, and checks after every kill that the settings file still reads
# back as a valid date. Usage: kill-while-writing.sh <settings_writer> [kills]
set -euo pipefail
writer=$1
kills=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
name=$(basename "$writer")
file=$XDG_CONFIG_HOME/$name/$name.conf
whole=$'^\\[Settings\\]\nDuration=[0-9]{4}-[0-9]{2}-[0-9]{2}$'

for ((k = 1; k <= kills; k++)); do
    "$writer" &
    pid=$!
    # From right after start to well into the writing.
    sleep "0.0$((RANDOM % 10))$((RANDOM % 10))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    [ -f "$file" ] || continue # killed before its first write
    [[ "$(cat "$file")" =~ $whole ]] || { echo "FAIL: kill $k left a corrupt settings file:" >&2; cat -A "$file" >&2; exit 1; }
done
echo "kill-while-writing: $kills kills, settings file intact after each ($(cat "$file" | tr '\n' ' '))"
