#!/usr/bin/env bash
# A pupil's first session with the real program, driven with the mouse and
# the keyboard on a virtual X server: from an empty bench, place a cell, a
# switch, a bulb and an ammeter from the components box, wire them in a
# loop, close the switch by a double click, delete the bulb with Del and
# copy and paste the cell with Ctrl+C and Ctrl+V, each time after the Edit
# menu was last opened with nothing selected, saving through the File menu
# after each step and checking the saved bench with voltaro-cli. On the way
# it checks the captions and that the components box belongs to the bench
# window.
#
# Usage: bench_session.sh VOLTARO VOLTARO_CLI
#
# Nothing here waits a fixed time for the program: every step waits for
# what it needs (a window, a picture, a file) with a generous deadline, so
# a slow or busy machine only makes the test slower.
set -euo pipefail

VOLTARO=$(realpath "$1")
CLI=$(realpath "$2")
DEADLINE=${VOLTARO_E2E_DEADLINE:-180}  # seconds any one wait may take

for tool in Xvfb xdotool xprop import convert identify jq; do
  command -v "$tool" > /dev/null || { echo "missing $tool: run scripts/setup" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/voltaro-e2e.XXXXXX")
XVFB_PID=""
APP_PID=""
STEP="starting"

finish() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAILED at: $STEP" >&2
    if [ -n "${DISPLAY:-}" ]; then import -window root "$WORK/failure.png" 2> /dev/null || true; fi
    echo "screen and program output kept in $WORK" >&2
    [ -f "$WORK/voltaro.log" ] && tail -20 "$WORK/voltaro.log" >&2
  fi
  [ -n "$APP_PID" ] && kill "$APP_PID" 2> /dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2> /dev/null || true
  [ -n "$APP_PID" ] && wait "$APP_PID" 2> /dev/null || true
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2> /dev/null || true
  [ "$status" -eq 0 ] && rm -rf "$WORK"
  exit "$status"
}
trap finish EXIT

fail() {
  echo "$*" >&2
  exit 1
}

# Runs "$@" until it succeeds or the deadline passes.
wait_until() {
  local what=$1
  shift
  local end=$((SECONDS + DEADLINE))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || fail "gave up waiting for $what"
    if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2> /dev/null; then
      fail "the program ended while waiting for $what"
    fi
    sleep 0.1
  done
}

# The visible window whose caption is exactly $1, or nothing.
window_named() {
  xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1
}
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }

# Screen position of a window's top left corner: "x y".
window_origin() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
}

keys_to_bench() {
  xdotool windowfocus "$MAIN"
  xdotool key --clearmodifiers "$@"
}

# How many of the program's windows are showing (its menus are windows
# too, while they are open).
windows_shown() {
  xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null | wc -l
}
more_windows_than() { [ "$(windows_shown)" -gt "$1" ]; }
windows_back_to() { [ "$(windows_shown)" -le "$1" ]; }

# Opens a menu of the bench window with its Alt key and waits until it
# shows, so that what follows goes to the menu.
open_menu() {
  MENU_BEFORE=$(windows_shown)
  keys_to_bench "alt+$1"
  wait_until "the menu alt+$1" more_windows_than "$MENU_BEFORE"
}
# Closes the open menu without choosing and waits until it is gone, so
# that the next click goes to the bench rather than closing the menu.
close_menu() {
  xdotool key Escape
  wait_until "the menu to close" windows_back_to "$MENU_BEFORE"
}

# ---- The virtual screen and the program ----------------------------------------

STEP="starting the X server"
exec 3> "$WORK/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
display_known() { [ -s "$WORK/display" ]; }
wait_until "the X server" display_known
export DISPLAY=":$(head -1 "$WORK/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

STEP="starting the program"
(cd "$WORK" && exec "$VOLTARO" > "$WORK/voltaro.log" 2>&1) &
APP_PID=$!
# The caption is the program's own, nothing appended.
wait_until "the bench window" has_window "Zentrik Voltaro V3.0"
MAIN=$(window_named "Zentrik Voltaro V3.0")

STEP="File > New"
open_menu f
xdotool key n
wait_until "the components box" has_window "Components box"
BOX=$(window_named "Components box")

STEP="checking the components box belongs to the bench window"
# A tool window of this bench window (kept above it by the window manager),
# not above every window on the screen, and opened beside it.
xprop -id "$BOX" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$MAIN")\$" ||
  fail "the components box is not a window of the bench window"
! xprop -id "$BOX" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the components box stays above every window"
read -r main_x _ < <(window_origin "$MAIN")
read -r box_x _ < <(window_origin "$BOX")
main_width=$(xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^WIDTH=/{print $2}')
[ "$box_x" -ge $((main_x + main_width)) ] || fail "the components box is not beside the bench window"

# ---- Where the bench picture lies on the screen ----------------------------------

# The first white run of at least 60 pixels along a line of the screen.
first_white_run() {  # crop geometry
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "$1" -depth 8 txt:- |
    awk 'NR > 1 { split($1, p, /[,:]/); i = (p[1] > p[2] ? p[1] : p[2]);
                  if ($3 == "#FFFFFF") { if (run == 0) start = i; if (++run >= 60) { print start; exit } }
                  else run = 0 }'
}

STEP="finding the bench"
read -r MAIN_X MAIN_Y < <(window_origin "$MAIN")
bench_found() {
  # Down a column in the middle of the window, then along a row near its
  # bottom, below the components box.
  BENCH_Y=$(first_white_run "1x600+$((MAIN_X + 600))+$MAIN_Y")
  [ -n "$BENCH_Y" ] || return 1
  BENCH_X=$(first_white_run "600x1+$MAIN_X+$((MAIN_Y + BENCH_Y + 600))")
  [ -n "$BENCH_X" ]
}
wait_until "the empty bench" bench_found
BENCH_X=$((MAIN_X + BENCH_X))
BENCH_Y=$((MAIN_Y + BENCH_Y))

# A press and release at bench coordinates.
bench_click() {
  click_at $((BENCH_X + $1)) $((BENCH_Y + $2))
}

# ---- The components box ------------------------------------------------------------

# The box is a "Select" button over seven groups; each group's header
# begins with a dark line at the box's left edge. Prints their rows.
header_rows() {
  import -window "$BOX" "$WORK/box.png"
  convert "$WORK/box.png" -crop 1x2000+3+0 -depth 8 txt:- |
    awk 'NR > 1 { split($1, p, /[,:]/); y = p[2];
                  gsub(/[()]/, "", $2); split($2, c, ",");
                  if (y > 34 && c[1] * 0.3 + c[2] * 0.59 + c[3] * 0.11 < 150) print y }'
}

# Opens group $1 (0 .. 6) of the box, then clicks its first button.
choose_in_box() {
  local group=$1 rows=() box_x box_y
  seven_headers() {
    mapfile -t rows < <(header_rows)
    [ "${#rows[@]}" -eq 7 ]
  }
  # An open group's page lies between its header and the next one (or the
  # bottom of the box for the last group).
  group_open() {
    seven_headers || return 1
    local below
    if [ "$group" -lt 6 ]; then
      below=${rows[group + 1]}
    else
      below=$(identify -format %h "$WORK/box.png")
    fi
    [ $((below - rows[group])) -gt 60 ]
  }
  wait_until "the seven groups of the components box" seven_headers
  read -r box_x box_y < <(window_origin "$BOX")
  if ! group_open; then
    click_at $((box_x + 60)) $((box_y + rows[group] + 12))
    wait_until "group $group of the components box" group_open
  fi
  click_at $((box_x + 60)) $((box_y + rows[group] + 50))
}

GROUP_POWER=0 GROUP_INSTRUMENTS=2 GROUP_SWITCHES=3 GROUP_OUTPUTS=4

# ---- Saving and reading the bench back -----------------------------------------------

SAVED="$WORK/lesson.ele"
SAVED_ONCE=0
REPORT="$WORK/report.json"

# File > Save; the first time through the save dialog, with a name typed.
save_bench() {
  rm -f "$SAVED"
  open_menu f
  xdotool key s
  if [ "$SAVED_ONCE" -eq 0 ]; then
    wait_until "the save dialog" has_window "保存实验"
    xdotool windowfocus "$(window_named "保存实验")"
    xdotool type --delay 20 "$SAVED"
    xdotool key Return
    wait_until "the save dialog to close" no_window "保存实验"
    SAVED_ONCE=1
  fi
  saved() { [ -s "$SAVED" ]; }
  wait_until "the saved experiment" saved
  "$CLI" solve --json "$SAVED" > "$REPORT"
}

# jq on the last report: true or false.
report_says() {
  [ "$(jq "$1" "$REPORT")" = "true" ]
}
expect() {
  report_says "$1" || { jq -c '.' "$REPORT" | head -c 4000 >&2; echo >&2; fail "expected $1"; }
}

# ---- The session -------------------------------------------------------------------

# Bench positions (centres) and terminals, from the placement geometry.
CELL_X=200 CELL_Y=200          # terminals A (-43, 0), B (43, 0)
SWITCH_X=400 SWITCH_Y=200      # A (-36, 15), B (33, 15)
BULB_X=600 BULB_Y=200          # A (-11, 8), B (1, 19)
AMMETER_X=400 AMMETER_Y=420    # common (-37, 50), 0.6 A (33, 50)
EMPTY_X=850 EMPTY_Y=650

STEP="placing a cell from the components box"
choose_in_box $GROUP_POWER
bench_click $CELL_X $CELL_Y
STEP="placing a switch"
choose_in_box $GROUP_SWITCHES
bench_click $SWITCH_X $SWITCH_Y
STEP="placing a bulb"
choose_in_box $GROUP_OUTPUTS
bench_click $BULB_X $BULB_Y
# The bulb asks for its rating; closing the choice keeps 10 ohm, 10 W.
wait_until "the bulb choice" has_window "Choice bulbs "
xdotool windowfocus "$(window_named "Choice bulbs ")"
xdotool key Escape
wait_until "the bulb choice to close" no_window "Choice bulbs "
STEP="placing an ammeter"
choose_in_box $GROUP_INSTRUMENTS
bench_click $AMMETER_X $AMMETER_Y

STEP="wiring the loop"
wire() {
  bench_click "$1" "$2"
  bench_click "$3" "$4"
}
wire $((CELL_X + 43)) $CELL_Y $((SWITCH_X - 36)) $((SWITCH_Y + 15))
wire $((SWITCH_X + 33)) $((SWITCH_Y + 15)) $((BULB_X - 11)) $((BULB_Y + 8))
wire $((BULB_X + 1)) $((BULB_Y + 19)) $((AMMETER_X + 33)) $((AMMETER_Y + 50))
wire $((AMMETER_X - 37)) $((AMMETER_Y + 50)) $((CELL_X - 43)) $CELL_Y

STEP="saving the wired bench"
save_bench
expect '[.elements[].kind] | sort == [6, 7, 21]'
expect '(.ammeters | length) == 1'
expect '[.wires[] | select(.state == 1)] | length == 4'
expect '.elements[] | select(.kind == 7) | .is_open == 1'

STEP="closing the switch by a double click"
# A double click that came out as two single clicks (the machine stalled
# between them) leaves the switch open; it is simply tried again.
for attempt in 1 2 3; do
  xdotool mousemove --sync $((BENCH_X + SWITCH_X)) $((BENCH_Y + SWITCH_Y - 5))
  xdotool click --repeat 2 --delay 80 1
  save_bench
  report_says '.elements[] | select(.kind == 7) | .is_open == 0' && break
done
expect '.elements[] | select(.kind == 7) | .is_open == 0'
expect '.short_circuit == false'
# 1.5 V over the 10 ohm bulb: 0.15 A through the loop and the ammeter.
expect '.ammeters[0].value | fabs | . > 0.14 and . < 0.16'
expect '.elements[] | select(.kind == 6) | .current | fabs | . > 0.14 and . < 0.16'

STEP="deleting the bulb with Del"
# The Edit menu opened and closed with nothing selected, then a selection:
# Del must act on the selection of now.
bench_click $EMPTY_X $EMPTY_Y
open_menu e
close_menu
bench_click $BULB_X $BULB_Y
keys_to_bench Delete
save_bench
expect '[.elements[].kind] | sort == [7, 21]'
expect '[.wires[] | select(.state == 1)] | length == 2'
expect '.ammeters[0].value | fabs < 1e-9'

STEP="copying and pasting the cell with Ctrl+C and Ctrl+V"
bench_click $EMPTY_X $EMPTY_Y
open_menu e
close_menu
bench_click $CELL_X $CELL_Y
keys_to_bench ctrl+c
# Paste puts the copy where the pointer last was on the bench.
xdotool mousemove --sync $((BENCH_X + 700)) $((BENCH_Y + 600))
keys_to_bench ctrl+v
save_bench
expect '[.elements[].kind] | sort == [7, 21, 21]'
expect '[.wires[] | select(.state == 1)] | length == 2'

STEP="done"
echo "bench session passed"
