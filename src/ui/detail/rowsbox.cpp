// SPDX-License-Identifier: MIT
#include "ui/detail/rowsbox.h"

#include "ui/components/colors.h"
#include "ui/components/sectionbox.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget *divider(QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setObjectName(QStringLiteral("rowDivider"));
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette colors = line->palette();
    colors.setColor(QPalette::Window, Colors::withAlpha(Colors::primary(parent->palette()), 0.08));
    line->setPalette(colors);
    return line;
}

} // namespace

RowsBox::RowsBox(const QString &symbol, QWidget *parent)
    : QWidget(parent)
    , m_box(new SectionBox({}, symbol, this))
    , m_empty(new QLabel(this))
    , m_rows(new QVBoxLayout)
{
    m_empty->setObjectName(QStringLiteral("emptyText"));
    m_empty->setFont(Typography::font(12));
    m_empty->setWordWrap(true);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(6);
    m_box->contentLayout()->addWidget(m_empty);
    m_box->contentLayout()->addLayout(m_rows);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    changeEvent(nullptr);
}

void RowsBox::setTitle(const QString &title)
{
    m_box->setTitle(title);
}

QString RowsBox::emptyText() const
{
    return m_empty->isHidden() ? QString() : m_empty->text();
}

void RowsBox::clear()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_rowCount = 0;
}

void RowsBox::showEmpty(const QString &text)
{
    clear();
    m_empty->setText(text);
    m_empty->show();
}

void RowsBox::showRows(const QList<QWidget *> &rows)
{
    clear();
    m_empty->hide();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i > 0)
            m_rows->addWidget(divider(this));
        m_rows->addWidget(rows[i]);
    }
    m_rowCount = int(rows.size());
}

void RowsBox::changeEvent(QEvent *event)
{
    if (!event || event->type() == QEvent::PaletteChange) {
        QPalette colors = m_empty->palette();
        colors.setColor(QPalette::WindowText, Colors::secondary(palette()));
        m_empty->setPalette(colors);
    }
    if (event)
        QWidget::changeEvent(event);
}
