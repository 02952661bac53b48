// SPDX-License-Identifier: MIT
#include "ui/board/searchfield.h"

#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int fieldWidth = 220;

} // namespace

SearchField::SearchField(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_clear(new IconButton(u"xmark.circle.fill"_s, {}, this))
{
    auto *glass = new SymbolLabel(u"magnifyingglass"_s, {}, this);
    glass->setSymbolSize(12);
    glass->setSymbolColor(Colors::secondary(palette()));
    m_edit->setObjectName(u"boardSearchField"_s);
    m_edit->setFrame(false);
    m_edit->setFont(Typography::font(12));
    QPalette colors = m_edit->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_edit->setPalette(colors);
    m_edit->installEventFilter(this);
    m_clear->setObjectName(u"boardSearchClearButton"_s);
    m_clear->setFixedSize(20, 20);
    m_clear->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setSpacing(6);
    layout->addWidget(glass);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_clear);
    setFixedWidth(fieldWidth);
    setMinimumHeight(28);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_clear->setVisible(!text.isEmpty());
        Q_EMIT textChanged(text);
    });
    connect(m_clear, &IconButton::clicked, this, [this] {
        m_edit->clear();
        m_edit->setFocus(Qt::OtherFocusReason);
    });
}

QString SearchField::text() const
{
    return m_edit->text();
}

void SearchField::clear()
{
    m_edit->clear();
}

void SearchField::setPlaceholderText(const QString &text)
{
    m_edit->setPlaceholderText(text);
    m_edit->setAccessibleName(text);
}

void SearchField::setClearHelp(const QString &help)
{
    m_clear->setHelp(help);
}

bool SearchField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update(); // the focus outline
    if (watched == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !m_edit->text().isEmpty()) {
        m_edit->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SearchField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = Colors::primary(palette());
    painter.setPen(m_edit->hasFocus() ? QPen(Colors::withAlpha(Colors::accent(palette()), 0.6), 1.5)
                                      : QPen(Colors::withAlpha(primary, 0.08), 1));
    painter.setBrush(Colors::withAlpha(primary, 0.05));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 7, 7);
}
