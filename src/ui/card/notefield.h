// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPlainTextEdit;

// The card's description: a multi-line editor 70 px high on a faint rounded background.
class NoteField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteField)

public:
    explicit NoteField(QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_editor; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPlainTextEdit *m_editor;
};
