#!/bin/bash
# Runs the built editor in a real window: an X server of its own (Xvfb) with a small window
# manager, in a copy of the demo game folder. It waits for the main window, checks that it is
# maximised, takes screenshots into OUTDIR, closes the window as its close box does and checks
# that the editor ends with status 0.
#   real-window.sh EDITOR DEMO_FOLDER OUTDIR [EDITOR_ARGUMENTS...]
set -u
editor=$1 demo=$2 outdir=$3
mkdir -p "$outdir"
. "$(dirname "$0")/real-window-lib.sh"
in_display "$@"
shift 3
start_editor "$@"
window=$(wait_for_window "$title") || fail "no window titled \"$title\" appeared"
sleep 1
state=$(xprop -id "$window" _NET_WM_STATE)
case "$state" in
  *_NET_WM_STATE_MAXIMIZED_VERT*_NET_WM_STATE_MAXIMIZED_HORZ* | *_NET_WM_STATE_MAXIMIZED_HORZ*_NET_WM_STATE_MAXIMIZED_VERT*) ;;
  *) fail "the window is not maximised: $state" ;;
esac
import -window root "$outdir/main-window.png" || fail "no screenshot"

# A user's first steps, by keyboard after a click into each tree: Germany expanded in the
# catalog, the first division and its staff expanded in the organization.
xdotool mousemove 300 600 click 1 key Home Down Down Right
xdotool mousemove 900 600 click 1 key Home Down Right Down Down Right
sleep 0.5
import -window root "$outdir/organization.png" || fail "no screenshot"

# A division built with automatic choices from the toolbar, then saved over main.org: Germany's
# Divisions group (the sixth group below it), its first template, the toolbar's first button, Ctrl+S.
xdotool mousemove 300 600 click 1 key Home Down Down Down Down Down Down Down Down Right Down
xdotool mousemove 15 51 click 1
sleep 1
import -window root "$outdir/built.png" || fail "no screenshot"
xdotool key ctrl+s
sleep 1
divisions=$(grep -c '^D' main.org)
[ "$divisions" -eq 3 ] || fail "main.org holds $divisions divisions after the build and the save, not 3"

# The new division's strength (Edit, Strength of Selection), then a template found by name.
xdotool key alt+e s
sleep 1
import -window root "$outdir/strength.png" || fail "no screenshot"
xdotool key Escape
xdotool key ctrl+f
sleep 0.3
xdotool type Panzer
xdotool key Return
sleep 0.5
import -window root "$outdir/find.png" || fail "no screenshot"
xdotool key Escape

# The line between the trees dragged from the middle to x = 400: a click at x = 500 then lands in
# the organization's tree, where Delete of its last row, the division built (with OK to the
# question), Ctrl+Z, Ctrl+Y and Ctrl+S leave main.org with its two divisions again.
xdotool mousemove 640 400 mousedown 1 mousemove 520 400 mousemove 400 400 mouseup 1
sleep 0.3
xdotool mousemove 500 700 click 1 key End Delete
sleep 0.5
xdotool key Return
sleep 0.3
xdotool key ctrl+z ctrl+y ctrl+s
sleep 1
divisions=$(grep -c '^D' main.org)
[ "$divisions" -eq 2 ] || fail "main.org holds $divisions divisions after the delete, its undo and redo, not 2"

# The Panzer-Division charted by Export Chart, the last entry of the Edit menu, to the window's
# two levels of boxes, and saved through the file dialog as a PNG: the README's chart.
rm -f "$outdir/chart.png"
xdotool mousemove 500 700 click 1 key Home Down
xdotool key alt+e Up Return
wait_for_window "Chart of 16. Panzer-Division" >/dev/null || fail "Export Chart opened no window"
sleep 1
import -window root "$outdir/chart-window.png" || fail "no screenshot"
xdotool key alt+s
sleep 1
xdotool key ctrl+a
xdotool type "$outdir/chart.png"
xdotool key Return
for _ in $(seq 100); do
  [ -s "$outdir/chart.png" ] && break
  sleep 0.1
done
[ -s "$outdir/chart.png" ] || fail "Export Chart saved no chart.png"
xdotool key Escape
sleep 0.3

wmctrl -c "$title" || fail "the window manager could not close the window"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the editor still runs after its window was closed"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the editor ended with status $status: $(cat "$work/editor.log")"
echo "PASS: maximised window, screenshot in $outdir, closed with status 0"
