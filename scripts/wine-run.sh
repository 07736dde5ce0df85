#!/usr/bin/env bash
# Runs one Windows program under wine64; the windows preset makes it CTest's
# emulator, so `ctest --preset windows` runs the Windows tests unchanged.
# Usage: scripts/wine-run.sh program.exe [arguments...]
#
# Every run gets a Wine prefix of its own, hard-linked from a template that
# is made once (about 15 s) with Wine's fonts copied in, and ends with that
# prefix's wineserver. Qt reads no QT_* variable through Wine, so each is
# handed on as WINEQT_*, which Wine turns back into QT_*.
#
# VELTO_WINE_DISPLAY: auto (default: a private Xvfb unless Qt runs on the
#   offscreen or minimal platform), xvfb, or none
# VELTO_WINE_TEMPLATE: where the template prefix lives
# VELTO_WINE_RUNS: where each run's prefix goes (default: beside the
#   template, as hard links cannot cross file systems and /tmp is often a
#   tmpfs)
# VELTO_WINDOWS_CACHE: the cache scripts/build-qt-windows.sh filled
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 program.exe [arguments...]" >&2
    exit 2
fi
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
cache=${VELTO_WINDOWS_CACHE:-$(cat "$(dirname "$0")/../cmake/windows-qt-cache.txt")}
template=${VELTO_WINE_TEMPLATE:-${XDG_CACHE_HOME:-$HOME/.cache}/velto-arithmancy/wine-prefix-$(id -u)}
say() { echo "wine-run: $*" >&2; }

if [ ! -x "$wine" ]; then
    say "$wine is missing: run scripts/build-qt-windows.sh"
    exit 2
fi

mkdir -p "$(dirname "$template")"
run=$(mktemp -d "${VELTO_WINE_RUNS:-$(dirname "$template")}/velto-wine.XXXXXX")
xvfb_pid=
# shellcheck disable=SC2317 # called by the traps
cleanup() {
    WINEPREFIX="$run/prefix" "$wineserver" -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# The template, made once under a lock so that parallel tests wait for it;
# made again when what goes into it changes.
recipe="wine $("$wine" --version) fonts: wine, dejavu; registry unshared; unmanaged"
exec 9>"$template.lock"
flock 9
if [ ! -f "$template/.velto-ready" ] || [ "$(cat "$template/.velto-ready")" != "$recipe" ]; then
    rm -rf "$template" "$template.new"
    mkdir -p "$template.new"
    # Neither Mono nor Gecko: the programs need no .NET and no HTML.
    env -u DISPLAY WINEPREFIX="$template.new" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        "$wine" wineboot --init >"$template.new/.boot.log" 2>&1 || true
    WINEPREFIX="$template.new" "$wineserver" -w
    if [ ! -f "$template.new/system.reg" ]; then
        say "could not make a Wine prefix (see $template.new/.boot.log)"
        exit 2
    fi
    # No window manager runs on the private display: a window Wine leaves to
    # one waits 2 s for it at every hide and destroy (4 s a test function).
    WINEPREFIX="$template.new" WINEDEBUG=-all \
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$template.new/.boot.log" 2>&1
    WINEPREFIX="$template.new" "$wineserver" -w
    # Without Wine's fonts in the prefix Qt falls back to a serif face.
    cp /usr/share/wine/fonts/* "$template.new/drive_c/windows/Fonts/"
    # Wine has no Verdana, and without it Qt picks Courier. The program sets
    # its controls in DejaVu Sans where Verdana is missing, as on Linux.
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$template.new/drive_c/windows/Fonts/"
    # The user's folders link into the real home: make them private.
    for link in "$template.new"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
    echo "$recipe" >"$template.new/.velto-ready"
    mv "$template.new" "$template"
fi
# Wine's programs, libraries, tables and fonts are hard links into the
# template, as nothing writes into them; every other file is a copy of its
# own, since Wine rewrites the registry files in place.
cp -al "$template" "$run/prefix"
find "$run/prefix" -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' \
    -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.ax' -o -iname '*.tlb' \
    -o -iname '*.ds' -o -iname '*.nls' -o -iname '*.msstyles' -o -iname '*.ttf' -o -iname '*.fon' \) \
    -exec sh -c 'for f; do cp -p "$f" "$f.own" && mv -f "$f.own" "$f"; done' sh {} +
flock -u 9
exec 9>&-

export WINEPREFIX="$run/prefix"

display_mode=${VELTO_WINE_DISPLAY:-auto}
if [ "$display_mode" = auto ]; then
    case "${QT_QPA_PLATFORM:-}" in
        offscreen* | minimal*) display_mode=none ;;
        *) display_mode=xvfb ;;
    esac
fi
if [ "$display_mode" = xvfb ]; then
    # Xvfb picks a free display number and writes it once it is ready. Room
    # for the largest window at 200 %, as on a screen that calls for it.
    Xvfb -displayfd 8 -screen 0 2560x1600x24 -nolisten tcp 8>"$run/display" 2>"$run/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$run/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    if [ ! -s "$run/display" ]; then
        say "Xvfb did not start: $(cat "$run/xvfb.log")"
        exit 2
    fi
    DISPLAY=":$(head -n1 "$run/display")"
    export DISPLAY
else
    unset DISPLAY
fi
unset WAYLAND_DISPLAY

# Qt's own DLLs, the platform plugin beside them, and the mingw runtime.
windows_path() { echo "Z:${1//\//\\}"; }
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
WINEPATH="$(windows_path "$cache/qt/bin");$(windows_path "$gcc_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR='C:\windows\Fonts'
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -oE '^QT_[A-Za-z0-9_]+=' || true)
# Only a missing DLL's name: everything else Wine says is noise here.
export WINEDEBUG=${WINEDEBUG:--all,err+module}
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine's services inherit the standard handles and outlive the program, so
# that a pipe given to them would never close: the output goes to files.
# In the background, so that a TERM from CTest's timeout is handled at once.
"$wine" "$@" >"$run/stdout" 2>"$run/stderr" </dev/null &
status=0
wait $! || status=$?
cat "$run/stdout"
cat "$run/stderr" >&2
if [ "$status" -eq 53 ]; then
    say "exit code 53: Wine could not load the program or one of its DLLs"
fi
exit "$status"
