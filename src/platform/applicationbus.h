// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's name on the session bus, for where no program sees another's
// windows (Wayland): the copy that owns it answers the freedesktop Application
// interface, and a later copy asks it to come forward instead of staying.

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <chrono>

namespace platform {

class ApplicationBus : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Owned,          // this copy owns the name (or may yet) and answers on it
        OwnerActivated, // another copy owns it and has been asked to come forward
        NoBus,          // no bus, or no clear answer in time: the bus decides nothing
    };

    // appId is the well-known name; the object path follows from it.
    explicit ApplicationBus(const QString &appId, QObject *parent = nullptr);

    // Takes the name for this copy or, when another copy owns it, calls its
    // Activate with platformData. Waits at most `within` on the bus in all.
    Claim claim(const QVariantMap &platformData, std::chrono::milliseconds within);

    // "/org/example/App" for "org.example.App".
    static QString objectPath(const QString &appId);
    // This start's activation token and startup id, under the keys of the
    // Application interface's platform data.
    static QVariantMap startPlatformData();

signals:
    // A later copy's Activate; the token is empty when it brought none.
    void activated(const QString &activationToken);

private:
    QString m_appId;
    QString m_path;
    QObject *m_interface;
};

} // namespace platform
