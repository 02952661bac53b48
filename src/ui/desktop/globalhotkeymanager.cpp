// SPDX-License-Identifier: MIT
#include "ui/desktop/globalhotkeymanager.h"

#include "ui/desktop/hotkeychord.h"

GlobalHotKeyManager::GlobalHotKeyManager(std::unique_ptr<HotKeyBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_chord(HotKeyChord::defaultChord())
{
    if (!m_backend)
        return;
    connect(m_backend.get(), &HotKeyBackend::answered, this, &GlobalHotKeyManager::onAnswered);
    connect(m_backend.get(), &HotKeyBackend::pressed, this, [this] {
        if (m_state == State::Registered)
            Q_EMIT activated();
    });
    connect(m_backend.get(), &HotKeyBackend::triggerChanged, this, [this](const QString &trigger) {
        if (m_state == State::Registered || m_state == State::Asking)
            setBoundTrigger(trigger);
    });
    connect(m_backend.get(), &HotKeyBackend::revoked, this, [this] {
        if (m_state == State::Registered)
            setState(State::Refused);
    });
    connect(m_backend.get(), &HotKeyBackend::supportChanged, this,
            &GlobalHotKeyManager::availabilityChanged);
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

void GlobalHotKeyManager::setChord(QKeyCombination chord)
{
    if (chord == m_chord)
        return;
    m_chord = chord;
    if (m_state == State::Registered || m_state == State::Asking) {
        m_backend->release();
        ask();
    } else if (m_state == State::Refused) {
        ask();
    }
}

void GlobalHotKeyManager::registerHotKey()
{
    if (m_state == State::Registered || m_state == State::Asking)
        return;
    if (!isAvailable()) {
        setState(State::Unsupported);
        return;
    }
    ask();
}

void GlobalHotKeyManager::ask()
{
    setBoundTrigger({});
    setState(State::Asking);
    m_backend->grab(m_chord); // may answer before it returns
}

void GlobalHotKeyManager::unregisterHotKey()
{
    if (m_state == State::Registered || m_state == State::Asking)
        m_backend->release();
    setBoundTrigger({});
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

void GlobalHotKeyManager::setBoundTrigger(const QString &description)
{
    if (description == m_boundTrigger)
        return;
    m_boundTrigger = description;
    Q_EMIT boundTriggerChanged();
}
