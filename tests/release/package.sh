#!/usr/bin/env bash
# Checks the Debian packages of a release as users get them: what lintian
# says (pedantic); the program hardened as Debian's flags make it (stack
# protector, fortified calls, BIND_NOW, full RELRO) with its debug symbols in
# the -dbgsym package; dependencies and modes; the installed desktop entry,
# icons and metainfo valid; the packaged program answers --help and
# --version without a display and starts in a private X server.
# Usage: VELTO_PRODUCT_ENV=<build>/product.env package.sh <release folder>
release=$(cd "$1" && pwd)
# shellcheck source=tests/process/display-session.sh
source "$(dirname "$0")/../process/display-session.sh"
id=$product_desktop_id
deb=$release/${product_executable}_${product_version}_amd64.deb
dbgsym=$release/${product_executable}-dbgsym_${product_version}_amd64.deb
[ -f "$deb" ] && [ -f "$dbgsym" ] || fail "no $deb and $dbgsym"

lint=$(lintian --pedantic -I --fail-on error,warning "$deb" "$dbgsym" 2>&1) ||
    fail "lintian finds errors or warnings: $lint"
! grep 'hardening-no-' <<<"$lint" || fail "lintian finds the program less hardened than Debian's flags make it"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-dejavu-core; do
    grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
! dpkg-deb -c "$deb" | grep -v '^drwxr-xr-x \|^-rw-r--r-- \|^-rwxr-xr-x ' || fail "modes other than 0755 and 0644"

root=$work/root
dpkg -x "$deb" "$root"
dpkg -x "$dbgsym" "$root"
program=$root/usr/bin/$product_executable
readelf -d "$program" | grep -q 'FLAGS.*\bNOW\b' || fail "the program is not linked with BIND_NOW"
readelf -lW "$program" | grep -q GNU_RELRO || fail "the program has no RELRO segment"
symbols=$(nm -D "$program")
grep -q ' U __stack_chk_fail' <<<"$symbols" || fail "the program has no stack protector"
grep -q ' U __[a-z_]*_chk@' <<<"$symbols" || fail "the program calls no fortified function"
build_id=$(readelf -n "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\)/\1/p')
debug=$root/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug
[ -f "$debug" ] || fail "the -dbgsym package has no debug symbols for build ID $build_id"
readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info' || fail "$debug holds no debug information"

for f in usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/$product_executable.1.gz \
    usr/share/doc/$product_executable/copyright usr/share/doc/$product_executable/changelog.gz; do
    [ -f "$root/$f" ] || fail "not in the package: $f"
done
for size in 16 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    file "$png" | grep -q "$size x $size" || fail "${size}px icon has another size"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
appstreamcli validate-tree --no-net "$root/usr" >/dev/null || fail "installed tree"

[ "$(env -u DISPLAY "$program" --version)" = "$product_executable $product_version" ] || fail "--version"
env -u DISPLAY "$program" --help | grep -q "^Usage: .*$product_executable \[options\]" || fail "--help"
"$program" & app=$!; pids+=("$app")
wait_window "$main_title" || fail "the packaged program did not start"
# A dock matches the window to its launcher by its class.
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
xprop -id "$(window_ids "$main_title" | head -n 1)" WM_CLASS | grep -q "\"$class\"" ||
    fail "the window's WM_CLASS is not the launcher's StartupWMClass ($class)"
kill -TERM "$app"; wait "$app" || fail "the packaged program ended with status $?"
echo "package: $(basename "$deb") hardened, with its debug symbols, lintian-clean, depends on: $depends; it starts"
