#!/bin/sh
# Sets up, builds and runs every test headless: widget tests offscreen, the X11
# tests each inside an Xvfb of their own.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cd build
ctest --output-on-failure -j"$(nproc)"
