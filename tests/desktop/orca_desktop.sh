#!/usr/bin/env bash
# What Orca says of the program on X11: the form worked by the keyboard alone to a climb, the
# credit's link heard as a link and opened with Enter, and the plan window it opens: each of its
# captions with its figure, and a step of its table with the columns' headers. Runs in a session
# bus of its own:  dbus-run-session -- tests/desktop/orca_desktop.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/../../scripts/lib/readiness.sh"
source "$(dirname "$0")/../../scripts/lib/orca.sh"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
start_desktop
start_orca

LANGUAGE=en "$program" -platform xcb >"$work/program.out" 2>&1 &
timeout 120 xdotool search --sync --onlyvisible --name '^Ranktally$' windowactivate --sync \
    >/dev/null || { echo "not ready after 120 s: the window, shown and active" >&2; exit 1; }
wait_until 120 "the window, as Orca tells it (it never named the current level's list)" \
    bash -c "spoken | grep -q '^Current level: combo box'"
quiet
# Level 1 to 220 at the rate the form starts with, then on to the link and into the plan; Tab
# through the plan to its table, and down it to the step to 201.
press Down
tab_to '^Target level: combo box'
press End
tab_to 'Plan the climb… link'
press Return
tab_to '^The climb, level by level'
for _ in $(seq 200); do
    said '^201\.$' && break
    press Down
done
press Right
[ -n "${KEEP:-}" ] && spoken >"$work/said.txt"
expect_said "the form's link and the plan window" \
    '^Plan the climb… link' '^Ranktally – Plan' \
    '^Already earned in this level: text' '^SK per hour from level 200: text' \
    '^First reading: text' '^Second reading: text' '^Minutes between: text' \
    '^Points per hour: read only text' \
    '^2061326950$' '^XP still needed: read only text' '^14935041$' '^SK still needed: read only text' \
    '^207626.1991$' '^Hours of play: read only text' '^Days of play: read only text' \
    '^[A-Z][a-z]+day, [0-9]+ [A-Z][a-z]+ [0-9]{4}$' '^Target reached on: read only text' \
    '^table with 219 rows 6 columns' '^SK from here on\.$' \
    '^Points in column header SK from here on'
echo "Orca said the link as a link, every caption of the plan with its figure, and a step with" \
    "its headers"
