// SPDX-License-Identifier: MIT
// The desktop portal's shortcut backend against a fake portal on the test's private session bus
// (run inside dbus-run-session).
#include "appfixture.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeybackend_portal.h"
#include "ui/desktop/portalshortcut.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using State = GlobalHotKeyManager::State;
const auto portalPath = u"/org/freedesktop/portal/desktop"_s;
const auto shortcutsInterface = u"org.freedesktop.portal.GlobalShortcuts"_s;
const QString shortcutId = QLatin1String(PortalHotKeyBackend::shortcutId);
// A name of our own, so the test never meets a real portal on the bus.
const QString service =
    u"app.quaylin.tests.Portal"_s + QString::number(QCoreApplication::applicationPid());

// GlobalShortcuts as a desktop offers it, on a connection of its own so that every call and
// signal crosses the bus. It records sessions, bindings and closed sessions, and sends each
// Response before the method's reply, as a fast portal may.
class FakePortal final : public QDBusVirtualObject {
public:
    bool offersShortcuts = true; // else its version is unknown
    uint bindResponse = 0;       // 1: the user cancelled
    QStringList sessions, closed;
    QList<PortalShortcutList> bound;

    FakePortal()
    {
        QVERIFY(m_bus.registerVirtualObject(portalPath, this, QDBusConnection::SubPath));
        QVERIFY(m_bus.registerService(service));
    }
    ~FakePortal() override { QDBusConnection::disconnectFromBus(service); }

    void emitSignal(const QString &path, const QString &interface, const QString &name,
                    const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
        signal.setArguments(arguments);
        m_bus.send(signal);
    }
    void activate(const QString &session, const QString &id)
    {
        emitSignal(
            portalPath, shortcutsInterface, u"Activated"_s,
            {QVariant::fromValue(QDBusObjectPath(session)), id, qulonglong(1), QVariantMap()});
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &) override
    {
        const QVariantList arguments = call.arguments();
        QDBusMessage reply = call.createReply();
        if (call.member() == u"Get")
            reply = offersShortcuts ? call.createReply(QVariant::fromValue(QDBusVariant(1u)))
                                    : call.createErrorReply(QDBusError::UnknownInterface, {});
        else if (call.member() == u"Close")
            closed.append(call.path());
        else if (call.member() == u"CreateSession") {
            const auto options = qdbus_cast<QVariantMap>(arguments.value(0));
            sessions.append(handle(call, u"session"_s, options[u"session_handle_token"_s]));
            reply = respond(call, options, 0, {{u"session_handle"_s, sessions.constLast()}});
        } else if (call.member() == u"BindShortcuts") {
            PortalShortcutList shortcuts = PortalShortcuts::fromVariant(arguments.value(1));
            bound.append(shortcuts);
            for (PortalShortcut &shortcut : shortcuts) // bound as asked for
                shortcut.properties = {
                    {u"trigger_description"_s, shortcut.properties[u"preferred_trigger"_s]}};
            reply = respond(call, qdbus_cast<QVariantMap>(arguments.value(3)), bindResponse,
                            {{u"shortcuts"_s, QVariant::fromValue(shortcuts)}});
        }
        m_bus.send(reply);
        return true;
    }

private:
    QString handle(const QDBusMessage &call, const QString &kind, const QVariant &token) const
    {
        return portalPath + u'/' + kind + u'/' + call.service().mid(1).replace(u'.', u'_') + u'/' +
               token.toString();
    }
    QDBusMessage respond(const QDBusMessage &call, const QVariantMap &options, uint response,
                         const QVariantMap &results)
    {
        const QString request = handle(call, u"request"_s, options[u"handle_token"_s]);
        emitSignal(request, u"org.freedesktop.portal.Request"_s, u"Response"_s,
                   {response, results});
        return call.createReply(QVariant::fromValue(QDBusObjectPath(request)));
    }

    QDBusConnection m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, service);
};

std::unique_ptr<HotKeyBackend> portalBackend(const QString &name = service)
{
    return std::make_unique<PortalHotKeyBackend>(QDBusConnection::sessionBus(), name);
}

QString preferredTrigger(const PortalShortcutList &shortcuts)
{
    return shortcuts.value(0).properties.value(u"preferred_trigger"_s).toString();
}

} // namespace

class PortalHotKeyTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session");
    }

    void bindsTheChordAndActivationTogglesTheWindow()
    {
        FakePortal portal;
        // Where no portal offers GlobalShortcuts, that is said once it has answered.
        portal.offersShortcuts = false;
        for (const QString &name : QStringList{service, service + u"Gone"_s}) {
            GlobalHotKeyManager none(portalBackend(name));
            none.registerHotKey();
            QTRY_COMPARE(none.state(), State::Unsupported);
            QVERIFY(!none.isAvailable());
        }
        portal.offersShortcuts = true;
        AppFixture f(portalBackend());
        GlobalHotKeyManager &hotKey = f.app->hotKey();
        hotKey.registerHotKey();
        QTRY_COMPARE(hotKey.state(), State::Registered);
        QCOMPARE(portal.sessions.size(), 1);
        QCOMPARE(portal.bound.size(), 1);
        QCOMPARE(portal.bound[0].size(), 1);
        QCOMPARE(portal.bound[0][0].id, shortcutId);
        QCOMPARE(preferredTrigger(portal.bound[0]), u"CTRL+LOGO+s"_s);
        QCOMPARE(hotKey.boundTrigger(), u"CTRL+LOGO+s"_s); // as the fake describes it

        // Only our session's shortcut toggles the window.
        QSignalSpy activated(&hotKey, &GlobalHotKeyManager::activated);
        const QString session = portal.sessions[0];
        portal.activate(session, shortcutId);
        QTRY_VERIFY(f.windowShown());
        portal.activate(session + u"x"_s, shortcutId);
        portal.activate(session, u"other"_s);
        portal.activate(session, shortcutId);
        QTRY_VERIFY(!f.windowShown());
        QTest::qWait(200);
        QCOMPARE(activated.size(), 2);

        // The user picks another chord in the desktop's settings: that is what is shown.
        portal.emitSignal(portalPath, shortcutsInterface, u"ShortcutsChanged"_s,
                          {QVariant::fromValue(QDBusObjectPath(session)),
                           QVariant::fromValue(PortalShortcutList{
                               {shortcutId, {{u"trigger_description"_s, u"Ctrl+Alt+Q"_s}}}})});
        QTRY_COMPARE(hotKey.boundTrigger(), u"Ctrl+Alt+Q"_s);

        // A new chord needs a new session; the old one is given back.
        hotKey.setChord(QKeyCombination(Qt::AltModifier | Qt::ShiftModifier, Qt::Key_F9));
        QTRY_COMPARE(portal.bound.size(), 2);
        QTRY_COMPARE(hotKey.state(), State::Registered);
        QCOMPARE(preferredTrigger(portal.bound[1]), u"ALT+SHIFT+F9"_s);
        QCOMPARE(hotKey.boundTrigger(), u"ALT+SHIFT+F9"_s);
        QTRY_COMPARE(portal.closed, QStringList{session});
        portal.activate(session, shortcutId);
        portal.activate(portal.sessions[1], shortcutId);
        QTRY_VERIFY(f.windowShown());
        QTest::qWait(200);
        QCOMPARE(activated.size(), 3);

        // The portal ends the session: the shortcut is not claimed to work any more.
        portal.emitSignal(portal.sessions[1], u"org.freedesktop.portal.Session"_s, u"Closed"_s,
                          {QVariantMap()});
        QTRY_COMPARE(hotKey.state(), State::Refused);
        // The user declines the binding: refused, and the session given back.
        portal.bindResponse = 1;
        hotKey.setChord(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
        QTRY_COMPARE(hotKey.state(), State::Refused);
        QTRY_VERIFY(portal.closed.contains(portal.sessions.constLast()));
        // Switched off: the granted session is closed.
        portal.bindResponse = 0;
        hotKey.registerHotKey();
        QTRY_COMPARE(hotKey.state(), State::Registered);
        hotKey.unregisterHotKey();
        QTRY_VERIFY(portal.closed.contains(portal.sessions.constLast()));
    }
};

QTEST_MAIN(PortalHotKeyTest)
#include "tst_hotkey_portal.moc"
