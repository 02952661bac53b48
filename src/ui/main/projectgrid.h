// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/projectcarddelegate.h"

#include <QListView>
#include <QPersistentModelIndex>
#include <QUuid>

#include <optional>

struct Desktop;

// The overview's cards as an adaptive grid: as many columns as fit at 270 to 360 wide, 16
// apart, all 170 high. It never scrolls itself: it is as tall as its rows, inside the
// overview's scrolling column. A click on a card asks for its project; a click on one of its
// buttons opens the website, GitHub, the folder or the editor.
class ProjectGrid final : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectGrid)

public:
    static constexpr int minimumCardWidth = 270;
    static constexpr int maximumCardWidth = 360;
    static constexpr int cardSpacing = 16;

    ProjectGrid(OverviewModel &model, const Desktop &desktop, QWidget *parent = nullptr);

    // Columns and card width for `width`: the most columns that fit at the minimum width, each
    // as wide as the room allows up to the maximum.
    struct Columns {
        int count = 1;
        int cardWidth = minimumCardWidth;
        bool operator==(const Columns &) const = default;
    };
    static Columns columnsFor(int width);

    ProjectCardDelegate *cardDelegate() const { return m_delegate; }
    // Runs what a click at `pos` (viewport coordinates) on a card does.
    void clickAt(const QPoint &pos);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void projectActivated(const QUuid &projectID);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void relayout();
    void press(const QModelIndex &index, ProjectCardDelegate::Button button);
    void setHover(const QModelIndex &index, std::optional<ProjectCardDelegate::Button> button);

    OverviewModel &m_model;
    const Desktop &m_desktop;
    ProjectCardDelegate *m_delegate;
    QPersistentModelIndex m_pressed;
    int m_columns = 1;
};
