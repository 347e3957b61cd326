# Waiting on readiness, for scripts that start X servers, window managers and programs: a busy
# machine may take far longer than an idle one, so the bounds are long, and a step that gives up
# says what was not ready. Source it; it defines functions only.

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it succeeds;
# after SECONDS says that WHAT was not ready and fails.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "not ready after $seconds s: $what" >&2
            return 1
        fi
        sleep 0.1
    done
}

# start_xvfb [SCREEN]: starts Xvfb on a free display in the background and exports DISPLAY once
# the server takes clients; XVFB_PID is its process.
start_xvfb() {
    local display_fd display_number
    exec {display_fd}<> <(:)
    # Xvfb picks a free display and writes its number to the descriptor once it listens.
    Xvfb -displayfd "$display_fd" -screen 0 "${1:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 120 -u "$display_fd" display_number ||
        { echo "not ready after 120 s: Xvfb (it gave no display number)" >&2; return 1; }
    exec {display_fd}<&-
    export DISPLAY=":$display_number"
}

# start_openbox: starts openbox in the background on $DISPLAY and waits until it manages windows,
# as it says by announcing _NET_ACTIVE_WINDOW: a window mapped before then may never be shown.
# Twice in CI here openbox never announced it, and what it said was not kept: one that ends or
# stays silent is started anew, three times at most, and what the last one said is shown.
start_openbox() {
    local log pid deadline
    log=$(mktemp)
    for _ in 1 2 3; do
        openbox >"$log" 2>&1 &
        pid=$!
        deadline=$((SECONDS + 60))
        while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
            if xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; then
                rm -f "$log"
                return 0
            fi
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    echo "not ready after 3 tries of 60 s: openbox on $DISPLAY (no _NET_ACTIVE_WINDOW among" \
        "_NET_SUPPORTED); it said:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
}
