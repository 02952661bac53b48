// SPDX-License-Identifier: MIT
#include "ui/main/projectcarddelegate.h"

#include "app/presentation.h"
#include "i18n/localization.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/emojipainter.h"
#include "ui/components/focusring.h"
#include "ui/components/projectlinks.h"
#include "ui/components/statusline.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/editorlauncher.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QListView>
#include <QPainter>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

constexpr int padding = 14;
constexpr int topLineHeight = 30;
constexpr int statusSymbolSize = 14;
constexpr int buttonSide = 26;
constexpr qreal radius = 12;
constexpr qreal hoverScale = 1.015;
const QSize capsulePadding(7, 2);

constexpr qreal emojiPoints = 22;

QFont nameFont()
{
    return Typography::font(14, QFont::DemiBold);
}

QFont capsuleFont()
{
    return Typography::font(11, QFont::DemiBold);
}

QString symbolOf(ProjectCardDelegate::Button button)
{
    switch (button) {
    case ProjectCardDelegate::Button::Website:
        return u"globe"_s;
    case ProjectCardDelegate::Button::GitHub:
        return u"chevron.left.forwardslash.chevron.right"_s;
    case ProjectCardDelegate::Button::Folder:
        return u"folder"_s;
    case ProjectCardDelegate::Button::Editor:
        break;
    }
    return u"curlybraces"_s;
}

} // namespace

ProjectCardDelegate::ProjectCardDelegate(EditorLauncher &editor, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_editor(editor)
{
}

ProjectCardDelegate::Layout ProjectCardDelegate::layout(const QRect &cell,
                                                        const OverviewModel::Card &card) const
{
    Layout result;
    result.card = QRectF(cell).adjusted(cellMargin, cellMargin, -cellMargin, -cellMargin);
    const QRectF inner = result.card.adjusted(padding, 12, -padding, -10);
    result.emoji = QRectF(inner.left(), inner.top(), topLineHeight + 4, topLineHeight);
    qreal right = inner.right();
    if (card.openTasks >= 1) {
        const QSize size =
            Capsule::sizeFor(QString::number(card.openTasks), {}, capsuleFont(), capsulePadding);
        result.capsule =
            QRectF(right - size.width(), inner.top() + (topLineHeight - size.height()) / 2.0,
                   size.width(), size.height());
        right = result.capsule.left() - 8;
    }
    result.status =
        QRectF(right - statusSymbolSize, inner.top() + (topLineHeight - statusSymbolSize) / 2.0,
               statusSymbolSize, statusSymbolSize);
    const int nameHeight = QFontMetrics(nameFont()).height();
    result.name = QRectF(inner.left(), inner.top() + topLineHeight + 6, inner.width(), nameHeight);
    const int lineHeight = StatusLine::lineHeight(StatusLine::textFont());
    result.gitLine = QRectF(inner.left(), result.name.bottom() + 8, inner.width(), lineHeight);
    if (card.deploysTo)
        result.deployLine =
            QRectF(inner.left(), result.gitLine.bottom() + 3, inner.width(), lineHeight);

    QList<Button> buttons;
    if (ProjectLinks::website(card.project))
        buttons.append(Button::Website);
    if (ProjectLinks::gitHub(card.project))
        buttons.append(Button::GitHub);
    buttons.append(Button::Folder);
    if (m_editor.installedEditor())
        buttons.append(Button::Editor);
    // Icon buttons carry their own inner room: the first symbol lines up with the text above.
    qreal x = inner.left() - 7;
    const qreal y = inner.bottom() - buttonSide;
    for (Button button : buttons) {
        result.buttons.append({button, QRectF(x, y, buttonSide, buttonSide)});
        x += buttonSide + 2;
    }
    result.chevron = QRectF(inner.right() - 12, y + (buttonSide - 12) / 2.0, 12, 12);
    return result;
}

std::optional<ProjectCardDelegate::Button>
ProjectCardDelegate::buttonAt(const QRect &cell, const OverviewModel::Card &card,
                              const QPoint &pos) const
{
    for (const Part &part : layout(cell, card).buttons) {
        if (part.rect.contains(pos))
            return part.button;
    }
    return std::nullopt;
}

QString ProjectCardDelegate::help(Button button) const
{
    switch (button) {
    case Button::Website:
        return L(u"Otevřít web"_s);
    case Button::GitHub:
        return L(u"Otevřít GitHub"_s);
    case Button::Folder:
        return L(u"Otevřít ve správci souborů"_s);
    case Button::Editor:
        break;
    }
    const std::optional<InstalledEditor> editor = m_editor.installedEditor();
    return L(u"Otevřít v"_s) + u' ' + (editor ? editor->name : QString());
}

QSize ProjectCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    // A card fills its cell of the grid.
    const auto *grid = qobject_cast<const QListView *>(option.widget);
    return grid && grid->gridSize().isValid() ? grid->gridSize()
                                              : QSize(300, cardHeight + 2 * cellMargin);
}

void ProjectCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const auto *model = qobject_cast<const OverviewModel *>(index.model());
    if (!model)
        return;
    const OverviewModel::Card card = model->card(index);
    const Layout parts = layout(option.rect, card);
    const QPalette &colors = option.palette;
    const bool hovered = option.state & QStyle::State_MouseOver;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (hovered) {
        const QPointF centre = parts.card.center();
        painter->translate(centre);
        painter->scale(hoverScale, hoverScale);
        painter->translate(-centre);
        // A soft shadow: a few widening, fading outlines below the card.
        painter->setPen(Qt::NoPen);
        for (int step = 1; step <= 4; ++step) {
            painter->setBrush(Colors::withAlpha(Colors::primary(colors), 0.018));
            const qreal grow = step * 1.5;
            painter->drawRoundedRect(parts.card.adjusted(-grow, -grow + 2, grow, grow + 2),
                                     radius + grow, radius + grow);
        }
    }
    painter->setBrush(colors.color(QPalette::Base));
    painter->setPen(Qt::NoPen);
    painter->drawRoundedRect(parts.card, radius, radius);
    painter->setBrush(Colors::withAlpha(Colors::primary(colors), 0.035));
    const QColor outline = hovered ? Colors::withAlpha(Colors::named(u"blue"_s, colors), 0.45)
                                   : Colors::withAlpha(Colors::primary(colors), 0.09);
    painter->setPen(QPen(outline, 1));
    painter->drawRoundedRect(parts.card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    if (option.widget && FocusRing::shows(*option.widget) &&
        (option.state & QStyle::State_HasFocus)) {
        painter->setPen(QPen(Colors::withAlpha(Colors::accent(colors), 0.8), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(parts.card.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    // Top line: emoji, status symbol, open-task capsule.
    EmojiPainter::paint(*painter, parts.emoji, card.project.emoji, emojiPoints,
                        Colors::primary(colors));
    Symbols::paint(*painter, parts.status, ProjectStatuses::symbol(card.project.status),
                   Colors::projectStatus(card.project.status, colors));
    if (!parts.capsule.isEmpty())
        Capsule::paint(*painter, parts.capsule, QString::number(card.openTasks), {},
                       {Colors::named(u"blue"_s, colors), Colors::onAccent()}, capsuleFont(),
                       capsulePadding);

    painter->setFont(nameFont());
    painter->setPen(Colors::primary(colors));
    painter->drawText(
        parts.name, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        ElidedLabel::elided(card.project.name, QFontMetrics(nameFont()), int(parts.name.width())));

    const QFont lineFont = StatusLine::textFont();
    StatusLine::paint(*painter, parts.gitLine, u"arrow.triangle.branch"_s,
                      Presentation::gitColor(card.runtime.git),
                      Presentation::gitLabel(card.runtime.git), colors, lineFont);
    if (!parts.deployLine.isEmpty())
        StatusLine::paint(*painter, parts.deployLine, u"cloud"_s,
                          Presentation::deployColor(card.runtime.deploy),
                          Presentation::deployLabel(card.runtime.deploy), colors, lineFont);

    const bool hotCard = m_hoveredButton && m_hoveredIndex == index;
    for (const Part &part : parts.buttons) {
        const bool hot = hotCard && *m_hoveredButton == part.button;
        if (hot) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(Colors::quaternaryFill(colors));
            painter->drawRoundedRect(part.rect, 7, 7);
        }
        const QRectF symbol(part.rect.center() - QPointF(6, 6), QSizeF(12, 12));
        Symbols::paint(*painter, symbol, symbolOf(part.button),
                       hot ? Colors::primary(colors) : Colors::secondary(colors));
    }
    if (hovered)
        Symbols::paint(*painter, parts.chevron, u"chevron.right"_s, Colors::tertiary(colors));
    painter->restore();
}

void ProjectCardDelegate::setHoveredButton(const QModelIndex &index, std::optional<Button> button)
{
    m_hoveredIndex = index;
    m_hoveredButton = index.isValid() ? button : std::nullopt;
}

bool ProjectCardDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const auto *model = qobject_cast<const OverviewModel *>(index.model());
    if (!event || !view || !model || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const OverviewModel::Card card = model->card(index);
    const Layout parts = layout(option.rect, card);
    const QPoint pos = event->pos();
    QString text;
    QRectF area;
    if (const std::optional<Button> button = buttonAt(option.rect, card, pos)) {
        text = help(*button);
        for (const Part &part : parts.buttons) {
            if (part.button == *button)
                area = part.rect;
        }
    } else if (parts.status.adjusted(-3, -3, 3, 3).contains(pos)) {
        text = Presentation::title(card.project.status);
        area = parts.status;
    } else if (parts.capsule.contains(pos)) {
        text = Presentation::openTasksText(card.openTasks);
        area = parts.capsule;
    } else if (parts.name.contains(pos)) {
        const QString name = ElidedLabel::singleLine(card.project.name);
        if (QFontMetrics(nameFont()).horizontalAdvance(name) > parts.name.width())
            text = name;
        area = parts.name;
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), text, view->viewport(), area.toAlignedRect());
    return true;
}
