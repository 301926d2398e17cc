#!/bin/sh
# Renders the main window (each page) to PNG files in docs/screenshots, headless.
set -eu
cd "$(dirname "$0")/.."
cmake --build build --target chromohm-screenshot -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./build/tools/screenshot/chromohm-screenshot docs/screenshots
ls docs/screenshots/*.png
