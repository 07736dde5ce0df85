#!/usr/bin/env bash
# Makes a release of the commit checked out, into dist/: the source tarball,
# the Debian package and its debug symbols, the Windows installer and zip,
# TOOLS (the commit and the versions of the Debian packages that made them)
# and SHA256SUMS over all of them; given --sign and an OpenSSH key (its
# private half, or its public half with the private one in ssh-agent), also
# SHA256SUMS.sig. Any clean build of the same commit with those tools gives
# the same bytes; scripts/check-release.sh rebuilds a release and compares.
#
# Refuses a work tree with changes that are not committed. The Debian package
# is built the Debian way (dpkg-buildpackage, which runs the in-process tests
# on that very build unless DEB_BUILD_OPTIONS has nocheck) from the source
# tarball itself. The Windows packages are built afresh in
# build/windows-release (the Windows Qt comes from its cache,
# scripts/build-qt-windows.sh); given a preset instead, from what that has
# built, as CI does with the build it has tested.
# Usage: scripts/release.sh [--sign KEY] [windows-preset]
set -euo pipefail
cd "$(dirname "$0")/.."
say() { echo "release: $*"; }
usage() { echo "usage: $0 [--sign KEY] [windows-preset]" >&2; exit 2; }

key=
if [ "${1:-}" = --sign ]; then
    [ $# -ge 2 ] || usage
    key=$(realpath -e -- "$2" 2>/dev/null) || { say "no key at $2" >&2; exit 2; }
    shift 2
fi
[ $# -le 1 ] || usage
if [ -n "$(git status --porcelain)" ]; then
    say "the work tree has changes that are not committed; a release is made of a commit:" >&2
    git status --short >&2
    exit 1
fi
windows=${1:-windows-release}
if [ $# -eq 0 ]; then
    rm -rf build/windows-release
fi
scripts/install-deps.sh release
commit=$(git rev-parse HEAD)
package=$(dpkg-parsechangelog -S Source)-$(dpkg-parsechangelog -S Version)
logs=$PWD/build/release-logs
rm -rf dist "$logs" build/debian-release
mkdir -p dist "$logs" build/debian-release

# Quiet while it works; on failure, the lines of its output that tell of
# errors (the compiler's, a failed test's), its end, and where the rest is.
quietly() {
    local log=$logs/$1.log
    shift
    if ! "$@" >"$log" 2>&1; then
        grep -E -m 30 'error:|Error|FAILED|FAIL!|failed' "$log" >&2 || true
        echo "[...]" >&2
        tail -n 20 "$log" >&2
        say "failed: $*; the whole output is in $log" >&2
        exit 1
    fi
}

say "packing the source of commit $commit"
# The user's git settings could change line ends or modes in the tarball.
git -c core.autocrlf=false -c tar.umask=0022 archive --format=tar --prefix="$package/" "$commit" |
    gzip -9n >"dist/$package.tar.gz"

say "building the Debian package from that source${DEB_BUILD_OPTIONS:+ (DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS)}"
tar -xzf "dist/$package.tar.gz" -C build/debian-release
(cd "build/debian-release/$package" && quietly debian dpkg-buildpackage -us -uc -b -jauto)
cp build/debian-release/*.deb dist/

say "building the Windows packages ($windows)"
# Its own progress: the first run builds Qt for Windows (13 to 30 minutes).
scripts/build-qt-windows.sh
quietly windows scripts/build.sh "$windows"
rm -rf "build/$windows/packages"
(cd "build/$windows" && quietly cpack cpack -B "$PWD/packages")
cp "build/$windows"/packages/*.zip "build/$windows"/packages/*.exe dist/

# shellcheck source=src/product/product.env.in
source "build/$windows/product.env"
{
    echo "$product_name $product_version, commit $commit"
    echo "Made on Debian 12 by scripts/release.sh with these packages:"
    dpkg-query -W -f='${Package} ${Version}\n' \
        base-files binutils binutils-mingw-w64-x86-64 cmake debhelper dh-strip-nondeterminism dpkg dpkg-dev \
        dwz g++-12 g++-mingw-w64-x86-64-posix gcc-mingw-w64-base git gzip libc6-dev libfontconfig-dev \
        liblzma5 libqt6core6 libstdc++-12-dev mingw-w64-common mingw-w64-x86-64-dev ninja-build nsis python3 \
        qt6-base-dev qt6-base-dev-tools zip
    echo "The Windows Qt: qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev-tools), built by scripts/build-qt-windows.sh"
} >dist/TOOLS
# Listed in the same order whatever the user's locale.
(cd dist && export LC_ALL=C && sha256sum -- * >SHA256SUMS)
if [ -n "$key" ]; then
    say "signing SHA256SUMS with $key"
    ssh-keygen -q -Y sign -f "$key" -n file dist/SHA256SUMS
fi
say "made in dist/:"
cat dist/SHA256SUMS
