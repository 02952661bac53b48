// SPDX-License-Identifier: MIT
#include "ui/components/segmentedcontrol.h"

#include "ui/components/accessiblebutton.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

constexpr int inset = 2;
constexpr int trackHeight = 26;
constexpr qreal trackRadius = 7;
constexpr qreal pillRadius = 5.5;
constexpr int symbolSize = 12;
constexpr int symbolGap = 5;
constexpr int padding = 10;

class Segment final : public QAbstractButton {
public:
    Segment(const QString &text, const QString &symbol, QWidget *parent)
        : QAbstractButton(parent)
        , m_symbol(symbol)
    {
        setText(text);
        setCheckable(true);
        setAutoExclusive(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_Hover);
        setFont(Typography::font(12, QFont::Medium));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        AccessibleButton::clickOnEveryAction(*this);
    }

    QSize sizeHint() const override
    {
        const int symbolWidth = m_symbol.isEmpty() ? 0 : symbolSize + symbolGap;
        return {fontMetrics().horizontalAdvance(text()) + symbolWidth + 2 * padding + 1,
                trackHeight - 2 * inset};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette &colors = palette();
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (isChecked()) {
            painter.setPen(QPen(Colors::quaternaryFill(colors), 1));
            painter.setBrush(Colors::isDark(colors) ? Colors::tertiary(colors)
                                                    : colors.color(QPalette::Base));
            painter.drawRoundedRect(box, pillRadius, pillRadius);
        } else if (underMouse() && isEnabled()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colors::quaternaryFill(colors));
            painter.drawRoundedRect(box, pillRadius, pillRadius);
        }
        FocusRing::paint(painter, *this, QRectF(rect()), pillRadius);

        const QColor ink = isEnabled() ? Colors::primary(colors) : Colors::tertiary(colors);
        const int symbolWidth = m_symbol.isEmpty() ? 0 : symbolSize + symbolGap;
        const int available = width() - 2 * padding - symbolWidth;
        const QString shown = ElidedLabel::elided(text(), fontMetrics(), qMax(0, available));
        const int contentWidth = fontMetrics().horizontalAdvance(shown) + symbolWidth;
        qreal x = (width() - contentWidth) / 2.0;
        if (!m_symbol.isEmpty()) {
            Symbols::paint(painter,
                           QRectF(x, (height() - symbolSize) / 2.0, symbolSize, symbolSize),
                           m_symbol, ink);
            x += symbolWidth;
        }
        painter.setPen(ink);
        painter.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter,
                         shown);
    }

private:
    QString m_symbol;
};

} // namespace

SegmentedControl::SegmentedControl(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(inset, inset, inset, inset);
    m_layout->setSpacing(inset);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QAbstractButton *SegmentedControl::addSegment(const QString &text, const QString &symbol)
{
    auto *segment = new Segment(text, symbol, this);
    segment->setChecked(m_segments.isEmpty());
    const int index = int(m_segments.size());
    m_segments.append(segment);
    m_layout->addWidget(segment);
    connect(segment, &QAbstractButton::toggled, this, [this, index](bool checked) {
        if (checked && !m_settingIndex)
            Q_EMIT currentIndexChanged(index);
    });
    return segment;
}

QAbstractButton *SegmentedControl::segment(int index) const
{
    return m_segments.value(index);
}

void SegmentedControl::setSegmentText(int index, const QString &text)
{
    if (QAbstractButton *button = segment(index)) {
        button->setText(text);
        updateGeometry();
    }
}

int SegmentedControl::currentIndex() const
{
    for (int i = 0; i < m_segments.size(); ++i) {
        if (m_segments[i]->isChecked())
            return i;
    }
    return -1;
}

void SegmentedControl::setCurrentIndex(int index)
{
    m_settingIndex = true;
    if (QAbstractButton *button = segment(index)) {
        button->setChecked(true);
    } else {
        // Exclusive buttons cannot all be off; lift the rule for a moment.
        for (QAbstractButton *each : std::as_const(m_segments)) {
            each->setAutoExclusive(false);
            each->setChecked(false);
            each->setAutoExclusive(true);
        }
    }
    m_settingIndex = false;
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::quaternaryFill(palette()));
    painter.drawRoundedRect(QRectF(rect()), trackRadius, trackRadius);
}
