// SPDX-License-Identifier: MIT
#include "ui/main/attentionrow.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int rowHeight = 30;
constexpr int padding = 6;
constexpr int emojiWidth = 22;
constexpr int gap = 8;
constexpr int chevronSize = 11;

QFont nameFont()
{
    return Typography::font(13, QFont::Medium);
}

QFont reasonFont()
{
    return Typography::font(12);
}

} // namespace

AttentionRow::AttentionRow(const Entry &entry, QWidget *parent)
    : QAbstractButton(parent)
    , m_entry(entry)
{
    setObjectName(u"attentionRow"_s);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setEntry(entry);
}

void AttentionRow::setEntry(const Entry &entry)
{
    m_entry = entry;
    setAccessibleName(entry.name + u", "_s + entry.reason);
    setToolTip(ElidedLabel::singleLine(entry.name));
    update();
}

QSize AttentionRow::sizeHint() const
{
    const int name = ElidedLabel::preferredWidth(m_entry.name, nameFont());
    const int reason = ElidedLabel::preferredWidth(m_entry.reason, reasonFont());
    return {padding * 2 + emojiWidth + name + reason + chevronSize + 3 * gap, rowHeight};
}

QSize AttentionRow::minimumSizeHint() const
{
    return {padding * 2 + emojiWidth + chevronSize + 2 * gap, rowHeight};
}

void AttentionRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    if (underMouse() || isDown()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::quaternaryFill(colors));
        painter.drawRoundedRect(QRectF(rect()), 6, 6);
    }
    FocusRing::paint(painter, *this, QRectF(rect()), 6);

    qreal x = padding;
    const QRectF full(rect());
    painter.setFont(Typography::emoji(15));
    painter.setPen(Colors::primary(colors));
    painter.drawText(QRectF(x, 0, emojiWidth + 4, full.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::singleLine(m_entry.emoji));
    x += emojiWidth + gap;

    const qreal chevronX = full.right() - padding - chevronSize;
    Symbols::paint(painter,
                   QRectF(chevronX, (full.height() - chevronSize) / 2, chevronSize, chevronSize),
                   u"chevron.right"_s, Colors::tertiary(colors));
    const qreal room = chevronX - gap - x;
    // The name gets what it asks for up to 60 % of the room; the reason the rest.
    const QFontMetrics nameMetrics(nameFont());
    const QString name = ElidedLabel::singleLine(m_entry.name);
    const qreal nameWidth = qMin<qreal>(
        nameMetrics.horizontalAdvance(name) + 1,
        qMax(room * 0.6, room - QFontMetrics(reasonFont()).horizontalAdvance(m_entry.reason)));
    painter.setFont(nameFont());
    painter.drawText(QRectF(x, 0, nameWidth, full.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(name, nameMetrics, int(nameWidth)));
    x += nameWidth + gap;
    painter.setFont(reasonFont());
    painter.setPen(Colors::secondary(colors));
    const QFontMetrics reasonMetrics(reasonFont());
    painter.drawText(QRectF(x, 0, qMax<qreal>(0, chevronX - gap - x), full.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(m_entry.reason, reasonMetrics,
                                         int(qMax<qreal>(0, chevronX - gap - x))));
}
