#!/usr/bin/env bash
# Installs into a staging folder and validates the desktop entry and the
# AppStream metadata; builds the Debian package, checks its dependencies,
# unpacks it and starts the packaged program in a private X server.
# Usage: package.sh <build folder>
build=$(cd "$1" && pwd)
source "$(dirname "$0")/display-session.sh"
id=$product_desktop_id

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
for f in usr/bin/$product_executable usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg; do
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

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null 2>&1) || fail "cpack"
deb=$(ls "$work"/package/"$product_executable"_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-dejavu-core; do
    grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
listing=$(dpkg-deb -c "$deb")
grep -q "./usr/share/applications/$id.desktop" <<<"$listing" || fail "package lacks the desktop entry"

dpkg -x "$deb" "$work/root"
"$work/root/usr/bin/$product_executable" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "the packaged program did not start"
# A dock matches the window to its launcher by its class.
class=$(sed -n 's/^StartupWMClass=//p' "$stage/usr/share/applications/$id.desktop")
xprop -id "$(window_ids "$main_title" | head -n 1)" WM_CLASS | grep -q "\"$class\"" ||
    fail "the window's WM_CLASS is not the launcher's StartupWMClass ($class)"
kill -TERM "$app"; wait "$app" || fail "the packaged program ended with status $?"
echo "package: installed tree valid, $(basename "$deb") depends on: $depends; it starts"
