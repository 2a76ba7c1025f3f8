#!/bin/bash
# Runs the built editor in a real window: an X server of its own (Xvfb) with a small window
# manager, in a copy of the demo game folder. It waits for the main window, checks that it is
# maximised, takes screenshots into OUTDIR, closes the window as its close box does and checks
# that the editor ends with status 0.
#   real-window.sh EDITOR DEMO_FOLDER OUTDIR [EDITOR_ARGUMENTS...]
set -u
editor=$1 demo=$2 outdir=$3
title="Valdren Organization Editor"

if [ "${REAL_WINDOW_INSIDE:-}" != 1 ]; then
  for tool in xvfb-run Xvfb openbox xdotool wmctrl import xprop; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (make installs it as root: xvfb openbox xdotool wmctrl imagemagick x11-utils)"
      exit 77
    fi
  done
  mkdir -p "$outdir"
  REAL_WINDOW_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$demo"/. "$work"
cd "$work" || exit 1

openbox >/dev/null 2>&1 &
sleep 1
shift 3
"$editor" "$@" >"$work/editor.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "^$title" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled \"$title\" appeared"
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
