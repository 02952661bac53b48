// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QHBoxLayout;

// A row of mutually exclusive choices in one rounded track; the chosen one sits on a raised
// pill. Each segment is a checkable button (text, optionally after a symbol) reached by Tab,
// with the arrow keys moving between them, and read by screen readers by its text. Each segment
// is at least as wide as its text; extra room is shared equally.
class SegmentedControl final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SegmentedControl)

public:
    explicit SegmentedControl(QWidget *parent = nullptr);

    // Appends a segment; the first one added is chosen until something else is.
    QAbstractButton *addSegment(const QString &text, const QString &symbol = {});
    QAbstractButton *segment(int index) const;
    int count() const { return int(m_segments.size()); }
    void setSegmentText(int index, const QString &text);

    int currentIndex() const;
    // Chooses a segment without emitting currentIndexChanged (for showing stored values); -1
    // chooses none.
    void setCurrentIndex(int index);

Q_SIGNALS:
    // The user chose another segment.
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QHBoxLayout *m_layout;
    QList<QAbstractButton *> m_segments;
    bool m_settingIndex = false;
};
