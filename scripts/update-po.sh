#!/usr/bin/env bash
# Makes po/ranktally.pot anew from the texts the sources mark, and merges it into every catalogue
# in po/LINGUAS. With --check, changes nothing and fails when the template is not up to date.
# Usage: update-po.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/ensure-packages.sh build

its=/usr/share/gettext/its/metainfo.its  # AppStream's rules, which honour translate="no"
template=$(mktemp)
trap 'rm -f "$template"' EXIT
common=(--from-code=UTF-8 --add-location=file --package-name=Ranktally
    --copyright-holder="Ranktally developers" --msgid-bugs-address=https://ranktally.org/issues
    --output="$template")
mapfile -t sources < <(find core form app ui win32 web tools -maxdepth 1 -type f \
    \( -name '*.h' -o -name '*.cpp' \) | LC_ALL=C sort)
xgettext "${common[@]}" --language=C++ --keyword=N_ --keyword=Translated \
    --keyword=TranslatedIn:1c,2 --keyword=TranslatedPlural:1,2 \
    --add-comments=TRANSLATORS: "${sources[@]}"
# Every catalogue is UTF-8.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$template"
# "Ranktally", the desktop entry's Name, is not translated.
xgettext "${common[@]}" --join-existing --language=Desktop --keyword= --keyword=GenericName \
    --keyword=Comment --keyword=Keywords data/org.ranktally.Ranktally.desktop.in
xgettext "${common[@]}" --join-existing --its="$its" data/org.ranktally.Ranktally.metainfo.xml.in

# The date it was made is no change.
without_date() { grep -v '^"POT-Creation-Date:' "$1"; }
if [ "${1:-}" = --check ]; then
    if ! diff -u <(without_date po/ranktally.pot) <(without_date "$template"); then
        echo "po/ranktally.pot is not up to date: run scripts/update-po.sh" >&2
        exit 1
    fi
    exit 0
fi
if ! cmp -s <(without_date po/ranktally.pot 2>/dev/null || true) <(without_date "$template"); then
    cp "$template" po/ranktally.pot
fi
while read -r language; do
    case $language in '#'* | '') continue ;; esac
    msgmerge --quiet --update --backup=none --add-location=file "po/$language.po" po/ranktally.pot
done <po/LINGUAS
