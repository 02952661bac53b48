// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class IconButton;
class QLineEdit;

// The board's search: a magnifying glass, a borderless field and, while there is text, a button
// that empties it, on a faint rounded background 220 px wide. Escape empties it too.
class SearchField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchField)

public:
    explicit SearchField(QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    QString text() const;
    void clear();
    void setPlaceholderText(const QString &text);
    void setClearHelp(const QString &help);

Q_SIGNALS:
    void textChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_edit;
    IconButton *m_clear;
};
