#!/usr/bin/env bash
# Installs the Debian 12 packages that one purpose needs: "run" (build and
# run the program), "test" (the Linux tests, benchmarks, fuzzing, packaging
# checks, screenshots; the default), "windows" (cross-building the Windows
# program and testing it under Wine; scripts/build-qt-windows.sh asks for
# it) or "release" (the Debian package and the comparison of releases;
# scripts/release.sh asks for it, and for "windows" through the build).
# Safe to run again: only missing packages are installed.
# Usage: scripts/install-deps.sh [run|test|windows|release]
set -euo pipefail

purpose=${1:-test}
packages=(
    # build
    cmake ninja-build g++ pkg-config
    # user interface; DejaVu Sans stands in for Verdana where it is missing;
    # the Wayland plugin for desktops without an X server
    qt6-base-dev libfontconfig-dev fonts-dejavu-core qt6-wayland
)
case $purpose in
    run) ;;
    test)
        packages+=(
            # engine tests, benchmarks and fuzzing; the formatter and the shell
            # linter the code is held to
            libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format shellcheck
            # packaging and its checks
            dpkg-dev file desktop-file-utils appstream lintian
            # real-window runs, tests that drive them, and screenshots
            xvfb xauth xdotool x11-apps x11-utils imagemagick python3 python3-xlib
            # the same under a window manager, and under Wayland (weston, Xwayland)
            openbox weston xwayland wl-clipboard
            # the desktop's light and dark themes, as GTK desktops hand them to Qt
            qt6-gtk-platformtheme gnome-themes-extra
            # reading the windows from outside, as a screen reader does
            at-spi2-core python3-pyatspi dbus-daemon
            # a clock past the year 9999, and system calls made to fail
            faketime strace
        )
        ;;
    windows)
        packages+=(
            # the cross compiler (posix threads) and its resource compiler
            g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
            # Qt's build tools run on this machine: Debian's, at the source's version
            qt6-base-dev-tools
            # fetching and building Qt's and GoogleTest's sources
            dpkg-dev googletest
            # running the Windows programs: Wine, its fonts, and a private display
            wine64 fonts-wine xvfb xauth
            # the installer, and the zip made in sorted order
            nsis zip
        )
        ;;
    release)
        packages+=(
            # the Debian package, and what tells two releases apart
            dpkg-dev file diffoscope-minimal
        )
        ;;
    *) echo "install-deps: usage: $0 [run|test|windows|release]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages already installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
