// SPDX-License-Identifier: MIT
#include "ui/components/capsule.h"

#include "ui/components/accessiblebutton.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QtMath>

namespace {

constexpr qreal symbolGap = 4;

qreal symbolSide(const QFontMetrics &metrics)
{
    return metrics.capHeight() + 2;
}

// A display-only capsule is read as its text, not announced as a button.
class StaticCapsuleAccessible final : public QAccessibleWidget {
public:
    explicit StaticCapsuleAccessible(Capsule *capsule)
        : QAccessibleWidget(capsule, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Capsule *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleCapsule(const QString &key, QObject *object)
{
    auto *capsule = qobject_cast<Capsule *>(object);
    if (key != QLatin1String("Capsule") || !capsule || capsule->role() != Capsule::Role::Display)
        return nullptr;
    return new StaticCapsuleAccessible(capsule);
}

} // namespace

Capsule::Capsule(const QString &text, Role role, QWidget *parent)
    : QAbstractButton(parent)
    , m_role(role)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleCapsule);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFont(Typography::font(11, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const bool button = role == Role::Button;
    setFocusPolicy(button ? Qt::TabFocus : Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents, !button);
    setAttribute(Qt::WA_Hover, button);
    if (button) {
        setCursor(Qt::PointingHandCursor);
        AccessibleButton::clickOnEveryAction(*this);
    }
    setText(text);
}

void Capsule::setSymbol(const QString &symbol)
{
    if (m_symbol == symbol)
        return;
    m_symbol = symbol;
    updateGeometry();
    update();
}

void Capsule::setLook(const Look &look)
{
    m_look = look;
    update();
}

void Capsule::setCheckedLook(const Look &look)
{
    m_checkedLook = look;
    update();
}

void Capsule::setPadding(const QSize &padding)
{
    m_padding = padding;
    updateGeometry();
}

QSize Capsule::sizeFor(const QString &text, const QString &symbol, const QFont &font,
                       const QSize &padding)
{
    const QFontMetrics metrics(font);
    qreal width = ElidedLabel::preferredWidth(text, font);
    if (!symbol.isEmpty())
        width += symbolSide(metrics) + (text.isEmpty() ? 0 : symbolGap);
    return {qCeil(width) + 2 * padding.width(), metrics.height() + 2 * padding.height()};
}

void Capsule::paint(QPainter &painter, const QRectF &rect, const QString &text,
                    const QString &symbol, const Look &look, const QFont &font,
                    const QSize &padding)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.fill);
    const qreal radius = rect.height() / 2;
    painter.drawRoundedRect(rect, radius, radius);

    const QFontMetrics metrics(font);
    const qreal side = symbol.isEmpty() ? 0 : symbolSide(metrics);
    const qreal gap = side > 0 && !text.isEmpty() ? symbolGap : 0;
    const qreal room = rect.width() - 2 * padding.width() - side - gap;
    const QString shown = ElidedLabel::elided(text, metrics, int(room));
    const qreal contentWidth = side + gap + metrics.horizontalAdvance(shown);
    qreal x = rect.center().x() - contentWidth / 2;
    if (side > 0) {
        Symbols::paint(painter, QRectF(x, rect.center().y() - side / 2, side, side), symbol,
                       look.text);
        x += side + gap;
    }
    painter.setFont(font);
    painter.setPen(look.text);
    painter.drawText(QRectF(x, rect.top(), rect.right() - x, rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

QSize Capsule::sizeHint() const
{
    return sizeFor(text(), m_symbol, font(), m_padding);
}

void Capsule::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const Look look = isChecked() ? m_checkedLook : m_look;
    const QRectF pill = rect();
    paint(painter, pill, text(), m_symbol, look, font(), m_padding);

    const qreal radius = pill.height() / 2;
    painter.setRenderHint(QPainter::Antialiasing);
    if (testAttribute(Qt::WA_Hover) && (underMouse() || isDown())) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::withAlpha(Colors::primary(palette()), isDown() ? 0.12 : 0.06));
        painter.drawRoundedRect(pill, radius, radius);
    }
    FocusRing::paint(painter, *this, pill, radius);
}
