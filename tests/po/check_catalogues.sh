#!/usr/bin/env bash
# Every shipped catalogue passes msgfmt's checks, is wholly translated with nothing fuzzy, and
# keeps the places (%1, %2) of each English text; the template holds what the sources mark, and
# every catalogue all the template holds.
# Usage: check_catalogues.sh SOURCE_DIR
set -u
cd "$1"
# The catalogues are UTF-8, which gettext's tools read as such only in a UTF-8 locale.
export LC_ALL=C.UTF-8
failed=0
fail() {
    echo "$*"
    failed=1
}

while read -r language; do
    case $language in '#'* | '') continue ;; esac
    catalogue=po/$language.po
    msgfmt --check -o /dev/null "$catalogue" || fail "$catalogue: msgfmt --check fails"
    msgcmp --use-fuzzy --use-untranslated "$catalogue" po/ranktally.pot ||
        fail "$catalogue: not merged with the template: run scripts/update-po.sh"
    for kind in untranslated only-fuzzy; do
        left=$(msgattrib --$kind --no-obsolete "$catalogue" | grep -c '^msgid ' || true)
        # The header, when anything else is left, is one of them.
        [ "$left" -eq 0 ] || fail "$catalogue: ${kind#only-} messages left"
    done
    # Each message's places, sorted, in the English and in the translation.
    mismatches=$(msgexec --input="$catalogue" sh -c '
        [ -z "$MSGEXEC_MSGID" ] && exit 0
        places() { grep -o "%[1-9]" | sort | tr -d "\n"; }
        english=$(printf "%s" "$MSGEXEC_MSGID" | places)
        translated=$(places)
        [ "$english" = "$translated" ] || printf "%s\n" "$MSGEXEC_MSGID"')
    [ -z "$mismatches" ] || fail "$catalogue: other places than the English in: $mismatches"
done <po/LINGUAS

scripts/update-po.sh --check || failed=1
exit $failed
