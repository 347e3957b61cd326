#!/usr/bin/env bash
# Tries the window under real clients nobody here wrote, each on its own X server and session bus:
# the window tests under a Wayland compositor (weston), the program under an X11 window manager
# (openbox), what an AT-SPI client, as a screen reader, is told, in English and in German, and, with
# --orca, what Orca says of the form's link and the plan window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/readiness.sh
build=build/test

# One client, inside its own session bus: scripts/desktop-clients.sh --client NAME [LANGUAGE]
if [ "${1:-}" = --client ]; then
    # The next client's X server must not meet this one still going away.
    stop() {
        local status=$?
        kill $(jobs -p) 2>/dev/null || true
        for _ in $(seq 30); do
            [ -z "$(jobs -pr)" ] && break
            sleep 0.1
        done
        kill -9 $(jobs -pr) 2>/dev/null || true
        wait || true
        exit "$status"
    }
    trap stop EXIT
    start_xvfb
    log=$(mktemp)
    case $2 in
        wayland)
            export XDG_RUNTIME_DIR
            XDG_RUNTIME_DIR=$(mktemp -d)
            weston --backend=x11-backend.so --socket=ranktally-test --width=1024 --height=768 \
                >"$log" 2>&1 &
            wait_until 120 "weston (no socket $XDG_RUNTIME_DIR/ranktally-test)" \
                test -S "$XDG_RUNTIME_DIR/ranktally-test" || { cat "$log"; exit 1; }
            for test in test_form1 test_plan_form; do
                WAYLAND_DISPLAY=ranktally-test QT_QPA_PLATFORM=wayland "$build/tests/ui/$test" |
                    grep -vE '^(PASS|QWARN|QDEBUG) '
            done
            ;;
        x11)
            start_openbox
            "$build/app/ranktally" -platform xcb >"$log" 2>&1 &
            tests/desktop/x11_window_manager.sh data/org.ranktally.Ranktally.desktop.in ||
                { cat "$log"; exit 1; }
            ;;
        atspi)
            # The program in the language asked for, and the client expecting its catalogue's
            # words; English, without a catalogue, when none is asked for.
            language=${3:-en}
            catalogue=()
            if [ "$language" != en ]; then
                catalogue=("$(mktemp)")
                msgfmt -o "${catalogue[0]}" "po/$language.po"
            fi
            /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
            start_openbox
            LANGUAGE=$language QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/app/ranktally" \
                -platform xcb >"$log" 2>&1 &
            timeout 120 xdotool search --sync --onlyvisible --name '^Ranktally$' \
                windowactivate --sync >/dev/null ||
                { echo "not ready after 120 s: the window, shown and active" >&2; cat "$log"; exit 1; }
            # Longer than the client's own bounds, so that it says what was not ready.
            timeout 200 tests/desktop/atspi_client.py "${catalogue[@]}" || { cat "$log"; exit 1; }
            ;;
    esac
    exit
fi

scripts/ensure-packages.sh build test desktop
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target ranktally test_form1 test_plan_form >/dev/null

for client in wayland x11 atspi "atspi de"; do
    echo "== $client"
    # Unquoted: a client's name, then any language it is given.
    timeout 300 dbus-run-session -- bash ${TRACE:+-x} "$0" --client $client 2> >(grep -v "^dbus-daemon" >&2)
done
# Orca takes minutes to say it all, more than CI has room for; what it is told, the AT-SPI client
# checks above. scripts/desktop-clients.sh --orca hears it too.
if [ "${1:-}" = --orca ]; then
    echo "== orca"
    scripts/ensure-packages.sh web-test
    timeout 600 dbus-run-session -- tests/desktop/orca_desktop.sh "$build/app/ranktally" \
        2> >(grep -v "^dbus-daemon" >&2)
fi
