#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/env.sh
build_project
start_display
trap stop_display EXIT
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 900 "$@"
