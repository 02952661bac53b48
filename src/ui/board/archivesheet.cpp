// SPDX-License-Identifier: MIT
#include "ui/board/archivesheet.h"

#include "app/appmodel.h"
#include "app/cardqueries.h"
#include "i18n/localization.h"
#include "services/preferences.h"
#include "ui/board/archiverow.h"
#include "ui/card/carddeletion.h"
#include "ui/card/sheetbuttons.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ArchiveSheet::ArchiveSheet(UiContext &context, const QUuid &projectID, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_projectID(projectID)
    , m_title(new QLabel(this))
    , m_close(new QPushButton(this))
    , m_empty(new QLabel(this))
    , m_scroll(new QScrollArea(this))
    , m_rows(new QVBoxLayout)
{
    setObjectName(u"archiveSheet"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    resize(420, 420);
    m_title->setFont(Typography::font(16, QFont::Bold));
    m_close->setObjectName(u"closeArchiveButton"_s);
    m_close->setDefault(true);
    m_empty->setObjectName(u"archiveEmptyText"_s);
    m_empty->setFont(Typography::font(12));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setContentsMargins(40, 40, 40, 40);

    auto *list = new QWidget;
    auto *listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(6);
    listLayout->addLayout(m_rows);
    listLayout->addStretch(1);
    m_rows->setSpacing(6);
    m_scroll->setWidget(list);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(12);
    layout->addLayout(header);
    layout->addWidget(m_empty, 1);
    layout->addWidget(m_scroll, 1);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&context.model, &AppModel::cardsChanged, this, &ArchiveSheet::rebuild);
    connect(&context.preferences, &Preferences::languageChanged, this, &ArchiveSheet::retranslate);
    retranslate();
}

void ArchiveSheet::retranslate()
{
    setWindowTitle(L(u"Archiv"_s));
    m_title->setText(L(u"Archiv"_s));
    m_close->setText(L(u"Zavřít"_s));
    m_empty->setText(L(u"Archiv je prázdný."_s));
    m_shown.clear(); // the rows carry translated texts too
    rebuild();
}

void ArchiveSheet::rebuild()
{
    const QList<TaskCard> cards = CardQueries::archived(m_context.model.cards(), m_projectID);
    QList<std::tuple<QUuid, QString, int>> shown;
    for (const TaskCard &card : cards)
        shown.append({card.id, card.title, int(card.column)});
    m_empty->setVisible(cards.isEmpty());
    m_scroll->setVisible(!cards.isEmpty());
    if (shown == m_shown && !shown.isEmpty())
        return;
    m_shown = shown;
    // Later: the click that restored or deleted a card is still being delivered to its row.
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    for (const TaskCard &card : cards) {
        auto *row = new ArchiveRow(card);
        connect(row, &ArchiveRow::restoreRequested, this,
                [this](const QUuid &id) { m_context.model.unarchiveCard(id); });
        connect(row, &ArchiveRow::deleteRequested, this, [this](const QUuid &id) {
            CardDeletion::confirm(this, m_context.model, id, L(u"Tuhle akci nejde vzít zpět."_s));
        });
        m_rows->addWidget(row);
    }
}
