// SPDX-License-Identifier: MIT
#pragma once

#include "ui/board/archivedelegate.h"

#include <QListView>
#include <QPersistentModelIndex>
#include <QUuid>

#include <optional>

class ArchiveModel;

// The archive sheet's scrolling list of archived cards, each row with its painted Restore and
// Delete buttons. From the keyboard: Return or Space restores the current card, Delete asks to
// delete it, and the context menu key (or a right click) offers both by name.
class ArchiveList final : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveList)

public:
    explicit ArchiveList(ArchiveModel &model, QWidget *parent = nullptr);

    ArchiveDelegate *archiveDelegate() const { return m_delegate; }
    // Where `button` of the row at `index` is, in viewport coordinates.
    QRect buttonRect(const QModelIndex &index, ArchiveDelegate::Button button) const;

Q_SIGNALS:
    void restoreRequested(const QUuid &cardID);
    void deleteRequested(const QUuid &cardID);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    std::optional<ArchiveDelegate::Button> buttonAt(const QPoint &pos) const;
    void setHot(const QModelIndex &index, std::optional<ArchiveDelegate::Button> button);
    void press(const QModelIndex &index, ArchiveDelegate::Button button);

    ArchiveModel &m_model;
    ArchiveDelegate *m_delegate;
    QPersistentModelIndex m_hotIndex;
    // Where the left button went down: a click is a press and release on one button.
    QPersistentModelIndex m_pressedIndex;
    std::optional<ArchiveDelegate::Button> m_pressedButton;
};
