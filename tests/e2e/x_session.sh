# The shared part of the sessions that drive the real program on a virtual X
# server with the mouse and the keyboard: waiting with generous deadlines,
# finding windows, menus, the bench and the components box. Sourced by each
# session after it has set VOLTARO (and CLI); it starts nothing itself.
#
# Nothing here waits a fixed time for the program: every step waits for
# what it needs (a window, a picture, a file) with a generous deadline, so
# a slow or busy machine only makes the test slower.

DEADLINE=${VOLTARO_E2E_DEADLINE:-180}  # seconds any one wait may take

for tool in Xvfb xdotool xprop import convert identify jq; do
  command -v "$tool" > /dev/null || { echo "missing $tool: run scripts/setup" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/voltaro-e2e.XXXXXX")
# The program keeps its settings and recovery files here, not in the
# user's own folders.
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
XVFB_PID=""
APP_PID=""
OTHER_PIDS=()  # further programs a session starts
STEP="starting"

finish() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAILED at: $STEP" >&2
    if [ -n "${DISPLAY:-}" ]; then import -window root "$WORK/failure.png" 2> /dev/null || true; fi
    echo "screen and program output kept in $WORK" >&2
    [ -f "$WORK/voltaro.log" ] && tail -20 "$WORK/voltaro.log" >&2
  fi
  for pid in "$APP_PID" "${OTHER_PIDS[@]}"; do
    [ -n "$pid" ] && kill "$pid" 2> /dev/null || true
  done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2> /dev/null || true
  for pid in "$APP_PID" "${OTHER_PIDS[@]}"; do
    [ -n "$pid" ] && wait "$pid" 2> /dev/null || true
  done
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
# The visible window of process $1 whose caption is exactly $2, or nothing.
window_of() {
  xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2> /dev/null | head -1
}

# Screen position of a window's top left corner: "x y".
window_origin() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
}

# Keys to window $1 (the rest of the arguments), given the focus first.
keys_to() {
  local window=$1
  shift
  xdotool windowactivate --sync "$window" 2> /dev/null || xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$@"
}

keys_to_bench() {
  keys_to "$MAIN" "$@"
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

# Starts the virtual X server, with a screen of $1 (WIDTHxHEIGHT, 1600x1000
# unless given), and points DISPLAY at it.
start_x_server() {
  STEP="starting the X server"
  exec 3> "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1600x1000}x24" -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  display_known() { [ -s "$WORK/display" ]; }
  wait_until "the X server" display_known
  export DISPLAY=":$(head -1 "$WORK/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# ---- Where the bench picture lies on the screen ----------------------------------

# The first white run of at least 60 pixels along a line of the screen.
first_white_run() {  # crop geometry
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "$1" -depth 8 txt:- |
    awk 'NR > 1 { split($1, p, /[,:]/); i = (p[1] > p[2] ? p[1] : p[2]);
                  if ($3 == "#FFFFFF") { if (run == 0) start = i; if (++run >= 60) { print start; exit } }
                  else run = 0 }'
}

# Finds the bench picture of the window MAIN on the screen: sets MAIN_X,
# MAIN_Y and BENCH_X, BENCH_Y. It looks down a column $1 pixels right of the
# window's edge, $2 pixels long, for the bench's first white row, then along
# that row $3 pixels lower, $4 pixels long, for its first white column. By
# default the column runs down the middle of the window and the row lies
# near its bottom, below the components box, where an empty bench shows.
find_bench() {
  local column=${1:-600} down=${2:-600} row=${3:-600} along=${4:-600}
  read -r MAIN_X MAIN_Y < <(window_origin "$MAIN")
  bench_found() {
    BENCH_Y=$(first_white_run "1x$down+$((MAIN_X + column))+$MAIN_Y")
    [ -n "$BENCH_Y" ] || return 1
    BENCH_X=$(first_white_run "${along}x1+$MAIN_X+$((MAIN_Y + BENCH_Y + row))")
    [ -n "$BENCH_X" ]
  }
  wait_until "the bench" bench_found
  BENCH_X=$((MAIN_X + BENCH_X))
  BENCH_Y=$((MAIN_Y + BENCH_Y))
}

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
