#!/usr/bin/env bash
# The release scripts when something is wrong. scripts/release.sh shows the
# cause of a failed build. scripts/check-release.sh refuses each folder that
# is not a whole, signed release of a commit this clone trusts, promptly
# (before it builds anything) and with its reason; then it passes the genuine
# release, rebuilt, and says who signed it. Each refused folder is a copy of
# the genuine one changed in one way.
# Usage: scripts.sh <release folder signed by key> <allowed signers> <key>
set -euo pipefail
release=$(cd "$1" && pwd)
signers=$(realpath "$2")
key=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case=$work/case
failures=0

# Copies the release to $case, leaving out the files named.
fresh() {
    rm -rf "$case"
    cp -a "$release" "$case"
    for f in "$@"; do rm "$case/$f"; done
}
# Lists these sums in $case's SHA256SUMS, signed again: a forger's own list.
sums() {
    (cd "$case" && LC_ALL=C sha256sum -- "$@" >SHA256SUMS)
    resign
}
resign() {
    rm -f "$case/SHA256SUMS.sig"
    ssh-keygen -q -Y sign -f "$key" -n file "$case/SHA256SUMS"
}
# $1: the case; $2: the reason check-release must give; the rest: its options.
refused() {
    local name=$1 reason=$2 status=0
    shift 2
    timeout 60 "${checker:-$root/scripts/check-release.sh}" --signers "$signers" "$@" "$case" >"$work/out" 2>&1 ||
        status=$?
    if [ $status -ne 1 ] || ! grep -qF -- "$reason" "$work/out" || grep -q "making commit" "$work/out"; then
        echo "FAIL: $name: status $status, not 1 with \"$reason\" before building:"
        cat "$work/out"
        failures=$((failures + 1))
    fi
}

cd "$release"
# shellcheck disable=SC2035
files=(*)
payload=() others=()
for f in "${files[@]}"; do
    [[ $f = *_amd64.deb && $f != *-dbgsym_* ]] && deb=$f
    [[ $f = *.zip ]] && zip=$f
    [[ $f = SHA256SUMS* ]] || payload+=("$f")
done
for f in "${payload[@]}"; do
    [ "$f" = "$deb" ] || others+=("$f")
done

fresh && echo x >>"$case/$deb" && sums "${others[@]}"
refused "a tampered .deb left out of the sums" "SHA256SUMS does not name $deb"
fresh && sums TOOLS
refused "sums of TOOLS alone, the rest in the folder" "SHA256SUMS does not name"
rm -rf "$case" && mkdir "$case" && cp "$release/TOOLS" "$case" && sums TOOLS
refused "TOOLS and sums of it alone" "SHA256SUMS does not name"
for name in /etc/hostname /dev/zero ../TOOLS -n; do
    fresh && sha256sum /etc/hostname | sed "s|/etc/hostname|$name|" >>"$case/SHA256SUMS" && resign
    refused "the sums name $name" "SHA256SUMS names ${name@Q}, which is not a plain file name"
done
fresh && sed -i '/ TOOLS$/p' "$case/SHA256SUMS" && resign
refused "a file named twice" "SHA256SUMS names TOOLS twice"
fresh && echo extra >"$case/notes.txt"
refused "a file no sum names" "'notes.txt' lies in"
fresh && rm "$case/$zip" && mkfifo "$case/$zip"
refused "a FIFO for the zip" "$case/$zip is not a regular file"
fresh && rm "$case/$zip" && ln -s "$release/$zip" "$case/$zip"
refused "a link for the zip" "$case/$zip is not a regular file"
fresh && rm "$case/TOOLS" && mkfifo "$case/TOOLS"
refused "a FIFO for TOOLS" "TOOLS is missing or not a regular file"
fresh && echo x >>"$case/$deb"
refused "a tampered .deb" "do not match their sums in SHA256SUMS: $deb"
fresh "$zip"
refused "a missing zip" "missing from $case: $zip"
fresh "$zip"
refused "--only a file not named" "--only velto.deb: SHA256SUMS does not name it" --only velto.deb

git clone -q "$root" "$work/clone"
# A compiler error in a commit: release.sh says what it is.
git -C "$work/clone" checkout -q -b broken
echo "int broken_on_purpose = ;" >>"$work/clone/src/engine/Reading.cpp"
git -C "$work/clone" -c user.name=test -c user.email=test@velto.invalid commit -q -am "Break the build"
status=0
"$work/clone/scripts/release.sh" >"$work/out" 2>&1 || status=$?
if [ $status -eq 0 ] || ! grep -q "Reading.cpp:.* error: " "$work/out"; then
    echo "FAIL: a broken build: status $status, without the compiler's error:"
    cat "$work/out"
    failures=$((failures + 1))
fi
git -C "$work/clone" checkout -q main

# The commit: one this clone has only off main, untagged, run from a clone
# whose HEAD is not it either; and one this clone does not have.
side=$(git -C "$work/clone" commit-tree -p HEAD -m "Off main" "HEAD^{tree}")
fresh && sed -i "1s/[0-9a-f]\{40\}$/$side/" "$case/TOOLS" && sums "${payload[@]}"
checker=$work/clone/scripts/check-release.sh refused "a commit off main" "neither tagged nor on the history of main"
fresh && sed -i "1s/[0-9a-f]\{40\}$/$(printf '%040d' 0)/" "$case/TOOLS" && sums "${payload[@]}"
refused "a commit this clone lacks" "which this clone does not have"

fresh SHA256SUMS.sig
refused "no signature where one is required" "the release is not signed" --require-signature
ssh-keygen -q -t ed25519 -N '' -C stranger -f "$work/stranger"
fresh && rm "$case/SHA256SUMS.sig" && ssh-keygen -q -Y sign -f "$work/stranger" -n file "$case/SHA256SUMS"
refused "a signature by a stranger" "is not made by a key in"
fresh && echo >>"$case/SHA256SUMS"
refused "a signature over other sums" "is not a signature over this SHA256SUMS"
fresh && rm "$case/SHA256SUMS.sig" && mkfifo "$case/SHA256SUMS.sig"
refused "a FIFO for the signature" "SHA256SUMS.sig is not a regular file"

[ $failures -eq 0 ] || { echo "release scripts: $failures cases failed" >&2; exit 1; }
echo "release scripts: a broken build shown, every changed folder refused before building"

# The genuine release, made again.
"$root/scripts/check-release.sh" --require-signature --signers "$signers" "$release" | tee "$work/out"
principal=$(cut -d ' ' -f 1 "$signers")
grep -q "SHA256SUMS is signed by $principal" "$work/out" || { echo "FAIL: not said who signed" >&2; exit 1; }
