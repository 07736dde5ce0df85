#!/usr/bin/env bash
# Checks a release by making it again. First, before anything is built:
# SHA256SUMS.sig, if there is one, must be an OpenSSH signature over
# SHA256SUMS by a key in packaging/release-signers; SHA256SUMS must name
# exactly the files a release of that commit has, each by a plain file name;
# every file in the folder must be a regular file that SHA256SUMS names and
# that matches it, and every file it names must be there (unless --only names
# the few to compare); and TOOLS must name a commit of this clone that is
# tagged or on its main branch, or the one checked out here. Then that commit
# is cloned into a fresh folder on a tmpfs (another path, another order of
# listing files), and scripts/release.sh makes it there under umask 002 and
# another time zone, without running the tests (they change no byte). Passes
# when it lists the very same sums; otherwise shows what differs
# (diffoscope) and fails.
#
# Usage: scripts/check-release.sh [options] <folder holding a release>
#   --only FILE          compare only the files named so (repeatable); TOOLS
#                        and SHA256SUMS are always needed
#   --require-signature  refuse a release without SHA256SUMS.sig
#   --signers FILE       the allowed signers (default packaging/release-signers)
# VELTO_CHECK_FOLDER: where to make it again (default /dev/shm)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "check-release: $*"; }
refuse() {
    echo "check-release: $*" >&2
    exit 1
}
usage() {
    echo "usage: $0 [--only FILE]... [--require-signature] [--signers FILE] <folder holding a release>" >&2
    exit 2
}

only=()
require_signature=0
signers=$root/packaging/release-signers
while [ $# -gt 1 ]; do
    case $1 in
        --only) only+=("$2"); shift 2 ;;
        --require-signature) require_signature=1; shift ;;
        --signers) signers=$2; shift 2 ;;
        *) usage ;;
    esac
done
[ $# -eq 1 ] && [ -d "$1" ] || usage
release=$(cd "$1" && pwd -P)

# Opens nothing in the folder but regular files: a FIFO or a device would
# hang or feed the check for ever, and a link could lead anywhere.
regular() { [ -f "$release/$1" ] && [ ! -L "$release/$1" ]; }
# What a release can name: a plain file name in the folder itself.
plain() { [[ $1 =~ ^[A-Za-z0-9_+~][A-Za-z0-9._+~-]*$ && $1 != *..* ]]; }
small() { [ "$(stat -c %s "$release/$1")" -le 65536 ] || refuse "$release/$1 is too large to be a release's"; }
for f in SHA256SUMS TOOLS; do
    regular "$f" || refuse "$release/$f is missing or not a regular file"
    small "$f"
done

if regular SHA256SUMS.sig; then
    small SHA256SUMS.sig
    principals=$(ssh-keygen -Y find-principals -f "$signers" -s "$release/SHA256SUMS.sig" 2>/dev/null) ||
        refuse "SHA256SUMS.sig is not made by a key in $signers"
    signer=
    while read -r principal; do
        if ssh-keygen -Y verify -f "$signers" -I "$principal" -n file -s "$release/SHA256SUMS.sig" \
            <"$release/SHA256SUMS" >/dev/null 2>&1; then
            signer=$principal
            break
        fi
    done <<<"$principals"
    [ -n "$signer" ] || refuse "SHA256SUMS.sig is not a signature over this SHA256SUMS"
    say "SHA256SUMS is signed by $signer, a release signer"
elif [ -e "$release/SHA256SUMS.sig" ] || [ -L "$release/SHA256SUMS.sig" ]; then
    refuse "$release/SHA256SUMS.sig is not a regular file"
elif [ $require_signature = 1 ]; then
    refuse "the release is not signed (no SHA256SUMS.sig), and --require-signature asks for a signature"
else
    say "the release is not signed (no SHA256SUMS.sig): it is checked by its bytes alone"
fi

commit=$(sed -n '1s/.*, commit \([0-9a-f]\{40\}\)$/\1/p' "$release/TOOLS")
[ -n "$commit" ] || refuse "$release/TOOLS names no commit"
git -C "$root" cat-file -e "$commit^{commit}" 2>/dev/null ||
    refuse "TOOLS names commit $commit, which this clone does not have (git fetch, then check again)"
# Only code this clone already trusts may run: the commit's release.sh makes it.
tags=$(git -C "$root" tag --points-at "$commit" | paste -sd ' ')
if [ -n "$tags" ]; then
    provenance="tagged $tags"
elif git -C "$root" merge-base --is-ancestor "$commit" refs/heads/main 2>/dev/null; then
    provenance="on the history of main"
elif [ "$commit" = "$(git -C "$root" rev-parse HEAD)" ]; then
    provenance="the commit checked out here"
else
    refuse "TOOLS names commit $commit, which is neither tagged nor on the history of main here"
fi
say "TOOLS names commit $commit, $provenance"

# The files every release of that commit has.
changelog=$(git -C "$root" show "$commit:debian/changelog" 2>/dev/null | head -n 1)
[[ $changelog =~ ^([a-z0-9.+-]+)\ \(([^\)]+)\) ]] || refuse "commit $commit has no debian/changelog to name its files"
name=${BASH_REMATCH[1]} version=${BASH_REMATCH[2]}
expected=(TOOLS "$name-$version.tar.gz" "${name}_${version}_amd64.deb" "$name-dbgsym_${version}_amd64.deb"
          "$name-$version-win64-setup.exe" "$name-$version-win64.zip")

declare -A listed=()
while IFS= read -r line; do
    [[ $line =~ ^([0-9a-f]{64})\ \ (.*)$ ]] || refuse "SHA256SUMS has a line that is not a sum and a file name: ${line@Q}"
    sum=${BASH_REMATCH[1]} file=${BASH_REMATCH[2]}
    plain "$file" || refuse "SHA256SUMS names ${file@Q}, which is not a plain file name"
    [ -z "${listed[$file]:-}" ] || refuse "SHA256SUMS names $file twice"
    listed[$file]=$sum
done <"$release/SHA256SUMS"
for file in "${expected[@]}"; do
    [ -n "${listed[$file]:-}" ] || refuse "SHA256SUMS does not name $file, which every release of $version has"
done
for file in "${!listed[@]}"; do
    [[ " ${expected[*]} " = *" $file "* ]] || refuse "SHA256SUMS names $file, which a release of $version does not have"
done

mapfile -d '' present < <(find "$release" -mindepth 1 -maxdepth 1 ! -name SHA256SUMS ! -name SHA256SUMS.sig -printf '%f\0')
for file in "${present[@]}"; do
    plain "$file" && [ -n "${listed[$file]:-}" ] || refuse "${file@Q} lies in $release, but SHA256SUMS does not name it"
    regular "$file" || refuse "$release/$file is not a regular file"
done
for file in "${only[@]}"; do
    [ -n "${listed[$file]:-}" ] || refuse "--only $file: SHA256SUMS does not name it"
    regular "$file" || refuse "--only $file: it is not in $release"
done
missing=()
for file in "${expected[@]}"; do
    regular "$file" || missing+=("$file")
done
if [ ${#missing[@]} -gt 0 ] && [ ${#only[@]} -eq 0 ]; then
    refuse "missing from $release: ${missing[*]} (to compare only some files, name them with --only)"
fi
mismatched=()
for file in "${present[@]}"; do
    sum=$(sha256sum <"$release/$file")
    [ "${sum%% *}" = "${listed[$file]}" ] || mismatched+=("$file")
done
[ ${#mismatched[@]} -eq 0 ] || refuse "these files do not match their sums in SHA256SUMS: ${mismatched[*]}"
mapfile -t present < <(printf '%s\n' "${present[@]}" | LC_ALL=C sort)
say "the files here match SHA256SUMS: ${present[*]}"

folder=${VELTO_CHECK_FOLDER:-/dev/shm}
[ -w "$folder" ] || folder=${TMPDIR:-/tmp}
work=$(mktemp -d "$folder/velto-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone -q --no-checkout "$root" "$work/source"
git -C "$work/source" checkout -q "$commit"
say "making commit $commit again in $work (about 15 minutes; its steps follow)"
# UTC-13:45 is a POSIX zone: it needs no tzdata to be 13 h 45 min east.
(cd "$work/source" && umask 002 && TZ=UTC-13:45 DEB_BUILD_OPTIONS=nocheck scripts/release.sh) ||
    refuse "making it again failed"

if cmp -s "$release/SHA256SUMS" "$work/source/dist/SHA256SUMS"; then
    say "the same bytes again: ${present[*]}"
    [ ${#missing[@]} -eq 0 ] ||
        say "not in $release, so compared by their sums only: ${missing[*]}"
    exit 0
fi
say "making it again gives other sums:" >&2
diff "$release/SHA256SUMS" "$work/source/dist/SHA256SUMS" >&2 || true
for file in "${present[@]}"; do
    if ! cmp -s "$release/$file" "$work/source/dist/$file"; then
        say "$file differs:"
        diffoscope --text - "$release/$file" "$work/source/dist/$file" | head -n 300 || true
    fi
done
exit 1
