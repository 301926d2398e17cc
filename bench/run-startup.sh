#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up benchmark under a private Xvfb: ./bench/run-startup.sh [RUNS] [IDLE_SECONDS]
set -eu
cd "$(dirname "$0")/.."
cmake --build build --target chromohm-startup-probe chromohm-startup-bench -j"$(nproc)" >/dev/null
exec tests/x11/run-under-xvfb.sh build/bench/startup/chromohm-startup-bench \
    build/bench/startup/chromohm-startup-probe "${1:-21}" "${2:-10}"
