#!/usr/bin/env bash
# Starts Helion for the first time (no settings yet) on a virtual X screen under the openbox
# window manager and checks, by the frames openbox draws, that no window covers the main
# window's menus, the natal input window (its Now and OK buttons) or the diurnal one, that
# every window lies on the screen, and that the Data window a chart opens, the Options
# window and the wheel window leave the main window's menus free. With a file name it also
# photographs the screen at the first start, and beside it (NAME-wheel.png) the screen
# with the natal wheel open.
#
#   tools/first-start.sh 1280x1024                                    # the check alone
#   tools/first-start.sh 1920x1080 docs/first-start-1920x1080.png     # check and photograph
#   HELION=other-build/bin/helion tools/first-start.sh 1280x1024
#
# Exits 77 (a skipped test) when Xvfb, openbox, xdotool or xprop is missing. helion runs
# with HOME and XDG_DATA_HOME in a fresh temporary folder, removed afterwards.
set -euo pipefail

SCRIPT=$(readlink -f "$0")
cd "$(dirname "$SCRIPT")/.."
HELION=${HELION:-build/bin/helion}
WAIT_SECONDS=${WAIT_SECONDS:-30}
SKIP=77

SPLASH_TITLE='^Helion$'
MAIN_TITLE='^Helion \(Tropical zodiac\) - .*:'
DATA_TITLE='^Helion \(Tropical zodiac\) - Data$'
NATAL_TITLE='^Natal Input Data$'
DIURNAL_TITLE='^Diurnal Input Data$'
OPTIONS_TITLE='^Edit: OPTIONS.OPT$'
NAMES_TITLE='^Names$'
WHEEL_TITLE='^Chartwheels'

die() { echo "first-start: $*" >&2; exit 1; }

# shellcheck source=tools/x-windows.sh
source "$(dirname "$SCRIPT")/x-windows.sh"

# Prints "LEFT TOP RIGHT BOTTOM" of a window's inside (right and bottom just past it).
inside_of() {
  local x y width height
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $NF}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $NF}')
  width=$(xwininfo -id "$1" | awk '/^ *Width:/ {print $NF}')
  height=$(xwininfo -id "$1" | awk '/^ *Height:/ {print $NF}')
  echo "$x $y $((x + width)) $((y + height))"
}

# The same for the window with the frame the window manager put around it.
frame_of() {
  local left top right bottom extents
  read -r left top right bottom < <(inside_of "$1")
  # _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || die "the window manager gave window $1 no frame"
  IFS=, read -r l r t b <<<"$extents"
  echo "$((left - l)) $((top - t)) $((right + r)) $((bottom + b))"
}

overlap() {  # two "LEFT TOP RIGHT BOTTOM" rectangles
  local a b
  read -r -a a <<<"$1"
  read -r -a b <<<"$2"
  [ "${a[0]}" -lt "${b[2]}" ] && [ "${b[0]}" -lt "${a[2]}" ] &&
    [ "${a[1]}" -lt "${b[3]}" ] && [ "${b[1]}" -lt "${a[3]}" ]
}

failures=0
expect_uncovered() {  # name, inside rectangle, then "name:frame" of the others
  local name=$1 inside=$2 other
  shift 2
  for other in "$@"; do
    if overlap "$inside" "${other#*:}"; then
      echo "FAIL: ${other%%:*} (${other#*:}) covers the $name ($inside)"
      failures=$((failures + 1))
    fi
  done
}

expect_on_screen() {
  local name=$1 r
  read -r -a r <<<"$2"
  if [ "${r[0]}" -lt 0 ] || [ "${r[1]}" -lt 0 ] ||
    [ "${r[2]}" -gt "$SCREEN_WIDTH" ] || [ "${r[3]}" -gt "$SCREEN_HEIGHT" ]; then
    echo "FAIL: the $name (${r[*]}) runs off the ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen"
    failures=$((failures + 1))
  fi
}

stop_all() {
  kill "$helion_pid" "$openbox_pid" 2>/dev/null || true
  wait "$helion_pid" "$openbox_pid" 2>/dev/null || true
  rm -rf "$home"
}

check_inside_x() {
  home=$(mktemp -d)
  mkdir -m 700 "$home/runtime"
  helion_pid=0
  openbox --sm-disable >/dev/null 2>&1 &
  openbox_pid=$!
  trap stop_all EXIT
  local deadline=$((SECONDS + WAIT_SECONDS))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ $SECONDS -lt $deadline ] || die "openbox did not start"
    sleep 0.1
  done

  env -u QT_QPA_PLATFORM HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$home/runtime" "$HELION" &
  helion_pid=$!
  local splash main natal diurnal data
  splash=$(wait_for_window "$SPLASH_TITLE")
  xdotool windowactivate --sync "$splash" key Return
  main=$(wait_for_window "$MAIN_TITLE")
  natal=$(wait_for_window "$NATAL_TITLE")
  diurnal=$(wait_for_window "$DIURNAL_TITLE")
  sleep 1  # the windows settle where helion moved them

  local main_inside natal_inside diurnal_inside main_frame natal_frame diurnal_frame names_frame
  main_inside=$(inside_of "$main"); main_frame=$(frame_of "$main")
  natal_inside=$(inside_of "$natal"); natal_frame=$(frame_of "$natal")
  diurnal_inside=$(inside_of "$diurnal"); diurnal_frame=$(frame_of "$diurnal")
  names_frame=$(frame_of "$(wait_for_window "$NAMES_TITLE")")
  echo "main window frame:    $main_frame"
  echo "natal window frame:   $natal_frame"
  echo "diurnal window frame: $diurnal_frame"
  echo "Names window frame:   $names_frame"
  expect_uncovered "main window's menus" "$main_inside" "natal window:$natal_frame" "diurnal window:$diurnal_frame"
  expect_uncovered "natal window's boxes and its Now and OK buttons" "$natal_inside" \
    "main window:$main_frame" "diurnal window:$diurnal_frame"
  expect_uncovered "diurnal window" "$diurnal_inside" "main window:$main_frame" "natal window:$natal_frame"
  for name in main natal diurnal names; do
    frame_var="${name}_frame"
    expect_on_screen "$name window" "${!frame_var}"
  done

  if [ -n "$SHOT" ]; then
    mkdir -p "$(dirname "$SHOT")"
    import -window root "$home/screen.png"
    convert "$home/screen.png" -colors 64 -strip "PNG8:$SHOT"
    echo "Wrote $SHOT"
  fi

  # OK computes the chart of the present moment and opens the Data window.
  xdotool windowactivate --sync "$natal" key alt+o
  data=$(wait_for_window "$DATA_TITLE")
  sleep 1
  local data_inside data_frame
  data_inside=$(inside_of "$data"); data_frame=$(frame_of "$data")
  echo "Data window frame:    $data_frame"
  expect_uncovered "Data window's menu bar" "$data_inside" "main window:$main_frame"
  expect_uncovered "main window's menus" "$main_inside" "Data window:$data_frame"
  expect_on_screen "Data window" "$data_frame"

  local options options_frame
  xdotool windowactivate --sync "$main" key alt+o
  options=$(wait_for_window "$OPTIONS_TITLE")
  sleep 1
  options_frame=$(frame_of "$options")
  echo "Options window frame: $options_frame"
  expect_uncovered "main window's menus" "$main_inside" "Options window:$options_frame"
  expect_on_screen "Options window" "$options_frame"

  # The natal wheel (Wheels, Natal chartwheel) opens under or beside the main window.
  local wheel wheel_inside wheel_frame
  xdotool windowactivate --sync "$main" key --delay 300 alt+w n
  wheel=$(wait_for_window "$WHEEL_TITLE")
  sleep 1
  wheel_inside=$(inside_of "$wheel"); wheel_frame=$(frame_of "$wheel")
  echo "wheel window frame:   $wheel_frame"
  expect_uncovered "main window's menus" "$main_inside" "wheel window:$wheel_frame"
  expect_uncovered "wheel window" "$wheel_inside" "main window:$main_frame"
  expect_on_screen "wheel window" "$wheel_frame"
  if [ -n "$SHOT" ]; then
    import -window root "$home/wheel.png"
    convert "$home/wheel.png" -colors 64 -strip "PNG8:${SHOT%.png}-wheel.png"
    echo "Wrote ${SHOT%.png}-wheel.png"
  fi

  [ "$failures" -eq 0 ] || die "$failures check(s) failed"
  echo "first-start: every window uncovered and on the ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen"
}

if [ "${1:-}" = "--inside-x" ]; then
  SCREEN_WIDTH=$2 SCREEN_HEIGHT=$3 SHOT=${4:-}
  check_inside_x
  exit
fi

[[ "${1:-}" =~ ^([0-9]+)x([0-9]+)$ ]] || die "usage: $0 WIDTHxHEIGHT [screenshot.png]"
width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
shot=${2:-}
for command in xvfb-run Xvfb xauth openbox xdotool xprop xwininfo; do
  command -v "$command" >/dev/null || { echo "first-start: $command is missing; skipped"; exit $SKIP; }
done
if [ -n "$shot" ]; then
  if ! command -v import >/dev/null || ! command -v convert >/dev/null; then die "the screenshot needs ImageMagick"; fi
  shot=$(readlink -f "$shot")
fi
[ -x "$HELION" ] || die "no helion at $HELION (build it first)"
HELION=$(readlink -f "$HELION")
export HELION WAIT_SECONDS
xvfb-run --auto-servernum -s "-screen 0 ${width}x${height}x24" bash "$SCRIPT" --inside-x "$width" "$height" "$shot"
