#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds everything and runs every test headless: widget tests
# offscreen, the X11 tests each inside an Xvfb of their own.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
