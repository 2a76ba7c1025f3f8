# What the real-window tests share; sourced by each. A test script calls in_display "$@" first: it
# runs the script again inside an X server of its own (Xvfb) with a small window manager, in a
# copy of the demo game folder whose path is in $work, with a home of its own for what the
# editor keeps for a user.
title="Valdren Organization Editor"

in_display() {
  if [ "${REAL_WINDOW_INSIDE:-}" != 1 ]; then
    for tool in xvfb-run Xvfb openbox xdotool wmctrl import xprop; do
      if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (make installs it as root: xvfb openbox xdotool wmctrl imagemagick x11-utils)"
        exit 77
      fi
    done
    REAL_WINDOW_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
  fi
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp -r "$demo"/. "$work/game"
  export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
  cd "$work/game" || exit 1
  openbox >/dev/null 2>&1 &
  sleep 1
}

fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# The first window whose title starts with the text, waited for up to ten seconds; fails
# without one.
wait_for_window() {
  local found=""
  for _ in $(seq 100); do
    found=$(xdotool search --name "^$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  return 1
}

# Starts the editor in the game folder with the arguments given; its process is $pid.
start_editor() {
  "$editor" "$@" >>"$work/editor.log" 2>&1 &
  pid=$!
}
