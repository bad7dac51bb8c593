#!/usr/bin/env bash
# Installs what the build, the program and the tests need, when it is missing (Debian 12).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libgl1-mesa-dev
    xvfb openbox xdotool x11-utils imagemagick
    fonts-arphic-uming fonts-dejavu-core fonts-dejavu-extra fonts-croscore
    libgif-dev giflib-tools libstb-dev python3-pil libbenchmark-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
