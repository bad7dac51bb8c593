#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests under the project's font
# configuration (scripts/fonts.conf).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/env.sh
build_project
# Every test sees only the faces the guide depends on, whatever else is installed here.
export FONTCONFIG_FILE="$(pwd)/scripts/fonts.conf"
start_display
trap stop_display EXIT
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 900 "$@"
