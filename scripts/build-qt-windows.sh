#!/usr/bin/env bash
# Builds, once, what the Windows program is cross-built against: Qt from
# Debian's own qt6-base source package and GoogleTest from Debian's sources,
# both for mingw-w64, into a cache outside the clone. Installs the Debian
# packages this needs (scripts/install-deps.sh windows). Each part is rebuilt
# only when its source version, compiler or options change; otherwise this is
# a no-op. Usage: scripts/build-qt-windows.sh
#
# VELTO_WINDOWS_CACHE: the cache folder (default: cmake/windows-qt-cache.txt)
# VELTO_BUILD_JOBS: parallel compile jobs (default Ninja's own, as for the
#   program's build: two more than the cores)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${VELTO_WINDOWS_CACHE:-$(cat "$root/cmake/windows-qt-cache.txt")}
jobs=(${VELTO_BUILD_JOBS:+-j "$VELTO_BUILD_JOBS"})
export VELTO_WINDOWS_CACHE=$cache
toolchain=$root/cmake/mingw-w64.cmake
say() { echo "build-qt-windows: $*"; }

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    sudo=(false)
fi

"$root/scripts/install-deps.sh" windows

# The cached Qt must match Debian's host tools exactly: moc and rcc of
# another version write code that the libraries do not accept.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
compiler="g++-mingw-w64-x86-64-posix $(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)"

qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_pkg_config=OFF
    # FEATURE_opengl=OFF alone still leaves OpenGL loaded at run time.
    -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    # Debian's tarball leaves out wintab.h.
    -DFEATURE_tabletevent=OFF
    # Without it the Windows platform plugin does not link.
    -DFEATURE_direct2d=ON
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF
    # Two machines make the same libraries: no build folder in them (the
    # link times come from the source package's date, below).
    "-DCMAKE_C_FLAGS=-ffile-prefix-map=$cache/work/qt=."
    "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$cache/work/qt=."
)
# Leave out what neither the program nor its tests use (direct2d1_1 is the
# Direct2D platform plugin): a fifth of the build, and smaller libraries in
# the installer. Should the program come to use one, its Windows build fails.
# inputdialog stays: the Vista style plugin includes its header.
for feature in direct2d1_1 jpeg gif ico style_fusion style_stylesheet graphicsview graphicseffect mdiarea dockwidget calendarwidget datetimeedit dial lcdnumber \
    fontcombobox fontdialog colordialog wizard undoview splashscreen keysequenceedit columnview toolbox \
    commandlinkbutton datawidgetmapper tablewidget treewidget errormessage progressdialog \
    textodfwriter textmarkdownreader textmarkdownwriter pdf movie undocommand undostack undogroup \
    syntaxhighlighter systemtrayicon mimetype process sharedmemory systemsemaphore jalalicalendar \
    islamiccivilcalendar hijricalendar transposeproxymodel concatenatetablesproxymodel; do
    qt_options+=("-DFEATURE_$feature=OFF")
done
gtest_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_GMOCK=ON
    -DBUILD_SHARED_LIBS=OFF
)
qt_stamp=$(printf '%s\n' "qt6-base $qt_version" "$compiler" "SOURCE_DATE_EPOCH from the source's changelog" "${qt_options[@]}")
gtest_stamp=$(printf '%s\n' "googletest $gtest_version" "$compiler" "${gtest_options[@]}")

# Only root may write under /var/cache; make the folder once, for this user.
if ! mkdir -p "$cache" 2>/dev/null; then
    "${sudo[@]}" mkdir -p "$cache"
    "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"
fi
# Two clones on one machine share the cache: one builder at a time.
exec 9>"$cache/.lock"
flock 9

current() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

if current "$cache/googletest.stamp" "$gtest_stamp" && [ -f "$cache/googletest/lib/libgtest.a" ]; then
    say "GoogleTest $gtest_version is up to date in $cache/googletest"
else
    say "building GoogleTest $gtest_version for Windows"
    rm -rf "$cache/googletest" "$cache/googletest.stamp" "$cache/work/googletest"
    cmake -G Ninja -S /usr/src/googletest -B "$cache/work/googletest" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$cache/googletest" \
        "${gtest_options[@]}" >"$cache/googletest-configure.log"
    cmake --build "$cache/work/googletest" "${jobs[@]}"
    cmake --install "$cache/work/googletest" >/dev/null
    rm -rf "$cache/work/googletest"
    printf '%s\n' "$gtest_stamp" >"$cache/googletest.stamp"
fi

if current "$cache/qt.stamp" "$qt_stamp" && [ -f "$cache/qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    say "Qt $qt_version is up to date in $cache/qt"
    exit 0
fi

# apt-get source needs a deb-src entry; add one for the mirror that the
# machine already uses.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    mirror=$(grep -rhsoE '^URIs:[[:space:]]*[^[:space:]]+' /etc/apt/sources.list.d/*.sources | head -n1 | awk '{print $2}')
    if [ -z "$mirror" ]; then
        mirror=$(grep -hsoE '^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?[^[:space:]]+' /etc/apt/sources.list | head -n1 | awk '{print $NF}')
    fi
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    say "adding a deb-src entry for $mirror $codename to the machine's package sources" \
        "(/etc/apt/sources.list.d/velto-deb-src.sources) and running apt-get update, for Qt's source"
    printf '%s\n' "Types: deb-src" "URIs: ${mirror:-http://deb.debian.org/debian}" \
        "Suites: $codename $codename-updates" "Components: main" \
        "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        "${sudo[@]}" tee /etc/apt/sources.list.d/velto-deb-src.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
fi

start=$(date +%s)
rm -rf "$cache/qt" "$cache/qt.stamp"
# An interrupted build of the same source and options carries on where it
# stopped: it is half an hour's work.
if current "$cache/work/qt/stamp" "$qt_stamp" && [ -f "$cache/work/qt/build/build.ninja" ]; then
    say "resuming the build of Qt $qt_version for Windows"
else
    say "building Qt $qt_version for Windows (13 to 30 minutes on two cores)"
    rm -rf "$cache/work/qt"
    mkdir -p "$cache/work/qt"
    (cd "$cache/work/qt" && apt-get source -qq "qt6-base=$qt_version" >"$cache/qt-source.log" 2>&1) || {
        cat "$cache/qt-source.log" >&2
        exit 1
    }
    source_dir=$(find "$cache/work/qt" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    cmake -G Ninja -S "$source_dir" -B "$cache/work/qt/build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$cache/qt" \
        "${qt_options[@]}" >"$cache/qt-configure.log"
    printf '%s\n' "$qt_stamp" >"$cache/work/qt/stamp"
fi
# ld stamps each library with this time instead of the link's (so do rcc and
# strip), and the source's own date is the same on every machine.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$cache"/work/qt/qt6-base-*/debian/changelog -STimestamp)
export SOURCE_DATE_EPOCH
cmake --build "$cache/work/qt/build" "${jobs[@]}"
cmake --install "$cache/work/qt/build" >/dev/null
rm -rf "$cache/work"
printf '%s\n' "$qt_stamp" >"$cache/qt.stamp"
say "Qt built in $(( ($(date +%s) - start) / 60 )) min (this run); $(du -sh "$cache/qt" | cut -f1) installed in $cache/qt"
