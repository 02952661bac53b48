// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;

// The idea column's field for typing new cards one after another: Return hands the text over,
// Escape gives up.
class QuickAddField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuickAddField)

public:
    explicit QuickAddField(const QColor &tint, QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    void setPlaceholderText(const QString &text);
    void setTint(const QColor &tint);

Q_SIGNALS:
    void submitted(const QString &text);
    void cancelled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_edit;
    QColor m_tint;
};
