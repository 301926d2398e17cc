#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one test beside a session bus of its own, listening in a private folder;
# its address is in CHROMOHM_TEST_BUS, for the copies the test puts on it.
set -eu
dir=$(mktemp -d)
trap 'kill "$(cat "$dir/pid")" 2>/dev/null || true; rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM
dbus-daemon --session --fork --print-address=3 --print-pid=4 --address="unix:dir=$dir" \
    3>"$dir/address" 4>"$dir/pid" 2>/dev/null
CHROMOHM_TEST_BUS=$(cat "$dir/address")
export CHROMOHM_TEST_BUS
"$@"
