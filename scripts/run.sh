#!/bin/sh
# Sets up, builds and starts Chromohm.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
exec ./build/src/chromohm
