// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

#include <QDBusConnection>
#include <QPointer>

class PortalRequest;
class PortalSessionSignals;
class PortalShortcutSignals;

// Wayland: the XDG desktop portal's GlobalShortcuts. Each grab opens a session and binds the
// one shortcut with the chord as its preferred trigger; the desktop may ask the user, who may
// pick another chord there, and its answer says what was bound. A new chord needs a new
// session: a portal binds a session's shortcuts only once.
class PortalHotKeyBackend final : public HotKeyBackend {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalHotKeyBackend)

public:
    static constexpr auto desktopService = "org.freedesktop.portal.Desktop";
    static constexpr auto shortcutId = "toggle-main-window";

    // Asks `service` at once whether it offers GlobalShortcuts; supported until it says no.
    explicit PortalHotKeyBackend(const QDBusConnection &bus,
                                 const QString &service = QLatin1String(desktopService),
                                 QObject *parent = nullptr);
    ~PortalHotKeyBackend() override;

    bool isSupported() const override { return m_support != Support::No; }
    void grab(QKeyCombination chord) override;
    void release() override;

private:
    enum class Support { Unknown, Yes, No };

    void onProbed(bool supported);
    void createSession();
    void onSessionCreated(uint response, const QVariantMap &results);
    void onBound(uint response, const QVariantMap &results);
    void listenToShortcuts();
    void onClosed();
    // Answers the grab; anything but Granted also gives the session back.
    void finish(HotKeyGrab result);
    PortalRequest *startRequest(const QString &method, const QVariantList &arguments,
                                const QString &token);
    void dropRequest();
    void closeSession(const QString &path);

    QDBusConnection m_bus;
    QString m_service;
    Support m_support = Support::Unknown;
    bool m_asking = false;
    bool m_granted = false;
    QKeyCombination m_chord;
    QString m_session; // once created, or the path a pending creation will give it
    QPointer<PortalRequest> m_request;
    PortalShortcutSignals *m_shortcutSignals = nullptr;
    QPointer<PortalSessionSignals> m_sessionSignals;
};
