#!/usr/bin/env bash
# The Windows installer, silent, in one Wine prefix: everything the program
# loads lands in Program Files with a Start menu entry and an entry in Apps &
# Features. Between installing and uninstalling, the installed program is
# driven as a user would (session.exe): it starts, refuses a second copy, shows
# About and, on Exit, the exit screen, and writes its date into the registry.
# While it runs, neither the uninstaller nor the installer touches it: both
# fail. The uninstaller then takes everything away and leaves the settings.
# Usage: installer.sh <wine-run.sh> <build folder> <session.exe>
#            <main window's client width> <height> (twips) [screenshot folder]
set -euo pipefail
wine_run=$1
build=$2
session=$(realpath "$3")
main_client="$4 $5"
shots=${6:+$(realpath "$6")}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# shellcheck source=src/product/product.env.in
. "$build/product.env"
fail() {
    echo "installer: $*" >&2
    cat "$scratch/out" >&2
    exit 1
}

(cd "$build" && cpack -G NSIS -B "$scratch/package" >"$scratch/cpack.log") || { cat "$scratch/cpack.log" >&2; exit 1; }
installer=$scratch/package/$product_executable-$product_version-win64-setup.exe
[ -f "$installer" ] || fail "no installer named $(basename "$installer")"
# The pages a user clicks through, which /S skips: no placeholder licence,
# the program's own pictures, and a finish page that can start the program.
nsi=$scratch/package/_CPack_Packages/win64/NSIS/project.nsi
! grep -q 'MUI_PAGE_LICENSE' "$nsi" || fail "the installer shows a licence page"
for bitmap in HEADERIMAGE_BITMAP WELCOMEFINISHPAGE_BITMAP; do
    grep -q "^!define MUI_$bitmap \".*/resources/images/installer-.*\.bmp\"" "$nsi" || fail "NSIS's own $bitmap on the pages"
done
grep -q "^!define MUI_FINISHPAGE_RUN \".*\\\\$product_executable\\.exe\"" "$nsi" || fail "no Run on the finish page"
# What is installed carries no debugging information: 20 MB of it in the program.
while read -r file; do
    ! x86_64-w64-mingw32-objdump -h "$file" | grep -q debug_info || fail "not stripped: $file"
done < <(find "$scratch/package/_CPack_Packages" -iname '*.exe' -o -iname '*.dll')
windows_path() { echo "Z:${1//\//\\}"; }
folder="C:\\Program Files\\$product_name"
programs='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_name"
elsewhere='C:\Apps\Velto B'
settings_key="HKCU\\Software\\$product_vendor\\$product_executable\\Settings"
# The uninstaller is called exactly as Apps & Features' QuietUninstallString
# gives it, as package managers call it: its status must be the uninstall's.
quiet="for /f \"tokens=2,*\" %%a in ('reg query \"$uninstall_key\" /v QuietUninstallString') do set quiet=%%b"
# Wine's cmd starts the installer, which asks for an administrator, through
# ShellExecuteEx, which once failed before it ran ("Internal error"; not seen
# again in 20 runs beside two busy loops): then, and only then, once more.
cat >"$scratch/steps.bat" <<BAT
@echo off
"$(windows_path "$installer")" /S
if not exist "$folder\\Uninstall.exe" (
    echo == not started
    "$(windows_path "$installer")" /S
)
echo == installed
dir /s /b /a-d "$folder"
dir /s /b /a-d "$programs"
reg query "$uninstall_key"
set session="$(windows_path "$session")" "$folder\\$product_executable.exe" "$product_title" "$product_name" $main_client "$([ -z "$shots" ] || windows_path "$shots")"
%session%
echo == session %errorlevel%
rem Again at 150 % and 200 %, as the display settings set them.
reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 144 /f >nul
%session%
echo == session at 150 %%: %errorlevel%
reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 192 /f >nul
%session%
echo == session at 200 %%: %errorlevel%
reg query "$settings_key" /v Duration
"$(windows_path "$session")" --running "$folder\\$product_executable.exe" "$product_title" "$(windows_path "$scratch/running.bat")"
reg add "$settings_key" /v Duration /d 2026-01-01 /f
$quiet
%quiet%
echo == uninstalled %errorlevel%
"$(windows_path "$session")" --gone "$folder" 30
echo == folder gone %errorlevel%
reg query "HKCU\\Software\\$product_vendor"
dir /s /b /a-d "$folder"
dir /s /b /a-d "$programs"
reg query "$uninstall_key"
reg query "$settings_key" /v Duration
reg query "HKLM\\Software\\$product_vendor" >nul 2>&1
echo == vendor key %errorlevel%
echo == elsewhere
"$(windows_path "$installer")" /S
"$(windows_path "$installer")" /S /D=$elsewhere
echo == moved %errorlevel%
"$(windows_path "$installer")" /S
echo == again %errorlevel%
dir /s /b /a-d "$folder" "$elsewhere"
dir /s /b /a-d "$programs"
reg query "$uninstall_key" /v InstallLocation
BAT
cat >"$scratch/running.bat" <<BAT
@echo off
echo == running
$quiet
%quiet%
echo == uninstall while running: %errorlevel%
dir /s /b /a-d "$folder"
dir /s /b /a-d "$programs"
reg query "$uninstall_key" /v UninstallString
"$(windows_path "$installer")" /S
echo == install while running: %errorlevel%
BAT
today=$(date +%F)
# The program in Wine's own windows, whatever platform the test run names.
QT_QPA_PLATFORM=windows "$wine_run" cmd /c "$(windows_path "$scratch/steps.bat")" 2>&1 | tr -d '\r' >"$scratch/out" || true
if grep -qx '== not started' "$scratch/out"; then
    grep -q 'ShellExecuteEx failed' "$scratch/out" || fail "the first install failed"
    echo "installer: Wine's cmd could not start the installer at first: started again"
fi
installed=$(sed -n '/^== installed/,/^== session/p' "$scratch/out")
started=$(sed -n '/^== session/,/^== running/p' "$scratch/out")
running=$(sed -n '/^== running/,/^== uninstalled/p' "$scratch/out")
uninstalled=$(sed -n '/^== uninstalled/,/^== elsewhere/p' "$scratch/out")
elsewhere_out=$(sed -n '/^== elsewhere/,$p' "$scratch/out")

# What the program loads, and the licences of the libraries among it.
files=("$product_executable.exe" Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll 'platforms\qwindows.dll'
    'styles\qwindowsvistastyle.dll' libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Uninstall.exe
    'licenses\THIRD-PARTY.txt' 'licenses\Qt.txt' 'licenses\gcc.txt' 'licenses\mingw-w64.txt'
    'licenses\GPL-3.txt' 'licenses\LGPL-3.txt')
for file in "${files[@]}"; do
    grep -qxF "$folder\\$file" <<<"$installed" || fail "not installed: $file"
done
[ "$(grep -c '^C:\\Program Files' <<<"$installed")" -eq ${#files[@]} ] || fail "more installed than listed"
grep -qxF "$programs\\$product_name\\$product_name.lnk" <<<"$installed" || fail "no Start menu entry"
grep -qxF "$programs\\$product_name\\Licences.lnk" <<<"$installed" || fail "no Start menu entry for the licences"
for licence in "$scratch/package/_CPack_Packages/win64/NSIS/$(basename "$installer" .exe)/licenses"/*; do
    [ "$(grep -c $'\r$' "$licence")" -eq "$(wc -l <"$licence")" ] || fail "not in CR LF: $(basename "$licence")"
done
grep -q '^ *UninstallString.*Uninstall.exe' <<<"$installed" || fail "no entry in Apps & Features"
# The entry's details, of the types Windows reads them as.
for flag in NoModify NoRepair; do
    grep -qE "^ +$flag +REG_DWORD +0x1\$" <<<"$installed" || fail "$flag is not the number 1"
done
grep -qxF "    QuietUninstallString    REG_SZ    \"$folder\\Uninstall.exe\" /S _?=$folder" <<<"$installed" ||
    fail "no QuietUninstallString"
grep -qxF "    InstallLocation    REG_SZ    $folder" <<<"$installed" || fail "no InstallLocation"
# In KB, as the files installed take on disk, the uninstaller among them.
estimated=$(( $(sed -nE 's/^ +EstimatedSize +REG_DWORD +(0x[0-9a-f]+)$/\1/p' <<<"$installed") ))
staged=$(find "$scratch/package/_CPack_Packages/win64/NSIS/$(basename "$installer" .exe)" -type f -printf '%s\n' |
    awk '{ bytes += $1 } END { print int(bytes / 1024) }')
if [ "$estimated" -lt "$staged" ] || [ "$estimated" -gt $((staged + 1024)) ]; then
    fail "EstimatedSize $estimated KB for $staged KB of files"
fi

for scale in '' ' at 150 %:' ' at 200 %:'; do
    grep -qx "== session$scale 0" <<<"$started" || fail "the installed program did not run as it should$scale"
done
grep -qE "Duration +REG_SZ +($today|$(date +%F))\$" <<<"$started" || fail "the program wrote no date into the registry"
if [ -n "$shots" ]; then
    for bitmap in "$shots"/*.bmp; do convert "$bitmap" "${bitmap%.bmp}.png" && rm "$bitmap"; done
fi

# Neither removed nor replaced while it runs: both fail, and say so.
for step in uninstall install; do
    grep -qxE "== $step while running: [1-9][0-9]*" <<<"$running" || fail "the ${step}er did not fail while the program ran"
done
[ "$(grep -c '^C:\\Program Files' <<<"$running")" -eq ${#files[@]} ] || fail "files went while the program ran"
grep -qxF "$programs\\$product_name\\$product_name.lnk" <<<"$running" || fail "the Start menu entry went while the program ran"
grep -q 'UninstallString.*Uninstall.exe' <<<"$running" || fail "the Apps & Features entry went while the program ran"

grep -qx '== uninstalled 0' <<<"$uninstalled" || fail "the quiet uninstall did not end with status 0"
grep -qx '== folder gone 0' <<<"$uninstalled" || fail "files left after uninstalling"
# One settings key, the program's own.
[ "$(grep -c "^HKEY_CURRENT_USER\\\\Software\\\\$product_vendor\\\\[^\\]*\$" <<<"$uninstalled")" -eq 1 ] ||
    fail "a second settings key: $(grep '^HKEY_CURRENT_USER' <<<"$uninstalled")"
grep -qF "$product_name" <<<"$(grep '^C:\\ProgramData' <<<"$uninstalled")" && fail "Start menu entry left"
grep -q ' UninstallString' <<<"$uninstalled" && fail "Apps & Features entry left"
grep -q 'Duration.*REG_SZ.*2026-01-01' <<<"$uninstalled" || fail "the user's settings went with the program"
grep -qx '== vendor key 1' <<<"$uninstalled" || fail "the vendor's key was left in HKLM"
# Installed into another folder, the copy the entry named goes first; the
# next install offers the folder of the copy there is.
grep -qx '== moved 0' <<<"$elsewhere_out" || fail "the install into another folder failed"
grep -qx '== again 0' <<<"$elsewhere_out" || fail "the install over the moved copy failed"
grep -qF "$folder\\" <<<"$elsewhere_out" && fail "a copy left in $folder"
[ "$(grep -cF "$elsewhere\\" <<<"$elsewhere_out")" -eq ${#files[@]} ] || fail "not all in $elsewhere"
grep -qxF "    InstallLocation    REG_SZ    $elsewhere" <<<"$elsewhere_out" || fail "the entry does not name $elsewhere"
grep -qxF "$programs\\$product_name\\$product_name.lnk" <<<"$elsewhere_out" || fail "no Start menu entry for $elsewhere"
echo "installer: installed 9 files and a Start menu entry, ran the program, refused to touch it while it ran, uninstalled them, kept the settings, moved to another folder whole"
