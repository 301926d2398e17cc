#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the INI fuzz target with clang and runs it on the kept corpus.
#   scripts/fuzz.sh [seconds]   (default 300)
# New inputs go to a scratch folder; the kept corpus is then re-minimised into
# fuzz/corpus, so it stays small. Crashes land in build-fuzz/artifacts/.
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-300}

if ! command -v clang++ >/dev/null 2>&1; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends clang
fi

CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

mkdir -p build-fuzz/new build-fuzz/artifacts build-fuzz/merged fuzz/corpus
./build-fuzz/fuzz_profile -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/ build-fuzz/new fuzz/corpus

rm -rf build-fuzz/merged && mkdir -p build-fuzz/merged
./build-fuzz/fuzz_profile -merge=1 -max_len=4096 build-fuzz/merged fuzz/corpus build-fuzz/new
rm -rf fuzz/corpus && mv build-fuzz/merged fuzz/corpus
echo "corpus: $(ls fuzz/corpus | wc -l) files, $(du -sk fuzz/corpus | cut -f1) KiB"
