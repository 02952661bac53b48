// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeychord.h"

#include <QPushButton>

class QKeyEvent;

// The button that records a new chord for the global shortcut. A click starts recording: the
// keyboard is held (so the desktop's own shortcuts and the current chord arrive here too) until
// a usable chord is pressed, Escape is pressed, the button is clicked again or focus moves on.
// A chord that cannot be a shortcut is refused and recording goes on.
class ShortcutRecorder final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutRecorder)

public:
    explicit ShortcutRecorder(QWidget *parent = nullptr);
    ~ShortcutRecorder() override;

    bool isRecording() const { return m_recording; }
    void startRecording();
    void cancelRecording();

Q_SIGNALS:
    void recordingChanged(bool recording);
    void recorded(QKeyCombination chord);
    void refused(HotKeyChord::Problem problem);

protected:
    bool event(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onKeyPressed(const QKeyEvent &event);
    void setRecording(bool recording);

    bool m_recording = false;
};
