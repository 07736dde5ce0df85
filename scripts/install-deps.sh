#!/usr/bin/env bash
# Installs the Debian 12 packages that one purpose needs: "run" (build and
# run the program), "test" (the Linux tests, benchmarks, fuzzing, packaging
# checks, screenshots; the default), "windows" (cross-building the Windows
# program and testing it under Wine; scripts/build-qt-windows.sh asks for
# it) or "release" (the Debian package and the comparison and signature of
# releases; scripts/release.sh asks for it, and for "windows" through the
# build).
# Safe to run again: only missing packages are installed.
# Usage: scripts/install-deps.sh [run|test|windows|release]
set -euo pipefail

purpose=${1:-test}
cd "$(dirname "$0")/.."
# What builds the program and its tests is debian/control's Build-Depends, the
# one list of them: each entry's first name; debhelper-compat is debhelper's.
# Only the tests and the release need debhelper and what is marked <!nocheck>.
[[ $purpose = test || $purpose = release ]] && debian=1 || debian=0
mapfile -t build_depends < <(awk -v debian="$debian" '
    /^[^ \t]/ { field = sub(/^Build-Depends:/, "") }
    field { list = list $0 }
    END {
        n = split(list, entries, ",")
        for (i = 1; i <= n; i++) {
            if (!match(entries[i], /[a-z0-9][a-z0-9.+-]*/)) continue
            name = substr(entries[i], RSTART, RLENGTH)
            if (!debian && (name == "debhelper-compat" || entries[i] ~ /<!nocheck>/)) continue
            print name == "debhelper-compat" ? "debhelper" : name
        }
    }' debian/control)
packages=(
    # the compiler, which Build-Depends leaves to build-essential
    g++
    "${build_depends[@]}"
    # DejaVu Sans stands in for Verdana where it is missing; the Wayland
    # plugin for desktops without an X server
    fonts-dejavu-core qt6-wayland
)
case $purpose in
    run) ;;
    test)
        packages+=(
            # benchmarks and fuzzing; the formatter and the shell linter the
            # code is held to
            libbenchmark-dev clang libclang-rt-14-dev clang-format shellcheck
            # the release, and the checks of its packages
            dpkg-dev file desktop-file-utils appstream lintian diffoscope-minimal openssh-client
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
            # the Debian package, what tells two releases apart, and the
            # signature over their sums
            dpkg-dev file diffoscope-minimal openssh-client
        )
        ;;
    *) echo "install-deps: usage: $0 [run|test|windows|release]" >&2; exit 2 ;;
esac

mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
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
