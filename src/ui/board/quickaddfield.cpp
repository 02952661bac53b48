// SPDX-License-Identifier: MIT
#include "ui/board/quickaddfield.h"

#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

QuickAddField::QuickAddField(const QColor &tint, QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_tint(tint)
{
    auto *symbol = new SymbolLabel(QStringLiteral("plus.circle.fill"), {}, this);
    symbol->setSymbolSize(12);
    symbol->setSymbolColor(tint);
    m_edit->setObjectName(QStringLiteral("quickAddField"));
    m_edit->setFrame(false);
    m_edit->setFont(Typography::font(12));
    m_edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    QPalette colors = m_edit->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_edit->setPalette(colors);
    m_edit->installEventFilter(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addWidget(symbol);
    layout->addWidget(m_edit, 1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::returnPressed, this, [this] { Q_EMIT submitted(m_edit->text()); });
}

void QuickAddField::setPlaceholderText(const QString &text)
{
    m_edit->setPlaceholderText(text);
    m_edit->setAccessibleName(text);
}

void QuickAddField::setTint(const QColor &tint)
{
    m_tint = tint;
    update();
}

bool QuickAddField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        Q_EMIT cancelled();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void QuickAddField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colors::withAlpha(m_tint, 0.35), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
