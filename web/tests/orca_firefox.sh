#!/usr/bin/env bash
# What Orca says of the planner in Firefox ESR: the page opened on a climb and worked by the
# keyboard alone, as a player who cannot see it works it, and Orca's speech, as its debug log
# records it, checked for each of the planner's captions with its figure, the readings' boxes, the
# rate they give and its button, the steps' caption, the columns' headers read with a step, and
# the checkbox that keeps the inputs. Runs in a session bus of its own:
#   dbus-run-session -- web/tests/orca_firefox.sh SITE
set -euo pipefail
site=$(realpath "$1")
source "$(dirname "$0")/../../scripts/lib/readiness.sh"
source "$(dirname "$0")/../../scripts/lib/orca.sh"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
start_desktop
port=8452
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
wait_until 60 "the page's server on port $port" bash -c "exec 3<>/dev/tcp/127.0.0.1/$port"

start_orca

profile=$work/firefox
mkdir -p "$profile"
cat >"$profile/user.js" <<'EOF'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
EOF
# 150 to 210 at 50000 an hour, 8 hours a day, 43% earned, SK at 2000 an hour: the planner opens.
firefox-esr --no-remote --profile "$profile" \
    "http://127.0.0.1:$port/en/#current=150&target=210&hours=8&rate=50000&earned=43%25&skrate=2000" \
    >"$work/firefox.out" 2>&1 &
timeout 120 xdotool search --sync --onlyvisible --class firefox windowactivate --sync >/dev/null ||
    { echo "not ready after 120 s: Firefox's window, shown and active" >&2; exit 1; }
# Orca tells of the page once loaded, then of the first list, which holds the focus.
wait_until 120 "the page, as Orca tells it (it never named the current level's list)" \
    bash -c "spoken | grep -q '^Current level: combo box'"

quiet
# Tab to the readings and type them in, on to the rate they give and its button, then to the
# steps' box; Orca's key for the next table finds the page's only one, and down it a line at a time
# to the first step; then Tab on to the checkbox, and tick it.
tab_to '^First reading: entry'
type_in 1000000
press Tab
type_in 1045000
press Tab
type_in 20
tab_to '^Use as my rate push button'
tab_to 'level by level region'
press t
for _ in $(seq 15); do
    said 'Reached on column header [A-Z]' && break
    press Down
done
tab_to '^Remember my inputs on this device check box'
press space

expect_said "the planner in Firefox" \
    'Already earned in this level: entry 43%' \
    'SK per hour from level 200: entry 2000' \
    '^First reading: entry' '^Second reading: entry' '^Minutes between: entry' \
    'Points per hour: read only entry 135000' '^Use as my rate push button' \
    '^Remember my inputs on this device check box not checked' '^checked' \
    'XP still needed: read only entry 1757741234' \
    'SK still needed: read only entry 2076694' \
    'Hours of play: read only entry 36193.17168' \
    'Days of play: read only entry 4524.14646' \
    'Target reached on: read only entry [A-Z][a-z]+day, [A-Z][a-z]+ [0-9]+, [0-9]{4}' \
    'The climb, level by level region' '^table with 61 rows 6 columns' \
    '^Level reached column header' '^Points in column header XP' \
    '^Points column header 7191234' '^Hours column header 143.82468' \
    '^Hours of play column header 143.82468' '^Reached on column header [A-Z][a-z]+ [0-9]+, [0-9]{4}'
echo "Orca in Firefox said every caption of the planner with its figure, each step with its" \
    "headers, and the checkbox"
