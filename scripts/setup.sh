#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, running and testing Chromohm needs on Debian 12, then
# configures the tree in ./build. Safe to run again.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-wayland
libgl-dev libx11-dev libfontconfig-dev libxkbcommon-x11-0 xvfb xauth openbox x11-utils fonts-liberation
desktop-file-utils appstream qt6-gtk-platformtheme weston dbus-daemon"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        SUDO=""
    elif command -v sudo >/dev/null 2>&1; then
        SUDO="sudo"
    else
        echo "Paquets manquants ; lancez en root : apt-get update && apt-get install -y --no-install-recommends$missing" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    # shellcheck disable=SC2086
    $SUDO apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
