// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeybackend_portal.h"

#include "i18n/localization.h"
#include "ui/desktop/hotkeychord.h"
#include "ui/desktop/portalshortcut.h"

#include <QDBusAbstractInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QUuid>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const auto portalPath = u"/org/freedesktop/portal/desktop"_s;
constexpr auto shortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";
constexpr auto sessionInterface = "org.freedesktop.portal.Session";
constexpr auto requestInterface = "org.freedesktop.portal.Request";

// Unguessable and a valid object path element, as the portal asks of handle tokens.
QString newToken()
{
    return u"quaylin_"_s + QUuid::createUuid().toString(QUuid::Id128);
}

// Where the portal puts the objects of a call made with `token`: under the caller's unique
// name without its ':' and with '_' for '.'.
QString handlePath(const QDBusConnection &bus, const QString &kind, const QString &token)
{
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    return portalPath + u'/' + kind + u'/' + sender + u'/' + token;
}

// Our shortcut's properties in one of the portal's lists, if it is there.
std::optional<QVariantMap> ours(const PortalShortcutList &list)
{
    const auto found = std::find_if(list.cbegin(), list.cend(), [](const PortalShortcut &entry) {
        return entry.id == QLatin1String(PortalHotKeyBackend::shortcutId);
    });
    return found == list.cend() ? std::nullopt : std::optional(found->properties);
}

QString triggerOf(const std::optional<QVariantMap> &properties)
{
    return properties ? properties->value(u"trigger_description"_s).toString() : QString();
}

// The Response signal of one request object.
class RequestSignals final : public QDBusAbstractInterface {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RequestSignals)

public:
    RequestSignals(const QString &service, const QString &path, const QDBusConnection &bus,
                   QObject *parent)
        : QDBusAbstractInterface(service, path, requestInterface, bus, parent)
    {
    }

Q_SIGNALS:
    void Response(uint response, const QVariantMap &results);
};

} // namespace

// One portal call whose outcome arrives later as the Response signal of a request object. The
// signal is listened for before the call, at the path the portal will use (it may answer at
// once), and again at the path it returns where an older portal picks another.
class PortalRequest final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalRequest)

public:
    PortalRequest(const QDBusConnection &bus, const QString &service, const QDBusMessage &call,
                  const QString &token, QObject *parent)
        : QObject(parent)
        , m_bus(bus)
        , m_service(service)
    {
        listen(handlePath(bus, u"request"_s, token));
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher *finished) {
                    finished->deleteLater();
                    const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                    if (reply.isError())
                        Q_EMIT failed();
                    else if (reply.value().path() != m_path)
                        listen(reply.value().path());
                });
    }

    // Ends whatever the portal is still asking the user.
    void close()
    {
        m_bus.asyncCall(QDBusMessage::createMethodCall(
            m_service, m_path, QLatin1String(requestInterface), u"Close"_s));
    }

Q_SIGNALS:
    void responded(uint response, const QVariantMap &results);
    void failed();

private:
    void listen(const QString &path)
    {
        m_path = path;
        m_signals = std::make_unique<RequestSignals>(m_service, path, m_bus, nullptr);
        connect(m_signals.get(), &RequestSignals::Response, this, &PortalRequest::responded);
    }

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    std::unique_ptr<RequestSignals> m_signals;
};

// The signals of the portal object about the shortcuts of every session.
class PortalShortcutSignals final : public QDBusAbstractInterface {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalShortcutSignals)

public:
    PortalShortcutSignals(const QString &service, const QDBusConnection &bus, QObject *parent)
        : QDBusAbstractInterface(service, portalPath, shortcutsInterface, bus, parent)
    {
    }

Q_SIGNALS:
    void Activated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                   const QVariantMap &options);
    void ShortcutsChanged(const QDBusObjectPath &session, const PortalShortcutList &shortcuts);
};

// The Closed signal of one session: the portal ended it.
class PortalSessionSignals final : public QDBusAbstractInterface {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalSessionSignals)

public:
    PortalSessionSignals(const QString &service, const QString &path, const QDBusConnection &bus,
                         QObject *parent)
        : QDBusAbstractInterface(service, path, sessionInterface, bus, parent)
    {
    }

Q_SIGNALS:
    void Closed(const QVariantMap &details);
};

PortalHotKeyBackend::PortalHotKeyBackend(const QDBusConnection &bus, const QString &service,
                                         QObject *parent)
    : HotKeyBackend(parent)
    , m_bus(bus)
    , m_service(service)
{
    PortalShortcuts::registerTypes();
    QDBusMessage probe = QDBusMessage::createMethodCall(
        service, portalPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    probe << QLatin1String(shortcutsInterface) << u"version"_s;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(probe), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                onProbed(!reply.isError() && reply.value().variant().toUInt() >= 1);
            });
}

PortalHotKeyBackend::~PortalHotKeyBackend()
{
    release();
}

void PortalHotKeyBackend::onProbed(bool supported)
{
    m_support = supported ? Support::Yes : Support::No;
    if (!supported)
        Q_EMIT supportChanged();
    if (!m_asking)
        return;
    if (supported)
        createSession();
    else
        finish(HotKeyGrab::Unsupported);
}

void PortalHotKeyBackend::grab(QKeyCombination chord)
{
    release();
    m_chord = chord;
    m_asking = true;
    if (m_support == Support::No)
        finish(HotKeyGrab::Unsupported);
    else if (m_support == Support::Yes)
        createSession();
    // Unknown: onProbed() goes on.
}

void PortalHotKeyBackend::createSession()
{
    const QString token = newToken();
    const QString sessionToken = newToken();
    m_session = handlePath(m_bus, u"session"_s, sessionToken);
    const QVariantMap options{{u"handle_token"_s, token},
                              {u"session_handle_token"_s, sessionToken}};
    PortalRequest *request = startRequest(u"CreateSession"_s, {options}, token);
    connect(request, &PortalRequest::responded, this,
            [this, request](uint response, const QVariantMap &results) {
                if (request == m_request)
                    onSessionCreated(response, results);
            });
}

void PortalHotKeyBackend::onSessionCreated(uint response, const QVariantMap &results)
{
    // The handle is text in the portal's documentation and an object path in some portals.
    const QVariant handle = results.value(u"session_handle"_s);
    const QString session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                                ? handle.value<QDBusObjectPath>().path()
                                : handle.toString();
    if (response != 0 || session.isEmpty()) {
        finish(HotKeyGrab::Refused);
        return;
    }
    m_session = session;
    m_sessionSignals = new PortalSessionSignals(m_service, session, m_bus, this);
    connect(m_sessionSignals, &PortalSessionSignals::Closed, this, &PortalHotKeyBackend::onClosed);
    if (!m_shortcutSignals)
        listenToShortcuts();

    const PortalShortcutList shortcuts{
        {QLatin1String(shortcutId),
         {{u"description"_s, L(u"Zobrazit nebo skrýt hlavní okno"_s)},
          {u"preferred_trigger"_s, HotKeyChord::xdgTrigger(m_chord)}}}};
    const QString token = newToken();
    PortalRequest *request =
        startRequest(u"BindShortcuts"_s,
                     {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts),
                      QString(), QVariantMap{{u"handle_token"_s, token}}},
                     token);
    connect(request, &PortalRequest::responded, this,
            [this, request](uint response, const QVariantMap &results) {
                if (request == m_request)
                    onBound(response, results);
            });
}

void PortalHotKeyBackend::listenToShortcuts()
{
    m_shortcutSignals = new PortalShortcutSignals(m_service, m_bus, this);
    connect(m_shortcutSignals, &PortalShortcutSignals::Activated, this,
            [this](const QDBusObjectPath &session, const QString &id) {
                if (m_granted && session.path() == m_session && id == QLatin1String(shortcutId))
                    Q_EMIT pressed();
            });
    // The user may pick another chord in the desktop's settings at any time.
    connect(m_shortcutSignals, &PortalShortcutSignals::ShortcutsChanged, this,
            [this](const QDBusObjectPath &session, const PortalShortcutList &list) {
                const std::optional<QVariantMap> mine = ours(list);
                if (m_granted && session.path() == m_session && mine)
                    Q_EMIT triggerChanged(triggerOf(mine));
            });
}

void PortalHotKeyBackend::onBound(uint response, const QVariantMap &results)
{
    // 0 is success; 1 the user cancelled, 2 anything else. A portal that leaves our shortcut
    // out of its list did not bind it.
    const bool listed = results.contains(u"shortcuts"_s);
    const std::optional<QVariantMap> bound =
        ours(PortalShortcuts::fromVariant(results.value(u"shortcuts"_s)));
    if (response != 0 || (listed && !bound)) {
        finish(HotKeyGrab::Refused);
        return;
    }
    Q_EMIT triggerChanged(triggerOf(bound));
    finish(HotKeyGrab::Granted);
}

void PortalHotKeyBackend::onClosed()
{
    if (!m_granted)
        return;
    m_granted = false;
    m_session.clear();
    Q_EMIT revoked();
}

void PortalHotKeyBackend::finish(HotKeyGrab result)
{
    dropRequest();
    m_asking = false;
    m_granted = result == HotKeyGrab::Granted;
    if (!m_granted) {
        closeSession(m_session);
        m_session.clear();
    }
    Q_EMIT answered(result);
}

void PortalHotKeyBackend::release()
{
    if (m_request)
        m_request->close();
    dropRequest();
    closeSession(m_session);
    m_session.clear();
    m_asking = false;
    m_granted = false;
}

PortalRequest *PortalHotKeyBackend::startRequest(const QString &method,
                                                 const QVariantList &arguments,
                                                 const QString &token)
{
    dropRequest();
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, portalPath,
                                                       QLatin1String(shortcutsInterface), method);
    call.setArguments(arguments);
    m_request = new PortalRequest(m_bus, m_service, call, token, this);
    connect(m_request, &PortalRequest::failed, this, [this, request = m_request.data()] {
        if (request == m_request)
            finish(HotKeyGrab::Unsupported);
    });
    return m_request;
}

void PortalHotKeyBackend::dropRequest()
{
    // Later, not now: this may run inside one of the request's own signals.
    if (m_request)
        m_request->deleteLater();
    m_request = nullptr;
}

void PortalHotKeyBackend::closeSession(const QString &path)
{
    if (m_sessionSignals)
        m_sessionSignals->deleteLater();
    m_sessionSignals = nullptr;
    if (path.isEmpty())
        return;
    // Closing a session that a withdrawn request never made only earns an error nobody reads.
    m_bus.asyncCall(QDBusMessage::createMethodCall(m_service, path, QLatin1String(sessionInterface),
                                                   u"Close"_s));
}

#include "hotkeybackend_portal.moc"
