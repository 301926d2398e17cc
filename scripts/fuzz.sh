#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang and runs each on its kept corpus.
#   scripts/fuzz.sh [seconds [target...]]   (default 300 s each; profile value)
# New inputs go to a scratch folder; the kept corpus, fuzz/corpus/TARGET, is then
# re-minimised, so it stays small. Crashes land in build-fuzz/artifacts/.
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-300}
[ $# -gt 0 ] && shift
TARGETS=${*:-profile value}

if ! command -v clang++ >/dev/null 2>&1; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends clang
fi

CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

for target in $TARGETS; do
    corpus=fuzz/corpus/$target
    rm -rf build-fuzz/new build-fuzz/merged
    mkdir -p build-fuzz/new build-fuzz/merged build-fuzz/artifacts "$corpus"
    ./build-fuzz/fuzz_$target -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/artifacts/ build-fuzz/new "$corpus"
    ./build-fuzz/fuzz_$target -merge=1 -max_len=4096 build-fuzz/merged "$corpus" build-fuzz/new
    rm -rf "$corpus" && mv build-fuzz/merged "$corpus"
    echo "$target corpus: $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
done
