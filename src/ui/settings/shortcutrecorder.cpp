// SPDX-License-Identifier: MIT
#include "ui/settings/shortcutrecorder.h"

#include <QKeyEvent>

namespace {

// Keys that only add to a chord still being held.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Shift:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

ShortcutRecorder::ShortcutRecorder(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_recording)
            cancelRecording();
        else
            startRecording();
    });
}

ShortcutRecorder::~ShortcutRecorder()
{
    if (m_recording)
        releaseKeyboard();
}

void ShortcutRecorder::startRecording()
{
    if (m_recording)
        return;
    setFocus(Qt::OtherFocusReason);
    grabKeyboard();
    setRecording(true);
}

void ShortcutRecorder::cancelRecording()
{
    if (!m_recording)
        return;
    releaseKeyboard();
    setRecording(false);
}

void ShortcutRecorder::setRecording(bool recording)
{
    m_recording = recording;
    Q_EMIT recordingChanged(recording);
}

bool ShortcutRecorder::event(QEvent *event)
{
    if (m_recording) {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Menu and window shortcuts must not fire while a chord is being pressed.
            event->accept();
            return true;
        case QEvent::KeyPress:
            onKeyPressed(static_cast<QKeyEvent &>(*event));
            return true;
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QPushButton::event(event);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent *event)
{
    cancelRecording();
    QPushButton::focusOutEvent(event);
}

void ShortcutRecorder::onKeyPressed(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Escape && event.modifiers() == Qt::NoModifier) {
        cancelRecording();
        return;
    }
    if (isModifierKey(key))
        return;
    const QKeyCombination chord =
        HotKeyChord::normalized(QKeyCombination(event.modifiers(), static_cast<Qt::Key>(key)));
    if (const std::optional<HotKeyChord::Problem> problem = HotKeyChord::problem(chord)) {
        Q_EMIT refused(*problem);
        return;
    }
    releaseKeyboard();
    setRecording(false);
    Q_EMIT recorded(chord);
}
