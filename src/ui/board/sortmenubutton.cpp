// SPDX-License-Identifier: MIT
#include "ui/board/sortmenubutton.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int checkSide = 12;
constexpr int checkRoom = 28;

// Menu items with their own symbol as icon and the check mark drawn after the text, so the
// current mode shows both.
class TrailingCheckStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element != CE_MenuItem || !item ||
            item->checkType == QStyleOptionMenuItem::NotCheckable) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionMenuItem plain = *item;
        plain.checkType = QStyleOptionMenuItem::NotCheckable;
        plain.checked = false;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        if (!item->checked)
            return;
        const bool selected = item->state.testFlag(State_Selected);
        const QColor color =
            item->palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        const QRect area = item->rect;
        const QRectF check(area.right() - checkRoom + (checkRoom - checkSide) / 2.0,
                           area.center().y() - checkSide / 2.0, checkSide, checkSide);
        Symbols::paint(*painter, check, u"checkmark"_s, color);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuItem)
            result.rwidth() += checkRoom;
        return result;
    }
};

} // namespace

SortMenuButton::SortMenuButton(QWidget *parent)
    : QToolButton(parent)
    , m_group(new QActionGroup(this))
{
    setObjectName(u"sortMenuButton"_s);
    setPopupMode(InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setFont(Typography::font(11.5));
    setFocusPolicy(Qt::TabFocus);

    auto *menu = new QMenu(this);
    menu->setObjectName(u"sortMenu"_s);
    auto *style = new TrailingCheckStyle;
    style->setParent(menu);
    menu->setStyle(style);
    m_group->setExclusive(true);
    for (KanbanSortMode mode : KanbanSortModes::all()) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(u"sortMode_"_s + KanbanSortModes::rawValue(mode));
        action->setCheckable(true);
        action->setData(int(mode));
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { Q_EMIT modeChosen(mode); });
    }
    setMenu(menu);
    setMode(KanbanSortMode::Manual);
    retranslate();
}

void SortMenuButton::setMode(KanbanSortMode mode)
{
    m_mode = mode;
    for (QAction *action : m_group->actions())
        action->setChecked(action->data().toInt() == int(mode));
    retranslate();
}

void SortMenuButton::retranslate()
{
    for (QAction *action : m_group->actions())
        action->setText(L(KanbanSortModes::title(KanbanSortMode(action->data().toInt()))));
    const QString title = L(KanbanSortModes::title(m_mode));
    setText(title);
    setAccessibleName(title);
    updateIcons();
}

void SortMenuButton::updateIcons()
{
    const QColor secondary = Colors::secondary(palette());
    setIcon(Symbols::icon(KanbanSortModes::symbol(m_mode), secondary));
    for (QAction *action : m_group->actions()) {
        const auto mode = KanbanSortMode(action->data().toInt());
        action->setIcon(Symbols::icon(KanbanSortModes::symbol(mode), Colors::primary(palette())));
    }
}

void SortMenuButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateIcons();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QToolButton::changeEvent(event);
}

void SortMenuButton::paintEvent(QPaintEvent *)
{
    // Without the style's small menu arrow in the corner: the button reads as the other two.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.features &= ~QStyleOptionToolButton::HasMenu;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
