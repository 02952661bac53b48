// SPDX-License-Identifier: MIT
#include "ui/card/notefield.h"

#include "ui/components/colors.h"
#include "ui/components/typography.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

NoteField::NoteField(QWidget *parent)
    : QWidget(parent)
    , m_editor(new QPlainTextEdit(this))
{
    m_editor->setObjectName(QStringLiteral("noteField"));
    m_editor->setFont(Typography::font(12.5));
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setTabChangesFocus(true);
    m_editor->document()->setDocumentMargin(6);
    m_editor->viewport()->setAutoFillBackground(false);
    QPalette colors = m_editor->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_editor->setPalette(colors);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setFixedHeight(70);
    setFocusProxy(m_editor);
    m_editor->installEventFilter(this);
}

bool NoteField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update(); // the focus outline
    return QWidget::eventFilter(watched, event);
}

void NoteField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = Colors::primary(palette());
    painter.setPen(m_editor->hasFocus()
                       ? QPen(Colors::withAlpha(Colors::accent(palette()), 0.6), 1.5)
                       : QPen(Qt::NoPen));
    painter.setBrush(Colors::withAlpha(primary, 0.04));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);
}
