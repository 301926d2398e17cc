#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one test on a private headless weston, natively on Wayland, in a fresh
# runtime folder of its own so that its socket meets no other run's; with a
# private session bus beside it (with-private-bus.sh).
set -eu
runtime=$(mktemp -d)
socket="wayland-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null || true; wait $weston_pid || true; rm -rf "$runtime"' EXIT
trap 'exit 1' INT TERM
tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 1000 ] || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.01
done
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8
# The copies are put on the private bus or on none by the test.
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset DISPLAY
"$(dirname "$0")/../common/with-private-bus.sh" "$@"
