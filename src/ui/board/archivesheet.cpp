// SPDX-License-Identifier: MIT
#include "ui/board/archivesheet.h"

#include "app/appmodel.h"
#include "app/cardqueries.h"
#include "i18n/localization.h"
#include "ui/board/archivelist.h"
#include "ui/board/archivemodel.h"
#include "ui/card/carddeletion.h"
#include "ui/components/sheet.h"
#include "ui/components/typography.h"
#include "ui/components/undoactions.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ArchiveSheet::ArchiveSheet(UiContext &context, const QUuid &projectID, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_model(new ArchiveModel(context.model, projectID, this))
    , m_title(new QLabel(this))
    , m_close(new QPushButton(this))
    , m_empty(new QLabel(this))
    , m_list(new ArchiveList(*m_model, this))
{
    Sheet::setUp(*this, u"archiveSheet"_s);
    new UndoActions(context.model.history(), this);
    resize(420, 420);
    Sheet::makeTitle(*m_title, 16);
    m_close->setObjectName(u"closeArchiveButton"_s);
    m_close->setDefault(true);
    m_empty->setObjectName(u"archiveEmptyText"_s);
    m_empty->setFont(Typography::font(12));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setContentsMargins(40, 40, 40, 40);

    auto *header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(12);
    layout->addLayout(header);
    layout->addWidget(m_empty, 1);
    layout->addWidget(m_list, 1);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &ArchiveList::restoreRequested, this,
            [this](const QUuid &id) { m_context.model.unarchiveCard(id); });
    connect(m_list, &ArchiveList::deleteRequested, this, [this](const QUuid &id) {
        CardDeletion::confirm(this, m_context.model, id, L(u"Tuhle akci nejde vzít zpět."_s));
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ArchiveSheet::syncEmpty);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ArchiveSheet::syncEmpty);
    retranslate();
    syncEmpty();
}

void ArchiveSheet::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ArchiveSheet::retranslate()
{
    setWindowTitle(L(u"Archiv"_s));
    m_title->setText(L(u"Archiv"_s));
    m_close->setText(L(u"Zavřít"_s));
    m_empty->setText(L(u"Archiv je prázdný."_s));
    m_list->setAccessibleName(L(u"Archiv"_s));
    // The rows word their column and buttons when painted.
    m_list->viewport()->update();
}

void ArchiveSheet::syncEmpty()
{
    const bool empty = m_model->rowCount() == 0;
    m_empty->setVisible(empty);
    m_list->setVisible(!empty);
}
