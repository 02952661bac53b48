// SPDX-License-Identifier: MIT
#include "support/fakenotifications.h"

#include "support/testenvironment.h"

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto busConfig = R"(<busconfig><listen>unix:dir=%1</listen><policy context="default">
<allow own="*"/><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
</policy></busconfig>)";

} // namespace

const QString FakeNotificationBus::service = u"org.freedesktop.Notifications"_s;
const QString FakeNotificationBus::path = u"/org/freedesktop/Notifications"_s;

void FakeNotificationServer::Notify(const QString &app, uint replacesId, const QString &,
                                    const QString &summary, const QString &body,
                                    const QStringList &, const QVariantMap &, int)
{
    posted.append(u"%1|%2|%3|%4"_s.arg(app).arg(replacesId).arg(summary, body));
}

FakeNotificationBus::~FakeNotificationBus()
{
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

bool FakeNotificationBus::start(const QString &folder)
{
    const QString config = folder + u"/bus.conf"_s;
    if (!writeFile(config, QString::fromLatin1(busConfig).arg(folder).toUtf8()))
        return false;
    // Goes with the test even when a failing test aborts the process.
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_daemon.start(u"dbus-daemon"_s,
                   {u"--config-file="_s + config, u"--nofork"_s, u"--print-address"_s});
    if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead())
        return false;
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    serverBus = connect(u"server"_s);
    return serverBus.registerObject(path, &server, QDBusConnection::ExportAllSlots) &&
           serverBus.registerService(service);
}

QDBusConnection FakeNotificationBus::connect(const QString &name) const
{
    return QDBusConnection::connectToBus(m_address, name);
}
