#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Rebuilds the picture generator and redraws every picture into resources/res.
# With --sheet, also writes docs/pictures-sheet.png (all pictures at 8x).
set -eu
cd "$(dirname "$0")/.."
[ -d build ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target drawresources -j2 >build/draw-resources.log 2>&1 || { cat build/draw-resources.log; exit 1; }
sheet=""
[ "${1:-}" = "--sheet" ] && sheet=docs/pictures-sheet.png
QT_QPA_PLATFORM=offscreen ./build/tools/drawresources/drawresources resources/res $sheet
ls resources/res resources/res/cursors resources/res/icons
