// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>
#include <QPersistentModelIndex>

#include <optional>

// A list whose rows carry painted buttons ("parts", numbered by the subclass). It follows the
// pointer as push buttons do: the part under it is drawn hot, a pressed part looks pressed only
// while the pointer stays on it, and a click is a press and release of the left button on one
// part of one row.
class ButtonRowsView : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonRowsView)

public:
    explicit ButtonRowsView(QWidget *parent = nullptr);

protected:
    // The part of the row at `index` under `pos` (viewport coordinates), if any.
    virtual std::optional<int> partAt(const QModelIndex &index, const QPoint &pos) const = 0;
    // Draws `part` of the row at `index` as under the pointer (and pressed); none: no part.
    virtual void showHot(const QModelIndex &index, std::optional<int> part, bool pressed) = 0;
    virtual void partClicked(const QModelIndex &index, int part) = 0;

    // The part under `pos` in whichever row is there.
    std::optional<int> partUnder(const QPoint &pos) const;

    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHot(const QModelIndex &index, std::optional<int> part);

    QPersistentModelIndex m_hotIndex;
    // Where the left button went down.
    QPersistentModelIndex m_pressedIndex;
    std::optional<int> m_pressedPart;
};
