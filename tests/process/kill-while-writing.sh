#!/usr/bin/env bash
# Kills a program that writes "Duration" in a loop with SIGKILL at random
# moments, and checks after every kill that the settings file still reads
# back as a valid date; the next write clears what a kill left. Then makes
# single writes fail under strace: a failed sync or read, and a read-back
# that fails, each counted as failed, the old file kept, and logged as what
# happened. Usage: kill-while-writing.sh <settings_writer> [kills]
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
# A kill before the rename leaves a temporary file, as this one; the next
# write clears it, and none of the user's own copies, however alike, in ten.
folder=$(dirname "$file")
rm -f "$folder"/*
touch "$file.unfinished-write-Xy12Ab"
copies=("$name.conf.backup" "$name.conf.before" "${name^^}.CONF.ABCDEF" "$name.conf.v1.bak" "$name.conf.2.orig"
        "$name.conf.unfinished-write-xy12ab.bak" "$name.CONF.unfinished-write-Xy12Ab")
for copy in "${copies[@]}"; do echo "the user's" >"$folder/$copy"; done
# Nor what has that very name but is no regular file of the user's.
ln -s "$file" "$file.unfinished-write-Link00"
mkdir "$file.unfinished-write-Dir000"
mkfifo "$file.unfinished-write-Fifo00"
copies+=("$name.conf.unfinished-write-Link00" "$name.conf.unfinished-write-Dir000" "$name.conf.unfinished-write-Fifo00")
if [ "$(id -u)" -eq 0 ]; then
    touch "$file.unfinished-write-Other0"
    chown nobody "$file.unfinished-write-Other0"
    copies+=("$name.conf.unfinished-write-Other0")
fi
"$writer" 10 || { echo "FAIL: a write after the kills failed" >&2; exit 1; }
[ "$(ls -A "$folder" | sort | tr '\n' ' ')" = "$(printf '%s\n' "$name.conf" "${copies[@]}" | sort | tr '\n' ' ')" ] ||
    { echo "FAIL: left: $(ls -A "$folder")" >&2; exit 1; }

export QT_LOGGING_RULES='velto.*=true'
# What strace makes fail | what is logged | whether the old file stays.
for fault in "-e inject=fdatasync:error=EIO|could not be synced: Input/output error|kept" \
    "-P $file -e inject=read:error=EIO|cannot be read: Input/output error|kept" \
    "-P $file -e inject=openat:error=EIO:when=2|written, but the store does not read back|new"; do
    IFS='|' read -r options said kept <<<"$fault"
    before=$(cat "$file")
    # shellcheck disable=SC2086 # the options are words
    if strace -f -o /dev/null $options "$writer" 1 2>"$work/said"; then
        echo "FAIL: $options: the write counted as done" >&2; exit 1
    fi
    grep -q "$said" "$work/said" || { echo "FAIL: $options: said $(cat "$work/said")" >&2; exit 1; }
    [ "$kept" = new ] || [ "$(cat "$file")" = "$before" ] || { echo "FAIL: $options: the file changed" >&2; exit 1; }
done
echo "kill-while-writing: $kills kills, settings file intact after each ($(cat "$file" | tr '\n' ' ')); failed writes"
