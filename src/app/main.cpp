// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Program entry; arguments are ignored.

#include "app/program.h"

int main(int argc, char *argv[]) {
    return ChromohmMain(argc, argv);
}
