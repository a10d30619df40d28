#!/usr/bin/env bash
# Work that survives a killed program, with the real program on a virtual X
# server: wire a cell to a switch, wait until the work is kept in the
# recovery file, check that a second program started meanwhile neither
# offers nor touches it, kill the first with SIGKILL, start again, answer
# Yes, and compare the recovered bench with what was on the screen (the
# picture of the bench, and the bench saved and solved by voltaro-cli).
# A clean quit at the end leaves no recovery file behind.
#
# Usage: recovery_session.sh VOLTARO VOLTARO_CLI
set -euo pipefail

VOLTARO=$(realpath "$1")
CLI=$(realpath "$2")
# shellcheck source=x_session.sh
source "$(dirname "$(realpath "$0")")/x_session.sh"

# Work is kept one second after a change instead of thirty.
export VOLTARO_AUTOSAVE_SECONDS=1
RECOVERY="$XDG_DATA_HOME/Zentrik Voltaro/recovery"
CAPTION="Zentrik Voltaro V3.0"

# Starts the program; prints its process id.
start_program() {
  (cd "$WORK" && exec "$VOLTARO" >> "$WORK/voltaro.log" 2>&1) &
  echo $!
}

# The recovery files (.ele) in the folder, one a line.
recovery_files() {
  find "$RECOVERY" -maxdepth 1 -name 'recovery-*.ele' 2> /dev/null | sort
}
# Every file the program keeps there: recovery files, notes, locks.
kept_files() {
  find "$RECOVERY" -maxdepth 1 -type f 2> /dev/null | sort
}

# The bench as the program shows it, a region around the parts.
BENCH_REGION="620x300"
grab_bench() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "$BENCH_REGION+$BENCH_X+$BENCH_Y" +repage "$1"
}

# jq on the report of a file: true or false.
solved_says() {
  "$CLI" solve --json "$1" > "$WORK/report.json" 2> /dev/null &&
    [ "$(jq "$2" "$WORK/report.json")" = "true" ]
}

start_x_server

STEP="starting the first program"
APP_PID=$(start_program)
wait_until "the bench window" has_window "$CAPTION"
MAIN=$(window_of "$APP_PID" "$CAPTION")
open_menu f
xdotool key n
wait_until "the components box" has_window "Components box"
BOX=$(window_named "Components box")
find_bench

STEP="placing and wiring a cell and a switch"
CELL_X=200 CELL_Y=200     # terminals A (-43, 0), B (43, 0)
SWITCH_X=400 SWITCH_Y=200 # A (-36, 15), B (33, 15)
choose_in_box $GROUP_POWER
bench_click $CELL_X $CELL_Y
choose_in_box $GROUP_SWITCHES
bench_click $SWITCH_X $SWITCH_Y
# Nothing selected, so that no red outline tells the two pictures apart;
# before the wire, so that the picture is final once the work is kept.
bench_click 560 280
bench_click $((CELL_X + 43)) $CELL_Y
bench_click $((SWITCH_X - 36)) $((SWITCH_Y + 15))

STEP="waiting for the work to be kept"
kept_as_shown() {
  local file
  file=$(recovery_files | head -1)
  [ -n "$file" ] || return 1
  solved_says "$file" '([.elements[].kind] | sort == [7, 21]) and
                       ([.wires[] | select(.state == 1)] | length == 1)'
}
wait_until "the recovery file of the wired bench" kept_as_shown
KEPT=$(recovery_files | head -1)
cp "$KEPT" "$WORK/kept.ele"
grab_bench "$WORK/before.png"

STEP="a second program while the first runs"
SECOND=$(start_program)
OTHER_PIDS+=("$SECOND")
second_shown() { [ -n "$(window_of "$SECOND" "$CAPTION")" ]; }
wait_until "the second bench window" second_shown
# Its File menu opens only once its start-up, where it would have asked,
# is over.
SECOND_MAIN=$(window_of "$SECOND" "$CAPTION")
second_windows() { xdotool search --onlyvisible --pid "$SECOND" 2> /dev/null | wc -l; }
before_menu=$(second_windows)
xdotool windowfocus "$SECOND_MAIN"
xdotool key --clearmodifiers alt+f
second_menu_open() { [ "$(second_windows)" -gt "$before_menu" ]; }
wait_until "the second program's File menu" second_menu_open
[ -z "$(window_of "$SECOND" "Zentrik Voltaro")" ] ||
  fail "the second program offered the first program's work"
xdotool key q  # Quit: nothing open, nothing asked
second_gone() { ! kill -0 "$SECOND" 2> /dev/null; }
wait_until "the second program to end" second_gone
[ "$(recovery_files)" = "$KEPT" ] || fail "the recovery files changed: $(recovery_files)"
cmp -s "$KEPT" "$WORK/kept.ele" || fail "the second program changed the first one's work"

STEP="killing the first program"
kill -KILL "$APP_PID"
wait "$APP_PID" 2> /dev/null || true
APP_PID=""

STEP="starting again and recovering"
APP_PID=$(start_program)
question_shown() { [ -n "$(window_of "$APP_PID" "Zentrik Voltaro")" ]; }
wait_until "the question to recover" question_shown
xdotool windowfocus "$(window_of "$APP_PID" "Zentrik Voltaro")"
xdotool key --clearmodifiers alt+y
question_gone() { [ -z "$(window_of "$APP_PID" "Zentrik Voltaro")" ]; }
wait_until "the question to close" question_gone
wait_until "the components box" has_window "Components box"
MAIN=$(window_of "$APP_PID" "$CAPTION")
BOX=$(window_named "Components box")
find_bench

STEP="comparing the recovered bench with the one on the screen before"
same_picture() {
  grab_bench "$WORK/after.png"
  [ "$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1)" = "0" ]
}
wait_until "the recovered bench to look as before" same_picture
[ ! -e "$KEPT" ] || fail "the old recovery file is still there"
# Recovered work is unsaved work: this run keeps it at once.
[ "$(recovery_files | wc -l)" -eq 1 ] || fail "no recovery file for the recovered work"
cmp -s "$(recovery_files)" "$WORK/kept.ele" || fail "the recovered work was kept otherwise"

STEP="saving the recovered bench"
open_menu f
xdotool key s
wait_until "the save dialog" has_window "保存实验"
xdotool windowfocus "$(window_named "保存实验")"
xdotool type --delay 20 "$WORK/recovered.ele"
xdotool key Return
wait_until "the save dialog to close" no_window "保存实验"
saved() { [ -s "$WORK/recovered.ele" ]; }
wait_until "the saved experiment" saved
"$CLI" solve --json "$WORK/kept.ele" | jq -S 'del(.file)' > "$WORK/kept.json"
"$CLI" solve --json "$WORK/recovered.ele" | jq -S 'del(.file)' > "$WORK/recovered.json"
cmp -s "$WORK/kept.json" "$WORK/recovered.json" || fail "the saved bench differs from the kept one"
# Saved, the work needs no recovery file.
no_recovery_file() { [ -z "$(recovery_files)" ]; }
wait_until "the recovery file to go" no_recovery_file

STEP="quitting cleanly"
open_menu f
xdotool key q
wait_until "the question to save" has_window "Confirm"
xdotool windowfocus "$(window_named "Confirm")"
xdotool key --clearmodifiers alt+n
APP=$APP_PID
APP_PID=""
until_gone() { ! kill -0 "$APP" 2> /dev/null; }
wait_until "the program to end" until_gone
[ -z "$(kept_files)" ] || fail "a clean quit left $(kept_files)"

STEP="done"
echo "recovery session passed"
