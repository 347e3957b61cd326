#!/usr/bin/env bash
# Under a real X11 window manager: the window is matched to its menu entry, offers no maximize,
# carries its icon at task-bar sizes, and its frame follows it as it grows for the warning and
# shrinks back. Usage: x11_window_manager.sh DESKTOP_FILE (the program running on $DISPLAY)
set -u
source "$(dirname "$0")/../../scripts/lib/readiness.sh"
desktop_file=$1
failed=0
fail() { echo "x11_window_manager: $*"; failed=1; }

window=
find_window() {
    for candidate in $(xdotool search --onlyvisible --name '^Ranktally$' 2>/dev/null); do
        xprop -id "$candidate" WM_CLASS | grep -q '"' && window=$candidate
    done
    [ -n "$window" ]
}
wait_until 120 "the window, shown and with its class" find_window ||
    { echo "x11_window_manager: no window"; exit 1; }

class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$expected" ] && [ "$class" = "$expected" ] ||
    fail "WM_CLASS class \"$class\" does not match StartupWMClass \"$expected\""

actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
grep -q _NET_WM_ACTION_MOVE <<<"$actions" || fail "the window manager did not manage the window"
grep -q MAXIMIZE <<<"$actions" && fail "the window manager offers to maximize: $actions"

icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 32 48 64 128; do
    grep -q "($size x $size)" <<<"$icons" || fail "no ${size}-pixel icon: $icons"
done

height() { xwininfo -id "$1" | sed -n 's/^ *Height: //p'; }
frame=$window
while ! xwininfo -tree -id "$frame" | grep -q 'Parent window id: .*(the root window)'; do
    frame=$(xwininfo -tree -id "$frame" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
done
[ "$frame" != "$window" ] || fail "the window has no frame"
# The frame's borders and title bar, which stay as the window grows and shrinks.
border=$(($(height "$frame") - $(height "$window")))
compact=$(height "$window")

xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers Down Tab Tab Tab Tab End
grown() { [ "$(height "$window")" -gt "$compact" ]; }
wait_until 60 "the window, grown for the warning" grown
grown=$(height "$window")
[ "$grown" -gt "$compact" ] || fail "the window did not grow for the warning ($compact, then $grown)"
[ $(($(height "$frame") - grown)) -eq "$border" ] || fail "the frame did not follow the growth"
xdotool key --clearmodifiers Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up
compact_again() { [ "$(height "$window")" -eq "$compact" ]; }
wait_until 60 "the window, shrunk back" compact_again
[ "$(height "$window")" -eq "$compact" ] || fail "the window did not shrink back to $compact"
[ $(($(height "$frame") - compact)) -eq "$border" ] || fail "the frame did not follow the shrink"
echo "x11_window_manager: $([ $failed -eq 0 ] && echo 0 || echo 1) failed"
exit $failed
