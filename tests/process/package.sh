#!/usr/bin/env bash
# Installs into a staging folder and validates the desktop entry and the
# AppStream metadata; builds the Debian package under umask 002, checks its
# dependencies, its modes and what lintian says, unpacks it, asks the packaged
# program for its usage and version without a display and starts it in a
# private X server.
# Usage: package.sh <build folder>
build=$(cd "$1" && pwd)
# shellcheck source=tests/process/display-session.sh
source "$(dirname "$0")/display-session.sh"
id=$product_desktop_id

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
for f in usr/bin/$product_executable usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/$product_executable.1.gz \
    usr/share/doc/$product_executable/copyright usr/share/doc/$product_executable/changelog.gz; do
    [ -f "$stage/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
    png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    file "$png" | grep -q "$size x $size" || fail "${size}px icon has another size"
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
appstreamcli validate-tree --no-net "$stage/usr" >/dev/null || fail "installed tree"

(cd "$work" && umask 002 && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null 2>&1) ||
    fail "cpack"
deb=$(ls "$work"/package/"$product_executable"_*.deb)
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' && fail "lintian has more to say"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-dejavu-core; do
    grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
listing=$(dpkg-deb -c "$deb")
grep -q "./usr/share/applications/$id.desktop" <<<"$listing" || fail "package lacks the desktop entry"
! grep -v '^drwxr-xr-x \|^-rw-r--r-- \|^-rwxr-xr-x ' <<<"$listing" || fail "modes other than 0755 and 0644"

dpkg -x "$deb" "$work/root"
program=$work/root/usr/bin/$product_executable
[ "$(env -u DISPLAY "$program" --version)" = "$product_executable $product_version" ] || fail "--version"
env -u DISPLAY "$program" --help | grep -q "^Usage: .*$product_executable \[options\]" || fail "--help"
"$program" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "the packaged program did not start"
# A dock matches the window to its launcher by its class.
class=$(sed -n 's/^StartupWMClass=//p' "$stage/usr/share/applications/$id.desktop")
xprop -id "$(window_ids "$main_title" | head -n 1)" WM_CLASS | grep -q "\"$class\"" ||
    fail "the window's WM_CLASS is not the launcher's StartupWMClass ($class)"
kill -TERM "$app"; wait "$app" || fail "the packaged program ended with status $?"
echo "package: installed tree valid, $(basename "$deb") depends on: $depends; it starts"
