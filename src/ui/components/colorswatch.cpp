// SPDX-License-Identifier: MIT
#include "ui/components/colorswatch.h"

#include "i18n/localization.h"
#include "ui/components/accessiblebutton.h"
#include "ui/components/colors.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int ringGap = 3; // room for the 2 px ring around the circle

} // namespace

ColorSwatch::ColorSwatch(const QString &colorName, int diameter, QWidget *parent)
    : QAbstractButton(parent)
    , m_colorName(colorName)
    , m_diameter(diameter)
{
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    AccessibleButton::clickOnEveryAction(*this);
    retranslate();
}

QString ColorSwatch::title(const QString &colorName)
{
    static const QHash<QString, QString> titles{
        {u"red"_s, u"Červená"_s},  {u"orange"_s, u"Oranžová"_s}, {u"yellow"_s, u"Žlutá"_s},
        {u"green"_s, u"Zelená"_s}, {u"blue"_s, u"Modrá"_s},      {u"purple"_s, u"Fialová"_s},
        {u"gray"_s, u"Šedá"_s},
    };
    if (colorName.isEmpty())
        return L(u"Bez barvy"_s);
    return L(titles.value(colorName, u"Šedá"_s));
}

void ColorSwatch::retranslate()
{
    const QString name = title(m_colorName);
    setToolTip(name);
    setAccessibleName(name);
}

QSize ColorSwatch::sizeHint() const
{
    return {m_diameter + 2 * ringGap, m_diameter + 2 * ringGap};
}

void ColorSwatch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QAbstractButton::changeEvent(event);
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QRectF circle(ringGap, ringGap, m_diameter, m_diameter);
    if (m_colorName.isEmpty()) {
        painter.setPen(QPen(Colors::tertiary(colors), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        const qreal inset = m_diameter * 0.28;
        Symbols::paint(painter, circle.adjusted(inset, inset, -inset, -inset), u"xmark"_s,
                       Colors::secondary(colors));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::named(m_colorName, colors));
        painter.drawEllipse(circle);
    }
    if (isChecked()) {
        painter.setPen(QPen(Colors::withAlpha(Colors::primary(colors), 0.75), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle.adjusted(-2, -2, 2, 2));
    }
    FocusRing::paint(painter, *this, rect(), height() / 2.0);
}
