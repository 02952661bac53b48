// SPDX-License-Identifier: MIT
#include "ui/components/elidedlabel.h"

#include "i18n/displaytext.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

namespace {

// A long ordinary name fits; anything longer is cut rather than asking its window to grow.
constexpr int preferredWidthInCharacters = 48;

} // namespace

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setText(text);
}

void ElidedLabel::setText(const QString &text)
{
    QLabel::setText(singleLine(text));
}

void ElidedLabel::setTextColor(const QColor &color)
{
    m_color = color;
    update();
}

QString ElidedLabel::singleLine(const QString &text)
{
    return DisplayText::isolated(flat(text));
}

QString ElidedLabel::flat(const QString &text)
{
    QString line = text;
    for (QChar &character : line) {
        const char16_t code = character.unicode();
        if (code == u'\n' || code == u'\r' || code == u'\t' || code == u'\v' || code == u'\f' ||
            code == 0x2028 || code == 0x2029 || code == 0x85)
            character = QLatin1Char(' ');
    }
    return DisplayText::visible(line);
}

QString ElidedLabel::elided(const QString &text, const QFontMetrics &metrics, int width)
{
    return DisplayText::isolated(metrics.elidedText(flat(text), Qt::ElideRight, qMax(0, width)));
}

int ElidedLabel::preferredWidth(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    return qCeil(qMin(metrics.horizontalAdvance(singleLine(text)),
                      metrics.averageCharWidth() * preferredWidthInCharacters));
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {preferredWidth(text(), font()) + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

bool ElidedLabel::isElided() const
{
    return elided(text(), fontMetrics(), contentsRect().width()) != text();
}

bool ElidedLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isElided())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = elided(text(), fontMetrics(), area.width());
    painter.setPen(m_color.isValid() ? m_color : palette().color(foregroundRole()));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    painter.drawText(area, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}
