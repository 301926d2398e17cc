#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one test inside a private Xvfb; -displayfd picks a free display so that
# parallel runs never collide.
set -eu
exec 3>&1
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r display <"$fifo"
rm -f "$fifo"
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT INT TERM
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
# No session bus: none is autolaunched for the private server to outlive the
# test, and the desktop's own is not the test's business.
export DBUS_SESSION_BUS_ADDRESS=disabled:
"$@"
