#include "platform/PowerOff.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

namespace taleno {

namespace {

std::string Reason(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::ServiceUnknown: return "nobody answers power-off requests";
    case QDBusError::AccessDenied: return "this user is not allowed to switch it off";
    case QDBusError::NoReply:
    case QDBusError::Timeout: return "the power-off service did not answer";
    default: break;
    }
    // logind's own refusals ("interactive authentication required", an
    // inhibitor, ...) carry a message of their own.
    const QString message = error.message().isEmpty() ? error.name() : error.message();
    return message.isEmpty() ? "the request was refused" : message.toStdString();
}

}  // namespace

PowerOffResult RequestPowerOff() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return {false, "the system bus cannot be reached"};
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;  // not interactive: no authentication dialog
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return {true, {}};
    }
    return {false, Reason(QDBusError(reply))};
}

}  // namespace taleno
