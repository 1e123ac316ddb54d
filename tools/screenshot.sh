#!/usr/bin/env bash
# Takes docs/screenshot.png: Helion's main window, the natal and diurnal input windows and
# a natal report in the Data window, on a virtual X screen without a window manager.
#
#   tools/screenshot.sh                  # builds helion in ./build if needed
#   BUILD=other-dir tools/screenshot.sh  # uses another build directory
#   OUTPUT=/tmp/shot.png WAIT_SECONDS=60 tools/screenshot.sh
#
# The natal chart is an invented sample; the diurnal window keeps the present moment, so
# the picture shows the day it was taken. helion runs with HOME and XDG_DATA_HOME in a
# fresh temporary folder, so the user's own data files are neither read nor changed; the
# folder is removed afterwards.
set -euo pipefail

SCRIPT=$(readlink -f "$0")
cd "$(dirname "$SCRIPT")/.."
BUILD=${BUILD:-build}
OUTPUT=${OUTPUT:-docs/screenshot.png}
SCREEN_WIDTH=1280
SCREEN_HEIGHT=1024
WAIT_SECONDS=${WAIT_SECONDS:-30}

# Window captions, as extended regular expressions for `xdotool search --name`.
SPLASH_TITLE='^Helion$'
MAIN_TITLE='^Helion \(Tropical zodiac\) - .*:'
DATA_TITLE='^Helion \(Tropical zodiac\) - Data$'
NATAL_TITLE='^Natal Input Data$'
DIURNAL_TITLE='^Diurnal Input Data$'

die() { echo "screenshot: $*" >&2; exit 1; }

# Installs the Debian packages of the commands this script drives, when any is missing.
install_missing_tools() {
  local -A package_of=([xvfb-run]=xvfb [xauth]=xauth [xdotool]=xdotool [import]=imagemagick [convert]=imagemagick)
  local missing=() command
  for command in "${!package_of[@]}"; do
    command -v "$command" >/dev/null || missing+=("${package_of[$command]}")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_helion() {
  make --no-print-directory BUILD="$BUILD" deps "$BUILD/build.ninja"
  cmake --build "$BUILD" --target helion
}

# shellcheck source=tools/x-windows.sh
source "$(dirname "$SCRIPT")/x-windows.sh"

wait_until_gone() {
  local deadline=$((SECONDS + WAIT_SECONDS))
  while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || die "the window titled /$1/ did not close within ${WAIT_SECONDS}s"
    sleep 0.1
  done
}

# Replaces the text of the focused box, then moves on to the next control.
type_field() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Tab
}

# Checks the first button of the focused pair of option buttons (AM, West, North).
choose_first_option() {
  xdotool key Left space Tab
}

focus_window() {
  xdotool windowfocus --sync "$1"
}

# Prints "X Y WIDTH HEIGHT" of a window.
window_geometry() {
  # shellcheck disable=SC2034  # the eval sets SCREEN and WINDOW too
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# The input windows keep the places helion gives them, one under the other on this screen;
# the other windows take the wider one's width and the Data window fills the screen below
# them, so no window hides another and no bare screen shows between them.
arrange_windows() {
  local main=$1 natal=$2 diurnal=$3 data=$4 x y width height column_width=0 inputs_bottom=0 id
  for id in "$natal" "$diurnal"; do
    read -r x y width height < <(window_geometry "$id")
    column_width=$((width > column_width ? width : column_width))
    inputs_bottom=$((y + height > inputs_bottom ? y + height : inputs_bottom))
  done
  local data_height=$((SCREEN_HEIGHT - inputs_bottom))
  [ "$data_height" -ge 200 ] || die "the input windows leave only ${data_height} pixels for the Data window"

  for id in "$main" "$natal" "$diurnal"; do
    read -r x y width height < <(window_geometry "$id")
    xdotool windowsize --sync "$id" "$column_width" "$height"
  done
  xdotool windowmove --sync "$data" 0 "$inputs_bottom"
  xdotool windowsize --sync "$data" "$column_width" "$data_height"
}

# ImageMagick drawing arguments for a thin frame around each window: without a window
# manager the windows have no borders of their own.
window_outlines() {
  local id x y width height
  printf '%s\n' -fill none -stroke '#6b7280' -strokewidth 1
  for id in "$@"; do
    read -r x y width height < <(window_geometry "$id")
    printf '%s\n' -draw "rectangle $x,$y $((x + width - 1)),$((y + height - 1))"
  done
}

stop_helion() {
  kill "$helion_pid" 2>/dev/null || true
  wait "$helion_pid" 2>/dev/null || true
  rm -rf "$home"
}

# Runs inside the virtual X server: starts helion, enters the sample chart, shows the
# input windows again beside the report and photographs the windows.
take_screenshot() {
  # Globals, for the exit trap that outlives this function.
  home=$(mktemp -d)
  mkdir -m 700 "$home/runtime"
  HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" "$BUILD/bin/helion" &
  helion_pid=$!
  trap stop_helion EXIT

  local splash
  splash=$(wait_for_window "$SPLASH_TITLE")
  focus_window "$splash"
  xdotool key Return

  local main natal diurnal data
  main=$(wait_for_window "$MAIN_TITLE")
  natal=$(wait_for_window "$NATAL_TITLE")
  wait_for_window "$DIURNAL_TITLE" >/dev/null

  # The focus starts in the name box; the tab order then follows the boxes row by row,
  # then the AM/PM, West/East and North/South pairs.
  focus_window "$natal"
  local value
  for value in "Sample Chart" 3 7 1952 10 30 5 74 0 40 43; do type_field "$value"; done
  choose_first_option
  choose_first_option
  choose_first_option
  xdotool key alt+o

  data=$(wait_for_window "$DATA_TITLE")
  wait_until_gone "$NATAL_TITLE"
  focus_window "$main"
  xdotool key alt+i
  natal=$(wait_for_window "$NATAL_TITLE")
  diurnal=$(wait_for_window "$DIURNAL_TITLE")
  arrange_windows "$main" "$natal" "$diurnal" "$data"
  sleep 0.5  # lets helion repaint the resized windows

  local shot="$home/screen.png" width outlines
  import -window root "$shot"
  read -r _ _ width _ < <(window_geometry "$data")
  mapfile -t outlines < <(window_outlines "$main" "$natal" "$diurnal" "$data")
  convert "$shot" "${outlines[@]}" -crop "${width}x${SCREEN_HEIGHT}+0+0" +repage -colors 64 -strip "PNG8:$OUTPUT"
  echo "Wrote $OUTPUT"
}

if [ "${1:-}" = "--inside-x" ]; then
  take_screenshot
  exit
fi

install_missing_tools
build_helion
mkdir -p "$(dirname "$OUTPUT")"
xvfb-run --auto-servernum -s "-screen 0 ${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" bash "$SCRIPT" --inside-x
