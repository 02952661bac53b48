// SPDX-License-Identifier: MIT
#pragma once

#include "ui/board/archivedelegate.h"
#include "ui/components/buttonrowsview.h"

#include <QUuid>

#include <optional>

class ArchiveModel;

// The archive sheet's scrolling list of archived cards, each row with its painted Restore and
// Delete buttons. From the keyboard: Return or Space restores the current card, Delete asks to
// delete it, and the context menu key (or a right click) offers both by name.
class ArchiveList final : public ButtonRowsView {
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
    std::optional<int> partAt(const QModelIndex &index, const QPoint &pos) const override;
    void showHot(const QModelIndex &index, std::optional<int> part, bool pressed) override;
    void partClicked(const QModelIndex &index, int part) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void press(const QModelIndex &index, ArchiveDelegate::Button button);

    ArchiveModel &m_model;
    ArchiveDelegate *m_delegate;
};
