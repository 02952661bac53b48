// SPDX-License-Identifier: MIT
#include "ui/desktop/globalhotkeymanager.h"

GlobalHotKeyManager::GlobalHotKeyManager(std::unique_ptr<HotKeyBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    if (!m_backend)
        return;
    connect(m_backend.get(), &HotKeyBackend::answered, this, &GlobalHotKeyManager::onAnswered);
    connect(m_backend.get(), &HotKeyBackend::pressed, this, [this] {
        if (m_state == State::Registered)
            Q_EMIT activated();
    });
}

GlobalHotKeyManager::~GlobalHotKeyManager()
{
    if (m_backend && (m_state == State::Registered || m_state == State::Asking))
        m_backend->release();
}

bool GlobalHotKeyManager::isAvailable() const
{
    return m_backend && m_backend->isSupported();
}

void GlobalHotKeyManager::registerHotKey()
{
    if (m_state == State::Registered || m_state == State::Asking)
        return;
    if (!isAvailable()) {
        setState(State::Unsupported);
        return;
    }
    setState(State::Asking);
    m_backend->grab(); // may answer before it returns
}

void GlobalHotKeyManager::unregisterHotKey()
{
    if (m_state == State::Registered || m_state == State::Asking)
        m_backend->release();
    setState(State::Off);
}

void GlobalHotKeyManager::onAnswered(HotKeyGrab result)
{
    // Answers count only while asking: none comes after release(), and a repeated one changes
    // nothing.
    if (m_state != State::Asking)
        return;
    switch (result) {
    case HotKeyGrab::Granted:
        setState(State::Registered);
        break;
    case HotKeyGrab::Refused:
        setState(State::Refused);
        break;
    case HotKeyGrab::Unsupported:
        setState(State::Unsupported);
        break;
    }
}

void GlobalHotKeyManager::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}
