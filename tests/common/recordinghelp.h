// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A help facility that shows nothing and keeps what it was asked, in order, as
// a user would name it: "index", "topic 5", "quit".

#include "platform/helpfacility.h"

#include <QStringList>

class RecordingHelp : public platform::HelpFacility {
public:
    void showIndex(const std::string &) override { calls << QStringLiteral("index"); }
    void showTopic(const std::string &, long topic) override {
        calls << QStringLiteral("topic %1").arg(topic);
    }
    void quit() override { calls << QStringLiteral("quit"); }

    QStringList calls;
};
