// SPDX-License-Identifier: MIT
#include "ui/desktop/globalhotkeymanager.h"

#include <QPointer>

GlobalHotKeyManager::GlobalHotKeyManager(std::unique_ptr<HotKeyBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
}

GlobalHotKeyManager::~GlobalHotKeyManager()
{
    unregisterHotKey();
}

bool GlobalHotKeyManager::isAvailable() const
{
    return m_backend && m_backend->isSupported();
}

void GlobalHotKeyManager::registerHotKey()
{
    if (m_registered || !isAvailable())
        return;
    const auto pressed = [self = QPointer(this)] {
        if (self)
            Q_EMIT self->activated();
    };
    if (!m_backend->grab(pressed))
        return;
    m_registered = true;
    Q_EMIT registrationChanged(true);
}

void GlobalHotKeyManager::unregisterHotKey()
{
    if (!m_registered)
        return;
    m_backend->release();
    m_registered = false;
    Q_EMIT registrationChanged(false);
}
