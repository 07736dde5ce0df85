#!/usr/bin/env bash
# Checks a release by making it again. The release's files must match its
# SHA256SUMS; then the commit that its TOOLS names is cloned from this
# repository into a fresh folder on a tmpfs (another path, another order of
# listing files), and scripts/release.sh makes it there under umask 002 and
# another time zone. Passes when that gives the same bytes, file for file;
# otherwise shows what differs (diffoscope) and fails.
# Usage: scripts/check-release.sh <folder holding a release>
#
# VELTO_CHECK_FOLDER: where to make it again (default /dev/shm)
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1/SHA256SUMS" ] || [ ! -f "$1/TOOLS" ]; then
    echo "usage: $0 <folder holding a release: SHA256SUMS, TOOLS and the files they name>" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
release=$(cd "$1" && pwd)
say() { echo "check-release: $*"; }

(cd "$release" && sha256sum --quiet --strict -c SHA256SUMS) || {
    say "the files in $release do not match its SHA256SUMS" >&2
    exit 1
}
commit=$(sed -n '1s/.*, commit \([0-9a-f]\{40\}\)$/\1/p' "$release/TOOLS")
[ -n "$commit" ] || { say "$release/TOOLS names no commit" >&2; exit 1; }

folder=${VELTO_CHECK_FOLDER:-/dev/shm}
[ -w "$folder" ] || folder=${TMPDIR:-/tmp}
work=$(mktemp -d "$folder/velto-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone -q --no-checkout "$root" "$work/source"
git -C "$work/source" checkout -q "$commit"
say "making commit $commit again in $work"
# UTC-13:45 is a POSIX zone: it needs no tzdata to be 13 h 45 min east.
(cd "$work/source" && umask 002 && TZ=UTC-13:45 scripts/release.sh >"$work/release.log" 2>&1) || {
    cat "$work/release.log" >&2
    say "making it again failed" >&2
    exit 1
}

if (cd "$work/source/dist" && sha256sum --quiet --strict -c "$release/SHA256SUMS"); then
    say "the same bytes again: $(wc -l <"$release/SHA256SUMS") files"
    exit 0
fi
while read -r _ file; do
    if ! cmp -s "$release/$file" "$work/source/dist/$file"; then
        say "$file differs:"
        diffoscope --text - "$release/$file" "$work/source/dist/$file" | head -n 300 || true
    fi
done <"$release/SHA256SUMS"
exit 1
