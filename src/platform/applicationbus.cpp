// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/applicationbus.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QStringList>
#include <QVariantList>
#include <algorithm>

namespace platform {

namespace {

const QString ApplicationInterface = QStringLiteral("org.freedesktop.Application");

// RequestName's flag and answers.
constexpr uint DoNotQueue = 4;
constexpr uint PrimaryOwner = 1;
constexpr uint Exists = 3;
constexpr uint AlreadyOwner = 4;

// What the copy that owns the name answers on it. The program opens no
// documents and has no actions, so Open and ActivateAction are refused.
class ApplicationObject : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    explicit ApplicationObject(ApplicationBus *bus) : QObject(bus), m_bus(bus) {}

public slots:
    void Activate(const QVariantMap &platformData) {
        QString token = platformData.value(QStringLiteral("activation-token")).toString();
        if (token.isEmpty())
            token = platformData.value(QStringLiteral("desktop-startup-id")).toString();
        emit m_bus->activated(token);
    }
    void Open([[maybe_unused]] const QStringList &uris,
              [[maybe_unused]] const QVariantMap &platformData) {
        sendErrorReply(QDBusError::NotSupported, QStringLiteral("Chromohm n'ouvre aucun document"));
    }
    void ActivateAction([[maybe_unused]] const QString &actionName,
                        [[maybe_unused]] const QVariantList &parameter,
                        [[maybe_unused]] const QVariantMap &platformData) {
        sendErrorReply(QDBusError::NotSupported, QStringLiteral("Chromohm n'a aucune action"));
    }

private:
    ApplicationBus *m_bus;
};

// The bus's own interface waits 25 s for an answer; ours waits what is left.
int msecondsLeft(const QDeadlineTimer &deadline) {
    return int(std::max<qint64>(1, deadline.remainingTime()));
}

QDBusMessage requestName(QDBusConnection &bus, const QString &name,
                         const QDeadlineTimer &deadline) {
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << name << DoNotQueue;
    return bus.call(request, QDBus::Block, msecondsLeft(deadline));
}

} // namespace

ApplicationBus::ApplicationBus(const QString &appId, QObject *parent)
    : QObject(parent), m_appId(appId), m_path(objectPath(appId)),
      m_interface(new ApplicationObject(this)) {}

QString ApplicationBus::objectPath(const QString &appId) {
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

QVariantMap ApplicationBus::startPlatformData() {
    QVariantMap data;
    const auto take = [&data](const char *key, const char *variable) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            data.insert(QLatin1String(key), value);
    };
    take("activation-token", "XDG_ACTIVATION_TOKEN");
    take("desktop-startup-id", "DESKTOP_STARTUP_ID");
    return data;
}

ApplicationBus::Claim ApplicationBus::claim(const QVariantMap &platformData,
                                            std::chrono::milliseconds within) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Answering before owning the name: a copy that finds it owned calls at once.
    if (!bus.isConnected() || !bus.registerObject(m_path, ApplicationInterface, m_interface,
                                                  QDBusConnection::ExportAllSlots))
        return Claim::NoBus;
    const QDeadlineTimer deadline(within);
    Claim claim = Claim::NoBus;
    // The bus's ownership decides between copies started together: exactly one
    // gets the name, every other one finds it taken.
    while (claim == Claim::NoBus && !deadline.hasExpired()) {
        const QDBusMessage reply = requestName(bus, m_appId, deadline);
        // A name granted after we stopped waiting is ours all the same: this
        // copy stays, and answers on it.
        if (reply.errorName() == QDBusError::errorString(QDBusError::NoReply))
            return Claim::Owned;
        if (reply.type() != QDBusMessage::ReplyMessage)
            break;
        const uint answer = reply.arguments().value(0).toUInt();
        if (answer == PrimaryOwner || answer == AlreadyOwner)
            return Claim::Owned;
        if (answer != Exists)
            break;
        QDBusMessage activate = QDBusMessage::createMethodCall(
            m_appId, m_path, ApplicationInterface, QStringLiteral("Activate"));
        activate << platformData;
        activate.setAutoStartService(false);
        const QDBusMessage answered = bus.call(activate, QDBus::Block, msecondsLeft(deadline));
        // An owner too busy to answer in time still gets the call; one that has
        // just gone leaves the name to be asked for again.
        if (answered.type() == QDBusMessage::ReplyMessage ||
            answered.errorName() != QDBusError::errorString(QDBusError::ServiceUnknown))
            claim = Claim::OwnerActivated;
    }
    bus.unregisterObject(m_path);
    return claim;
}

} // namespace platform

#include "applicationbus.moc"
