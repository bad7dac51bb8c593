#!/usr/bin/env bash
# Builds and runs the skin gallery (installs missing Debian packages first).
#   bash scripts/gallery.sh                    shows the gallery; without a display, saves
#                                              its screenshots instead (into build/gallery-screens)
#   bash scripts/gallery.sh --screenshots DIR  saves one PNG per style and a contact sheet
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/env.sh
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target SkinGallery

gallery="$BUILD_DIR/gallery/SkinGallery"
# Room for the screenshots at 200 %, which take twice the pixels each way.
XVFB_SCREEN=2600x1700x24 start_display
trap stop_display EXIT
if [ $# -eq 0 ] && [ -n "$XVFB_PID" ]; then
    dir="$(pwd)/$BUILD_DIR/gallery-screens"
    "$gallery" --screenshots "$dir"
    echo "No display here: the gallery ran on a virtual display; screenshots saved in $dir"
else
    "$gallery" "$@"
fi
