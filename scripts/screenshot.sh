#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the main window (each page) to PNG files in docs/screenshots, headless;
# the pages and the about box also at scale 1.5 and 2 (NAME-1.5x.png, NAME-2x.png).
set -eu
cd "$(dirname "$0")/.."
cmake --build build --target chromohm-screenshot -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./build/tools/screenshot/chromohm-screenshot docs/screenshots
for scale in 1.5 2; do
    QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        ./build/tools/screenshot/chromohm-screenshot docs/screenshots "${scale}x"
done
ls docs/screenshots/*.png
