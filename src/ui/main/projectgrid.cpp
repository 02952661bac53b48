// SPDX-License-Identifier: MIT
#include "ui/main/projectgrid.h"

#include "ui/components/projectlinks.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/editorlauncher.h"
#include "ui/desktop/urlopener.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int cellHeight = ProjectCardDelegate::cardHeight + 2 * ProjectCardDelegate::cellMargin;

} // namespace

ProjectGrid::ProjectGrid(OverviewModel &model, const Desktop &desktop, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_desktop(desktop)
    , m_delegate(new ProjectCardDelegate(*desktop.editor, this))
{
    setObjectName(QStringLiteral("overviewGrid"));
    setModel(&m_model);
    setItemDelegate(m_delegate);
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    viewport()->setAttribute(Qt::WA_Hover);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setGridSize(QSize(minimumCardWidth + 2 * ProjectCardDelegate::cellMargin, cellHeight));

    connect(&m_model, &QAbstractItemModel::rowsInserted, this, &ProjectGrid::relayout);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, &ProjectGrid::relayout);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &ProjectGrid::relayout);
    relayout();
}

ProjectGrid::Columns ProjectGrid::columnsFor(int width)
{
    const int cell = minimumCardWidth + cardSpacing;
    const int count = qMax(1, width / cell);
    const int cardWidth = qMin(maximumCardWidth, width / count - cardSpacing);
    return {count, qMax(1, cardWidth)};
}

void ProjectGrid::relayout()
{
    const Columns columns = columnsFor(viewport()->width());
    m_columns = columns.count;
    const QSize cell(columns.cardWidth + 2 * ProjectCardDelegate::cellMargin, cellHeight);
    if (gridSize() != cell)
        setGridSize(cell);
    const int rows = (m_model.rowCount() + m_columns - 1) / m_columns;
    const int height = rows * cellHeight;
    if (this->height() != height)
        setFixedHeight(height);
    updateGeometry();
}

QSize ProjectGrid::sizeHint() const
{
    return {minimumCardWidth + cardSpacing, height()};
}

QSize ProjectGrid::minimumSizeHint() const
{
    return {minimumCardWidth + cardSpacing, 0};
}

void ProjectGrid::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    relayout();
}

void ProjectGrid::setHover(const QModelIndex &index,
                           std::optional<ProjectCardDelegate::Button> button)
{
    if (m_delegate->hoveredIndex() == index && m_delegate->hoveredButton() == button)
        return;
    const QModelIndex previous = m_delegate->hoveredIndex();
    m_delegate->setHoveredButton(index, button);
    if (previous.isValid())
        update(previous);
    if (index.isValid())
        update(index);
    setCursor(button ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ProjectGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    std::optional<ProjectCardDelegate::Button> button;
    if (index.isValid())
        button = m_delegate->buttonAt(visualRect(index), m_model.card(index), pos);
    setHover(index, button);
    QListView::mouseMoveEvent(event);
}

void ProjectGrid::leaveEvent(QEvent *event)
{
    setHover({}, std::nullopt);
    QListView::leaveEvent(event);
}

void ProjectGrid::mousePressEvent(QMouseEvent *event)
{
    m_pressed =
        event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()) : QModelIndex();
    QListView::mousePressEvent(event);
}

void ProjectGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool click =
        event->button() == Qt::LeftButton && m_pressed.isValid() && m_pressed == indexAt(pos);
    m_pressed = QModelIndex();
    QListView::mouseReleaseEvent(event);
    if (click)
        clickAt(pos);
}

void ProjectGrid::clickAt(const QPoint &pos)
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return;
    const OverviewModel::Card card = m_model.card(index);
    const QRectF cardRect = m_delegate->layout(visualRect(index), card).card;
    if (!cardRect.contains(pos))
        return;
    if (const auto button = m_delegate->buttonAt(visualRect(index), card, pos))
        press(index, *button);
    else
        Q_EMIT projectActivated(card.project.id);
}

void ProjectGrid::press(const QModelIndex &index, ProjectCardDelegate::Button button)
{
    const ProjectConfig project = m_model.card(index).project;
    switch (button) {
    case ProjectCardDelegate::Button::Website:
        if (const auto url = ProjectLinks::website(project))
            m_desktop.urls->openUrl(*url);
        break;
    case ProjectCardDelegate::Button::GitHub:
        if (const auto url = ProjectLinks::gitHub(project))
            m_desktop.urls->openUrl(*url);
        break;
    case ProjectCardDelegate::Button::Folder:
        m_desktop.urls->openFolder(project.localPath);
        break;
    case ProjectCardDelegate::Button::Editor:
        m_desktop.editor->open(project.localPath);
        break;
    }
}

void ProjectGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (currentIndex().isValid()) {
            Q_EMIT projectActivated(currentIndex().data(OverviewModel::ProjectIdRole).toUuid());
            return;
        }
        break;
    default:
        break;
    }
    QListView::keyPressEvent(event);
}
