#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds the program alone (not the tests) and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --build build --target chromohm -j"$(nproc)"
exec ./build/src/chromohm
