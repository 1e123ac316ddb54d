#!/usr/bin/env bash
# Writes docs/wheels/: a PNG of each of the seven wheels (the natal wheel American and
# European; the chart type applies to the single wheel only), each again in the spread
# layout (spread-*.png), a natal wheel whose crowded house needs a second row of stacks
# (spread-stellium.png), and a printed full page with its aspect grid, drawn by helion-cli
# and rendered from PDF to PNG with pdftoppm.
#
#   tools/wheel_screenshots.sh                  # builds helion-cli in ./build if needed
#   BUILD=other-dir tools/wheel_screenshots.sh  # uses another build directory
#
# The charts are invented samples. Every wheel is drawn from a temporary copy of data/
# (the user's program folder may hold older wheel tables); the printed page with the
# aspect grid switched on (option entry 178).
set -euo pipefail

SCRIPT=$(readlink -f "$0")
cd "$(dirname "$SCRIPT")/.."
BUILD=${BUILD:-build}
OUTPUT=docs/wheels
SIZE=1024x768
CLI="$BUILD/bin/helion-cli"
NATAL='Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43'
DIURNAL='Today,06 Dec 2026,12.00,P,5,74.00,40.43'
STELLIUM='Stellium,04 Feb 1962,08.00,P,5,74.00,40.43'  # seven bodies in Aquarius

command -v pdftoppm >/dev/null || { echo "wheel_screenshots: pdftoppm missing (tools/install-deps.sh)" >&2; exit 1; }
[ -x "$CLI" ] || cmake --build "$BUILD" --target helion-cli
mkdir -p "$OUTPUT"
FOLDER=$(mktemp -d)
trap 'rm -rf "$FOLDER"' EXIT
cp data/* "$FOLDER"/

wheel() {  # name, then the wheel arguments; CHART replaces the natal sample
    local name=$1
    shift
    "$CLI" wheel "$@" --folder "$FOLDER" --natal "${CHART:-$NATAL}" --diurnal "$DIURNAL" --size "$SIZE" --out "$OUTPUT/$name.png"
}

for layout in classic spread; do
    prefix=$([ "$layout" = spread ] && echo spread- || true)
    wheel "${prefix}natal-american" natal --layout "$layout"
    wheel "${prefix}natal-european" natal --european --layout "$layout"
    for mode in progressed minor transits minor-progressed-natal transits-progressed-natal transits-minor-natal; do
        wheel "$prefix$mode" "$mode" --layout "$layout"
    done
done
CHART=$STELLIUM wheel spread-stellium natal --layout spread

sed -i '178s/^0 /1 /' "$FOLDER/OPTIONS.OPT"
"$CLI" wheel natal --page --folder "$FOLDER" --natal "$NATAL" --diurnal "$DIURNAL" --out "$FOLDER/page.pdf"
pdftoppm -png -r 100 -singlefile "$FOLDER/page.pdf" "$OUTPUT/printed-page"
echo "wrote $(ls "$OUTPUT" | wc -l) pictures into $OUTPUT"
