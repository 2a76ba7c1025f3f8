#!/bin/bash
# The editor killed after an edit, as a crash would end it, keeps the edit: started again in the
# same game folder it offers the changes back, and saved they are the edited file.
#   real-window-recovery.sh EDITOR DEMO_FOLDER
set -u
editor=$1 demo=$2
. "$(dirname "$0")/real-window-lib.sh"
in_display "$@"

start_editor main.org
wait_for_window "$title - main.org" >/dev/null || fail "main.org did not open"
sleep 1
# The second division renamed in the organization's tree, then a pause for the copy to be kept.
xdotool mousemove 900 600 click 1 key Home Down Down F2
xdotool type Kampfgruppe
xdotool key Return
sleep 4
kill -9 "$pid"
wait "$pid" 2>/dev/null

start_editor
wait_for_window "Recover Unsaved Changes" >/dev/null || fail "the changes were not offered back"
xdotool key Return
wait_for_window "$title - main.org" >/dev/null || fail "the recovered document is not main.org"
sleep 0.5
xdotool key ctrl+s
sleep 1
expected=$(sed 's/^D950001 236 7 7th Infantry Division\r$/D950001 236 7 Kampfgruppe\r/' "$demo/main.org" | md5sum)
saved=$(md5sum <main.org)
[ "$saved" = "$expected" ] || fail "main.org after the recovery is not the edited file: $(grep -a '^D' main.org)"
[ -z "$(find "$XDG_DATA_HOME" -name '*.recovery')" ] || fail "the recovery file stayed after the save"
wmctrl -c "$title"
wait "$pid"
echo "PASS: killed after an edit, recovered and saved the edited file"
