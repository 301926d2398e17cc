#!/bin/sh
# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails on an include that runs up the layers: platform <- toolkit <- toolbar,
# help and the pages <- app (the picture packer of the build uses the toolkit). The
# core stands alone: the colour code, and the reference pages' own readers, which
# may use the colour code's; a page file may include the main window's class,
# whose methods it defines.
set -eu
cd "$(dirname "$0")/.."

allowed() { # file -> the folders its includes may name
    case "$1" in
    src/platform/*) echo "platform" ;;
    src/colourcode/resistor*.cpp) echo "platform toolkit colourcode app/tprincipale.h" ;;
    src/colourcode/*) echo "colourcode" ;;
    src/toolkit/*) echo "platform toolkit" ;;
    src/toolbar/*) echo "platform toolkit toolbar" ;;
    src/help/*) echo "platform toolkit help" ;;
    src/pack/*) echo "toolkit" ;;
    src/reference/capacitancemarking.* | src/reference/ledresistor.*)
        echo "colourcode/typedtext.h colourcode/standardseries.h reference/capacitancemarking.h reference/ledresistor.h" ;;
    src/reference/*) echo "platform toolkit colourcode reference app/tprincipale.h" ;;
    src/app/*) echo "platform toolkit toolbar help colourcode reference app" ;;
    *) echo "" ;;
    esac
}

status=0
for file in $(git ls-files 'src/*.cpp' 'src/*.h'); do
    layers=$(allowed "$file")
    for include in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
        ok=no
        # A file's own meta-object code, made by the build beside it.
        case "$include" in
        *.moc) ok=yes ;;
        esac
        for layer in $layers; do
            case "$include" in
            "$layer" | "$layer"/*) ok=yes ;;
            esac
        done
        if [ "$ok" = no ]; then
            echo "$file includes $include, a layer above its own" >&2
            status=1
        fi
    done
done
exit $status
