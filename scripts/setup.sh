#!/bin/sh
# Installs what building, running and testing Chromohm needs on Debian 12,
# then configures and builds the tree in ./build. Safe to run again.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
libgl-dev libx11-dev libxkbcommon-x11-0 xvfb xauth openbox x11-utils fonts-liberation"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    # shellcheck disable=SC2086
    $SUDO apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
