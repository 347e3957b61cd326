# Orca as a listener for tests: started with its speech going to its debug log alone, and keys
# pressed one at a time, each once Orca is done with the last. Source it after readiness.sh, with
# $work a scratch folder; it defines functions only.

# start_desktop: an X server, the accessibility bus and a window manager, for Orca and what it
# listens to.
start_desktop() {
    start_xvfb
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    start_openbox
}

# start_orca: starts Orca in a fresh home of its own (a first start, with Orca's defaults but for
# speech) and waits until it says it is on. Speech Dispatcher, even with its silent module, held
# Orca still at the first key here.
start_orca() {
    speech=$work/orca.log
    export HOME=$work/home
    mkdir -p "$HOME/.local/share/orca"
    # Orca writes its log through a buffer it never flushes: a line each, so that what it said is
    # there to read as soon as it is said.
    cat >"$HOME/.local/share/orca/orca-customizations.py" <<'PYTHON'
import orca.debug
import orca.settings
orca.settings.speechServerFactory = None
orca.debug.debugFile.reconfigure(line_buffering=True)
PYTHON
    orca --replace --debug-file "$speech" >"$work/orca.out" 2>&1 &
    export speech
    export -f spoken
    wait_until 120 "Orca (it never said it was on)" bash -c "grep -q 'Screen reader on' '$speech'"
}

# What Orca said, a line each, without the voice it said it in.
spoken() { sed -nE "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/p" "$speech" 2>/dev/null; }

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

# expect_said WHAT_IT_IS PATTERN...: fails, showing all Orca said, unless it said each pattern.
expect_said() {
    local what=$1 heard failed=0
    shift
    heard=$(spoken)
    for expected in "$@"; do
        if ! grep -qE "$expected" <<<"$heard"; then
            echo "Orca did not say, of $what: $expected" >&2
            failed=1
        fi
    done
    if [ "$failed" = 1 ]; then
        echo "Orca said:" >&2
        sed 's/^/    /' <<<"$heard" >&2
        return 1
    fi
}
