#!/usr/bin/env bash
# Installs the Debian packages that the named tasks need and the machine lacks; says nothing and
# costs well under a second when all of them are there. Usage: ensure-packages.sh TASK...
set -euo pipefail

declare -A needs=(
    # Qt and fonts for the window, Qt's own texts in the shipped languages, rsvg-convert to
    # render the icon, gettext with AppStream's rules to translate the menu entry and the metadata.
    [build]="cmake g++ make qt6-base-dev qt6-translations-l10n librsvg2-bin fonts-dejavu-core gettext appstream"
    [test]="libgtest-dev"
    [fuzz]="clang-14 libclang-rt-14-dev"
    # dpkg-shlibdeps and file for CPack; the validators; an X server to see the window.
    [package]="dpkg-dev file lintian desktop-file-utils appstream xvfb xauth x11-utils"
    # The MinGW-w64 cross compiler, Wine to run what it builds, NSIS for the installer, GoogleTest's
    # sources, the icon's renderer and packers, and an X server for the windows.
    [windows]="cmake make g++-mingw-w64-x86-64-posix wine wine64 nsis googletest librsvg2-bin icoutils netpbm zip xvfb xauth x11-utils xdotool openbox unzip fonts-dejavu-core"
    # A Wayland compositor, an X11 window manager and the accessibility bus with a client.
    [desktop]="qt6-wayland weston openbox xvfb xauth x11-utils xdotool dbus-daemon at-spi2-core python3-pyatspi"
    # Debian's emscripten, node to run what it builds, the icon's renderer, and terser to shorten
    # the page's script.
    [web]="cmake make emscripten nodejs librsvg2-bin googletest terser"
    # A release is built from a clean clone.
    [release]="git"
    # What tells two builds of a release apart, when they differ.
    [release-diff]="diffoscope-minimal"
    # The browsers the page is tested in, npm for the test tools, and Orca on the accessibility
    # bus with an X server and a window manager, to hear the page as a screen reader's user does.
    [web-test]="chromium firefox-esr npm fonts-dejavu-core orca at-spi2-core dbus-daemon xvfb xauth x11-utils xdotool openbox"
)
# Packages whose command may come from elsewhere (node's own packages bring npm): present when
# the command is.
declare -A commands=([nodejs]=node [npm]=npm)
packages=()
for task in "$@"; do
    [ -n "${needs[$task]:-}" ] || { echo "ensure-packages.sh: unknown task $task" >&2; exit 2; }
    read -ra task_packages <<<"${needs[$task]}"
    packages+=("${task_packages[@]}")
done

missing=()
for package in "${packages[@]}"; do
    if [ -n "${commands[$package]:-}" ] && command -v "${commands[$package]}" >/dev/null; then
        continue
    fi
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Missing packages (${missing[*]}), and neither root nor sudo to install them." >&2
    exit 1
fi
# Another package manager (unattended upgrades, just after boot) may hold apt's locks; apt-get
# install could wait for them, but apt-get update fails at once, so both are tried again until the
# locks are free or RANKTALLY_APT_LOCK_TIMEOUT seconds have passed.
lock_timeout=${RANKTALLY_APT_LOCK_TIMEOUT:-600}
apt() {
    local output deadline=$((SECONDS + lock_timeout)) told=no
    output=$(mktemp)
    until "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@" >"$output" 2>&1; do
        if ! grep -qE 'Could not get lock|Unable to acquire the dpkg frontend lock' "$output"; then
            cat "$output" >&2
            rm -f "$output"
            return 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "ensure-packages.sh: another package manager still holds apt's lock after" \
                "$lock_timeout s; run this again once it has finished." >&2
            rm -f "$output"
            return 1
        fi
        if [ "$told" = no ]; then
            echo "Waiting up to $lock_timeout s for another package manager to release apt's lock"
            told=yes
        fi
        sleep 1
    done
    rm -f "$output"
}
echo "Installing ${missing[*]}"
apt update -qq
apt install -y -qq --no-install-recommends "${missing[@]}"
