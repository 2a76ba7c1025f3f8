#!/bin/bash
# A division copied in one editor and pasted into another on the same display: the clipboard is
# the system's. The second editor's file then holds the whole division, numbered from its own
# counter.
#   real-window-paste.sh EDITOR DEMO_FOLDER
set -u
editor=$1 demo=$2
. "$(dirname "$0")/real-window-lib.sh"
in_display "$@"

printf '1\r\n0\r\n6 41\r\n' >other.org
start_editor main.org
first=$pid
source_window=$(wait_for_window "$title - main.org") || fail "main.org did not open"
sleep 1
xdotool windowactivate --sync "$source_window" mousemove 900 600 click 1 key Home Down ctrl+c
start_editor other.org
target_window=$(wait_for_window "$title - other.org") || fail "other.org did not open"
sleep 1
xdotool windowactivate --sync "$target_window" mousemove 900 600 click 1 key Home ctrl+v ctrl+s
sleep 1
# The demo's first division runs from its own line to the line before the second division.
division=$(sed -n '4,/^D950001/p' "$demo/main.org" | sed '$d' | wc -l)
pasted=$(($(wc -l <other.org) - 3))
head -4 other.org | tail -1 | grep -q $'^D150003 0 8 16. Panzer-Division\r$' ||
  fail "other.org does not start with the pasted division: $(head -4 other.org | tail -1)"
[ "$pasted" -eq "$division" ] || fail "other.org holds $pasted lines of items, the division $division"
wmctrl -c "$title - other.org"
wmctrl -c "$title - main.org"
wait "$pid"
wait "$first"
echo "PASS: a division copied in one editor pasted into another and saved"
