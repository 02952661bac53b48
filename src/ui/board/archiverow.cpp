// SPDX-License-Identifier: MIT
#include "ui/board/archiverow.h"

#include "app/presentation.h"
#include "i18n/localization.h"
#include "ui/card/sheetbuttons.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ArchiveRow::ArchiveRow(const TaskCard &card, QWidget *parent)
    : QWidget(parent)
{
    auto *title = new ElidedLabel(card.title, this);
    title->setFont(Typography::font(12.5));
    auto *column = new ElidedLabel(Presentation::title(card.column), this);
    column->setFont(Typography::font(10.5));
    column->setTextColor(Colors::secondary(palette()));
    auto *restore = new QPushButton(L(u"Obnovit"_s, "archive"), this);
    restore->setObjectName(u"restoreCardButton"_s);
    auto *remove = new QPushButton(L(u"Smazat natrvalo"_s), this);
    remove->setObjectName(u"deleteArchivedCardButton"_s);
    SheetButtons::makeSmall(restore);
    SheetButtons::makeSmall(remove);
    SheetButtons::makeDestructive(remove);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(column);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(texts, 1);
    layout->addWidget(restore);
    layout->addWidget(remove);

    const QUuid id = card.id;
    connect(restore, &QPushButton::clicked, this, [this, id] { Q_EMIT restoreRequested(id); });
    connect(remove, &QPushButton::clicked, this, [this, id] { Q_EMIT deleteRequested(id); });
}

void ArchiveRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::withAlpha(Colors::primary(palette()), 0.04));
    painter.drawRoundedRect(rect(), 8, 8);
}
