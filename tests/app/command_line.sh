#!/usr/bin/env bash
# What the program answers on its command line, where no display can be reached: each row is the
# arguments, the exit status and a text the first line of its output must hold, in the language
# the environment's words ask for.
set -u
program=$1
here=$(dirname "$0")
version=$(sed -n 's/^project(Ranktally VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
[ -n "$version" ] || { echo "no version found in CMakeLists.txt"; exit 1; }
failed=0
# The environment of the rows that follow: English unless a row group says otherwise.
words=(LC_ALL=C.UTF-8)
check() {
    local expected_status=$1 expected_line=$2
    shift 2
    local output status
    output=$(env -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG DISPLAY=:93 \
        QT_QPA_PLATFORM=xcb "${words[@]}" "$program" "$@" 2>&1)
    status=$?
    if [ "$status" -ne "$expected_status" ] || [[ "$(head -n 1 <<<"$output")" != *"$expected_line"* ]]; then
        printf 'ranktally %s (%s): expected status %s and "%s", got status %s and:\n%s\n' \
            "$*" "${words[*]}" "$expected_status" "$expected_line" "$status" "$output"
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

# In German, as its catalogue has the texts; Qt's own reasons, given before Qt has a language,
# stay English.
catalogue=$(mktemp -d)
trap 'rm -rf "$catalogue"' EXIT
mkdir -p "$catalogue/de/LC_MESSAGES"
msgfmt -o "$catalogue/de/LC_MESSAGES/ranktally.mo" "$here/../../po/de.po" || exit 1
german() {  # the German of the message, with %1 filled
    local text
    text=$(LC_ALL=C.UTF-8 LANGUAGE=de TEXTDOMAINDIR=$catalogue gettext -d ranktally -- "$1")
    printf '%s' "${text//%1/${2:-%1}}"
}
help=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$program" --help; echo .)  # whole, with its last newline
usage=$(german "${help%.}" | head -n 1)
[ "$usage" != "Usage: ranktally [options]" ] ||
    { echo "the German catalogue has no help: the German rows would prove nothing"; exit 1; }
no_window=$(german "cannot open a window: %1")
# The user's languages come from LANGUAGE before the locale, whatever the locale says of figures.
for words in "LC_ALL=C.UTF-8 LANGUAGE=de" "LANG=de_DE.UTF-8" "LC_ALL=en_US.UTF-8 LANGUAGE=de_AT:en"; do
    read -ra words <<<"$words"
    check 0 "$usage" --help
    check 2 "ranktally: $(german "%1 Try 'ranktally --help'." "Unknown option 'bogus'.")" --bogus
    check 2 "ranktally: $(german "takes no arguments, but was given '%1'. Try 'ranktally --help'." \
        save.txt)" save.txt
    check 1 "ranktally: ${no_window%%%1*}" -style fusion
done
# English first in the list, or a regional format that is German alone: English.
for words in "LANGUAGE=en_US:de" "LC_ALL=de_DE.UTF-8 LANGUAGE=en"; do
    read -ra words <<<"$words"
    check 0 "Usage: ranktally [options]" --help
done
exit $failed
