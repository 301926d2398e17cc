// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program entry, shared by the executable and the start-up benchmark.

#include <functional>

class TApplication;
class TPrincipale;

// Gives the application object the program's name, version, application id,
// title and help file.
void identifyProgram(TApplication &app);

// Sets up the application object, creates the main window, shows it and runs the
// loop; the arguments after the program's name are ignored. `shown`, when given,
// is called once the main window is shown.
int ChromohmMain(int argc, char **argv, const std::function<void(TPrincipale &)> &shown = {});
