#!/usr/bin/env bash
# Makes a release of the commit checked out, into dist/: the source tarball,
# the Debian package, the Windows installer and zip, TOOLS (the commit and the
# versions of the Debian packages that made them) and SHA256SUMS over all of
# them. Any clean build of the same commit with those tools gives the same
# bytes; scripts/check-release.sh rebuilds a release and compares.
#
# Refuses a work tree with changes that are not committed. Builds afresh in
# build/release and build/windows-release (the Windows Qt comes from its
# cache, scripts/build-qt-windows.sh); given two presets instead, it packs
# what those have built, as CI does with the builds it has tested.
# Usage: scripts/release.sh [linux-preset windows-preset]
set -euo pipefail
cd "$(dirname "$0")/.."
say() { echo "release: $*"; }

if [ -n "$(git status --porcelain)" ]; then
    say "the work tree has changes that are not committed; a release is made of a commit:" >&2
    git status --short >&2
    exit 1
fi
linux=${1:-release}
windows=${2:-windows-release}
if [ $# -eq 0 ]; then
    rm -rf build/release build/windows-release
fi
scripts/install-deps.sh release
commit=$(git rev-parse HEAD)
rm -rf dist
mkdir dist

say "building the Debian package ($linux)"
cmake --preset "$linux" >/dev/null
cmake --build --preset "$linux" >/dev/null
# shellcheck source=src/product/product.env.in
source "build/$linux/product.env"
name=$product_executable-$product_version
rm -rf "build/$linux/packages"
(cd "build/$linux" && cpack -G DEB -B "$PWD/packages" >/dev/null)
cp "build/$linux"/packages/*.deb dist/

say "building the Windows packages ($windows)"
scripts/build.sh "$windows" >/dev/null
rm -rf "build/$windows/packages"
(cd "build/$windows" && cpack -B "$PWD/packages" >/dev/null)
cp "build/$windows"/packages/*.zip "build/$windows"/packages/*.exe dist/

say "packing the source"
# The user's git settings could change line ends or modes in the tarball.
git -c core.autocrlf=false -c tar.umask=0022 archive --format=tar --prefix="$name/" "$commit" |
    gzip -9n >"dist/$name.tar.gz"

{
    echo "$product_name $product_version, commit $commit"
    echo "Made on Debian 12 by scripts/release.sh with these packages:"
    dpkg-query -W -f='${Package} ${Version}\n' \
        base-files binutils binutils-mingw-w64-x86-64 cmake dpkg-dev g++-12 g++-mingw-w64-x86-64-posix \
        gcc-mingw-w64-base git gzip libc6-dev libfontconfig-dev libqt6core6 libstdc++-12-dev \
        mingw-w64-common mingw-w64-x86-64-dev ninja-build nsis python3 qt6-base-dev qt6-base-dev-tools zip
    echo "The Windows Qt: qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev-tools), built by scripts/build-qt-windows.sh"
} >dist/TOOLS
(cd dist && sha256sum -- * >SHA256SUMS)
say "made in dist/:"
cat dist/SHA256SUMS
