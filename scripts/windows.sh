#!/usr/bin/env bash
# Builds Ranktally for Windows with MinGW-w64, runs the core's and the window's tests under Wine,
# makes the portable zip and the installer, installs, starts and uninstalls that installer
# silently under Wine, and opens it where the user reads German.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/readiness.sh

scripts/ensure-packages.sh windows

# Wine in a prefix of its own, which the build runs its catalogue compiler in too, on an X server
# with a window manager: without one, Wine waits for every window it hides to be withdrawn.
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
# The screen is as big as one that is used at 200 %, which the windows are tested at: the window
# manager keeps a window within the screen.
start_xvfb 3840x2160x24
start_openbox
wineboot --init >/dev/null 2>&1

build=build/windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

exe="$build/win32/ranktally.exe"
echo "== ranktally.exe: $(stat -c %s "$exe") bytes, importing only Windows' own DLLs"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
echo "$imports" | tr '\n' ' '
echo
own="kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll advapi32.dll shell32.dll"
for dll in $imports; do
    [[ " $own " == *" $dll "* ]] || [[ $dll == api-ms-win-* ]] ||
        { echo "ranktally.exe needs a DLL that Windows does not bring: $dll" >&2; exit 1; }
done

echo "== tests under Wine"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

echo "== the installer, silently"
installer=$(ls "$build"/ranktally-*-setup.exe)
wine "$installer" /S
installed=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Ranktally)
for file in ranktally.exe LICENSE.txt README.txt uninstall.exe; do
    [ -s "$installed/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Ranktally.lnk')
[ -n "$shortcut" ] || { echo "no Start-menu shortcut" >&2; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ranktally'
wine reg query "$key" /v DisplayName | grep -q Ranktally || { echo "not in Apps & Features" >&2; exit 1; }
for value in DisplayVersion Publisher EstimatedSize; do
    wine reg query "$key" /v "$value" | grep -q "$value" ||
        { echo "the Apps & Features entry has no $value" >&2; exit 1; }
done

wine "$installed/ranktally.exe" &
timeout 120 xdotool search --sync --onlyvisible --name '^Ranktally$' >/dev/null ||
    { echo "the installed program showed no window" >&2; exit 1; }
echo "the installed program shows its window"
wineserver -k
wineserver -w

wine "$installed/uninstall.exe" /S
# The uninstaller copies itself away and finishes in the background.
wait_until 120 "the uninstaller (it has not removed $installed)" test ! -e "$installed" || true
[ ! -e "$installed" ] || { echo "left behind: $(ls -A "$installed")" >&2; exit 1; }
[ ! -e "$shortcut" ] || { echo "left behind: the Start-menu shortcut" >&2; exit 1; }
! wine reg query "$key" >/dev/null 2>&1 || { echo "left behind: the Apps & Features entry" >&2; exit 1; }
echo "installed, started and uninstalled; nothing left behind"

echo "== the installer, where the user reads German"
# Wine makes LC_ALL the user's display language, whether or not the machine has that locale. The
# first page is to show MUI's own German title and button, and the welcome text of po/de.po. The
# reader runs under the same locale: Wine keeps one regional format in a prefix, which a process
# started under another locale rewrites.
german=de_DE.UTF-8
LC_ALL=$german timeout 300 wine "$installer" &
setup=$!
shown=$(LC_ALL=$german wine "$build/tests/win32/read_window_text.exe" --close \
    "Installation von Ranktally") ||
    { echo "the installer showed no German page; $shown" >&2; exit 1; }
welcome=$(sed -n 's/^German\tkInstallerWelcome\t//p' "$build/installer_texts.txt")
for text in 'Willkommen zur Installation\nvon Ranktally' '&Weiter >' "$welcome"; do
    grep -qxF -- "$text" <<<"$shown" || {
        printf 'the German installer does not show "%s"; it shows:\n%s\n' "$text" "$shown" >&2
        exit 1
    }
done
status=0
wait "$setup" || status=$?
# NSIS ends with 1 when the user cancels.
[ "$status" -eq 1 ] || { echo "the installer, closed on its first page, ended with $status" >&2; exit 1; }
[ ! -e "$installed" ] || { echo "the installer, closed on its first page, installed" >&2; exit 1; }
echo "the installer speaks German, and closes on its first page"

echo "== the portable zip"
unzip -l "$build"/ranktally-*-windows-x64.zip | grep -E 'ranktally.exe|LICENSE.txt|README.txt'
