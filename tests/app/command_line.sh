#!/usr/bin/env bash
# What the program answers on its command line, where no display can be reached: each row is the
# arguments, the exit status and a text the first line of its output must hold.
set -u
program=$1
version=$(sed -n 's/^project(Ranktally VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || { echo "no version found in CMakeLists.txt"; exit 1; }
failed=0
check() {
    local expected_status=$1 expected_line=$2
    shift 2
    local output status
    output=$(env -u WAYLAND_DISPLAY DISPLAY=:93 QT_QPA_PLATFORM=xcb "$program" "$@" 2>&1)
    status=$?
    if [ "$status" -ne "$expected_status" ] || [[ "$(head -n 1 <<<"$output")" != *"$expected_line"* ]]; then
        printf 'ranktally %s: expected status %s and "%s", got status %s and:\n%s\n' \
            "$*" "$expected_status" "$expected_line" "$status" "$output"
        failed=1
    fi
}
# Help and version, in every spelling, also beside Qt's own options.
check 0 "Usage: ranktally [options]" --help
check 0 "Usage: ranktally [options]" -h
check 0 "ranktally $version" --version
check 0 "ranktally $version" -v
check 0 "ranktally $version" -platform offscreen -style=fusion -reverse --version
# What it does not take: one line and status 2.
check 2 "ranktally: Unknown option 'bogus'." --bogus
check 2 "ranktally: takes no arguments, but was given 'save.txt'." save.txt
# Qt's options go on to the window system, which cannot be reached here.
check 1 "ranktally: cannot open a window" -style fusion -reverse
exit $failed
