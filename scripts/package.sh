#!/usr/bin/env bash
# Installs what is missing, builds the program and makes its Debian package with CPack.
# Prints the package's path; install it with: sudo apt-get install ./<file>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/env.sh
build_project
cd "$BUILD_DIR"
cpack -G DEB >/dev/null
ls -1 "$(pwd)"/*.deb
