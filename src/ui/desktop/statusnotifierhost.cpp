// SPDX-License-Identifier: MIT
#include "ui/desktop/statusnotifierhost.h"

#include <QDBusMessage>
#include <QDBusVariant>

using namespace Qt::StringLiterals;

namespace {

constexpr int answerMs = 500;
constexpr auto pollInterval = std::chrono::milliseconds(250);

} // namespace

StatusNotifierHost::StatusNotifierHost(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_poll.setInterval(pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &StatusNotifierHost::onPoll);
}

bool StatusNotifierHost::isReady() const
{
    const QString watcher = u"org.kde.StatusNotifierWatcher"_s;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        watcher, u"/StatusNotifierWatcher"_s, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    ask << watcher << u"IsStatusNotifierHostRegistered"_s;
    ask.setAutoStartService(false);
    const QDBusMessage answer = m_bus.call(ask, QDBus::Block, answerMs);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           answer.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

void StatusNotifierHost::waitUntilReady(std::chrono::milliseconds patience)
{
    m_deadline = QDeadlineTimer(patience);
    m_poll.start();
    onPoll();
}

void StatusNotifierHost::onPoll()
{
    if (!isReady() && !m_deadline.hasExpired())
        return;
    m_poll.stop();
    Q_EMIT settled();
}
