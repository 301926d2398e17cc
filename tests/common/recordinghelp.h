// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A help facility that shows nothing and keeps what it was asked, in order, as
// a user would name it: "index", "topic 5", "quit".

#include "platform/helpfacility.h"

#include <QStringList>

class RecordingHelp : public platform::HelpFacility {
public:
    void command(const std::string &, platform::HelpCommand cmd, long data) override {
        switch (cmd) {
        case platform::HelpCommand::Index:
            calls << QStringLiteral("index");
            break;
        case platform::HelpCommand::Context:
            calls << QStringLiteral("topic %1").arg(data);
            break;
        case platform::HelpCommand::Quit:
            calls << QStringLiteral("quit");
            break;
        }
    }

    QStringList calls;
};
