#!/usr/bin/env bash
# Started where no display can be reached, the program says so in one line, in English here, and
# fails cleanly.
set -u
program=$1
stderr=$(env -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL=C.UTF-8 DISPLAY=:93 QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$stderr" | grep -c .)
expected="ranktally: cannot open a window: could not connect to display :93"
if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [ "$stderr" != "$expected" ]; then
    printf 'expected exit status 1 and the one line "%s", got status %s and:\n%s\n' \
        "$expected" "$status" "$stderr"
    exit 1
fi
