#!/usr/bin/env bash
# A physics lesson with the real program on a virtual X server: the AC
# generator example opened, the Chart window showing the bulb's current
# swinging both ways; then the Ohm's-law example opened (which empties the
# chart), the Measurements window recording the meters at three slider
# positions with F9, the current plotted against the voltage, and the
# table exported and checked: the resistance from the slope is the
# resistor's and the voltmeter's in parallel.
#
# Usage: measurements_session.sh VOLTARO VOLTARO_CLI EXAMPLES_FOLDER [SHOTS_FOLDER]
# With SHOTS_FOLDER, the screen shots of each step are kept there.
#
# Nothing here waits a fixed time for the program: every step waits for
# what it needs (a window, a picture, a file) with a generous deadline, so
# a slow or busy machine only makes the test slower.
set -euo pipefail

VOLTARO=$(realpath "$1")
CLI=$(realpath "$2")
EXAMPLES=$(realpath "$3")
SHOTS=${4:-}

# shellcheck source=x_session.sh
source "$(dirname "$(realpath "$0")")/x_session.sh"

# A screen shot of one window, kept when SHOTS is given.
shot() {  # window name
  import -window "$1" "$WORK/$2.png"
  if [ -n "$SHOTS" ]; then mkdir -p "$SHOTS" && cp "$WORK/$2.png" "$SHOTS/"; fi
}

# Types a path into the file dialog titled $1 and waits until it closes.
answer_file_dialog() {
  wait_until "the dialog $1" has_window "$1"
  xdotool windowfocus --sync "$(window_named "$1")"
  xdotool type --delay 20 "$2"
  xdotool key Return
  wait_until "the dialog $1 to close" no_window "$1"
}

# The chart's first trace is drawn in rgb(200, 30, 30). Prints how many
# times the middle of the red pixels of each column of the picture crosses
# the middle height of the trace, and the trace's height in pixels: a sine
# crosses again and again.
red_crossings() {  # picture
  convert "$1" -depth 8 txt:- |
    awk -v h="$(identify -format %h "$1")" '
      NR > 1 {
        split($1, p, /[,:]/); x = p[1]; y = p[2];
        if (y > 0.85 * h) next;   # the legend
        gsub(/[()]/, "", $2); split($2, c, ",");
        if (c[1] > 150 && c[2] < 90 && c[3] < 90) { sum[x] += y; n[x]++;
          if (!(x in lo) || y < lo[x]) lo[x] = y; if (!(x in hi) || y > hi[x]) hi[x] = y }
      }
      END {
        top = 1e9; bottom = -1;
        for (x in n) { if (lo[x] < top) top = lo[x]; if (hi[x] > bottom) bottom = hi[x] }
        if (bottom < 0) { print 0, 0; exit }
        mid = (top + bottom) / 2; band = (bottom - top) / 4; side = 0; crossings = 0;
        for (x = 0; x < 5000; x++) {
          if (!(x in n)) continue;
          m = sum[x] / n[x];
          s = m < mid - band ? 1 : (m > mid + band ? -1 : 0);
          if (s != 0 && side != 0 && s != side) crossings++;
          if (s != 0) side = s;
        }
        print crossings, bottom - top;
      }'
}

# ---- The virtual screen and the program ----------------------------------------

start_x_server 2560x1440

STEP="starting the program on the AC generator"
cp "$EXAMPLES/ac_generator.ele" "$EXAMPLES/ohms_law.ele" "$WORK/"
(cd "$WORK" && exec "$VOLTARO" "$WORK/ac_generator.ele" > "$WORK/voltaro.log" 2>&1) &
APP_PID=$!
wait_until "the bench window" has_window "Zentrik Voltaro V3.0"
MAIN=$(window_named "Zentrik Voltaro V3.0")
wait_until "the components box" has_window "Components box"

# ---- The chart of the generator's current ------------------------------------------

STEP="View > Chart"
open_menu v
xdotool key h
wait_until "the chart" has_window "Chart"
CHART=$(window_named "Chart")
# Beside the bench and its components box, as a pupil drags it there.
xdotool windowmove --sync "$CHART" 1300 0
xprop -id "$CHART" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$MAIN")\$" ||
  fail "the chart is not a window of the bench window"
! xprop -id "$CHART" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the chart stays above every window"

STEP="charting the bulb's current"
# Alt+Q goes to the list of quantities; typing a quantity's name finds it
# and Space ticks it.
keys_to "$CHART" alt+q
xdotool type --delay 30 "Bulb 1 current"
xdotool key space

STEP="watching the current swing both ways"
sine_drawn() {
  shot "$CHART" chart
  read -r CROSSINGS HEIGHT < <(red_crossings "$WORK/chart.png")
  [ "$CROSSINGS" -ge 4 ] && [ "$HEIGHT" -ge 100 ]
}
wait_until "a sine on the chart" sine_drawn
echo "chart: the bulb's current crossed its middle $CROSSINGS times, $HEIGHT pixels high"

# ---- The Ohm's-law lab ------------------------------------------------------------

STEP="File > Open the Ohm's-law example"
open_menu f
xdotool key o
wait_until "the question to save" has_window "Confirm"
keys_to "$(window_named "Confirm")" n
answer_file_dialog "打开实验" "$WORK/ohms_law.ele"

STEP="checking that opening emptied the chart"
chart_empty() {
  shot "$CHART" chart_after_open
  read -r CROSSINGS HEIGHT < <(red_crossings "$WORK/chart_after_open.png")
  [ "$HEIGHT" -eq 0 ]
}
wait_until "the chart to be emptied" chart_empty

STEP="View > Measurements"
open_menu v
xdotool key m
wait_until "the measurements" has_window "Measurements"
TABLE=$(window_named "Measurements")
xdotool windowmove --sync "$TABLE" 1300 720

STEP="finding the bench"
# Down a column through the top of the bench right of the example's note,
# then along the bench's top row.
find_bench 700 300 5 300

# ---- Three slider positions, each recorded with F9 -------------------------------------

# The example's slide rheostat stands at (470, 250); its knob, 28 pixels
# wide, lies 60 x slider pixels to the right of its left end, and the
# slider is read from where the knob is let go.
RHEOSTAT_X=470 RHEOSTAT_Y=250
slider=0.5
move_slider() {  # to
  local from_x to_x
  from_x=$(awk -v s="$slider" -v x="$RHEOSTAT_X" 'BEGIN { print x + int(60 * s) - 29 }')
  to_x=$(awk -v s="$1" -v x="$RHEOSTAT_X" 'BEGIN { print x - 31 + 60 * s }')
  xdotool mousemove --sync $((BENCH_X + from_x)) $((BENCH_Y + RHEOSTAT_Y - 10)) mousedown 1
  xdotool mousemove --sync $((BENCH_X + (from_x + to_x) / 2)) $((BENCH_Y + RHEOSTAT_Y - 10))
  xdotool mousemove --sync $((BENCH_X + to_x)) $((BENCH_Y + RHEOSTAT_Y - 10)) mouseup 1
  slider=$1
}
for position in 0.2 0.5 0.8; do
  STEP="recording at slider $position"
  move_slider "$position"
  keys_to "$MAIN" F9
done
shot "$MAIN" bench_after
shot "$TABLE" measurements

STEP="exporting the table"
CSV="$WORK/ohm.csv"
keys_to "$TABLE" alt+x
answer_file_dialog "Export the measurements as CSV" "$CSV"
exported() { [ -s "$CSV" ]; }
wait_until "the exported table" exported

STEP="checking the resistance from the slope"
"$CLI" solve --json "$WORK/ohms_law.ele" > "$WORK/report.json"
resistor=$(jq '.elements[] | select(.kind == 1) | .resistance' "$WORK/report.json")
voltmeter=$(jq '.voltmeters[0].range_resistance_1' "$WORK/report.json")
# The heading, then one row per press of F9: time, voltmeter, ammeter.
tr -d '\r' < "$CSV" | sed '1s/^\xEF\xBB\xBF//' | awk -F, -v r="$resistor" -v m="$voltmeter" '
  NR == 1 { if ($2 != "Pointer voltmeter 1 (V)" || $3 != "Pointer ammeter 1 (A)") {
              print "unexpected heading: " $0; exit 1 } next }
  { n++; x[n] = $2; y[n] = $3; sx += $2; sy += $3 }
  END {
    if (n != 3) { print "expected 3 rows, found " n; exit 1 }
    if (x[1] == x[2] || x[2] == x[3]) { print "the slider did not change the voltage"; exit 1 }
    mx = sx / n; my = sy / n;
    for (i = 1; i <= n; i++) { sxy += (x[i] - mx) * (y[i] - my); sxx += (x[i] - mx) ^ 2 }
    got = sxx / sxy; want = r * m / (r + m);
    printf "measurements: R = 1 / slope = %.9g ohm, the meters give %.9g ohm\n", got, want;
    if (got / want - 1 > 1e-6 || want / got - 1 > 1e-6) exit 1
  }' || fail "the table does not give the resistance"

STEP="done"
echo "measurements session passed"
