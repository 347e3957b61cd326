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
work=$(mktemp -d)
speech=$work/orca.log
# Orca keeps its settings in the home folder: a fresh one is a first start with Orca's defaults,
# but for speech, which goes to its log alone. Speech Dispatcher, even with its silent module,
# held Orca still at the first key here.
export HOME=$work/home
mkdir -p "$HOME/.local/share/orca"
# Orca writes its log through a buffer it never flushes: a line each, so that what it said is
# there to read as soon as it is said.
cat >"$HOME/.local/share/orca/orca-customizations.py" <<'EOF'
import orca.debug
import orca.settings
orca.settings.speechServerFactory = None
orca.debug.debugFile.reconfigure(line_buffering=True)
EOF
trap 'kill $(jobs -p) 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
start_openbox
port=8452
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
wait_until 60 "the page's server on port $port" bash -c "exec 3<>/dev/tcp/127.0.0.1/$port"

orca --replace --debug-file "$speech" >"$work/orca.out" 2>&1 &
# What Orca said, a line each, without the voice it said it in.
spoken() { sed -nE "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/p" "$speech" 2>/dev/null; }
export speech
export -f spoken
wait_until 120 "Orca (it never said it was on)" bash -c "grep -q 'Screen reader on' '$speech'"

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

# Until Orca has written nothing for a second, as it does once it has told of a key: each key
# waits until Orca is done with the last. Waiting on its words instead, with a reader polling the
# log many times a second, left Orca still at the first key on this machine, every time.
quiet() {
    local size=-1 still=0 deadline=$((SECONDS + 90))
    while [ "$still" -lt 10 ]; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "not ready after 90 s: Orca, quiet" >&2; exit 1; }
        if [ "$(stat -c %s "$speech")" = "$size" ]; then
            still=$((still + 1))
        else
            size=$(stat -c %s "$speech")
            still=0
        fi
        sleep 0.1
    done
}
press() {
    xdotool key "$1"
    quiet
}
# Whether Orca has said this; grep reads all it is given, as one that quits at the first match
# fails the pipe while the log is still being read.
said() { spoken | grep -E "$1" >/dev/null; }
# Tab until Orca has said this, at most 30 times.
tab_to() {
    for _ in $(seq 30); do
        said "$1" && return
        press Tab
    done
}
type_in() {
    xdotool type --delay 100 "$1"
    quiet
}
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

heard=$(spoken)
failed=0
for expected in \
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
    '^Hours of play column header 143.82468' '^Reached on column header [A-Z][a-z]+ [0-9]+, [0-9]{4}'; do
    if ! grep -qE "$expected" <<<"$heard"; then
        echo "Orca did not say: $expected" >&2
        failed=1
    fi
done
if [ "$failed" = 1 ]; then
    echo "Orca said:" >&2
    sed 's/^/    /' <<<"$heard" >&2
    exit 1
fi
echo "Orca in Firefox said every caption of the planner with its figure, each step with its" \
    "headers, and the checkbox"
