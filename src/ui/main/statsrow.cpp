// SPDX-License-Identifier: MIT
#include "ui/main/statsrow.h"

#include "app/appmodel.h"
#include "app/cardcounts.h"
#include "app/presentation.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/statchip.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>

using namespace Qt::StringLiterals;

StatsRow::StatsRow(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_open(new StatChip(u"checklist"_s, Colors::named(u"blue"_s, palette())))
    , m_overdue(
          new StatChip(u"exclamationmark.triangle.fill"_s, Colors::named(u"red"_s, palette())))
    , m_projects(new StatChip(u"square.grid.2x2"_s, Colors::secondary(palette())))
{
    m_open->setObjectName(u"statOpenTasks"_s);
    m_overdue->setObjectName(u"statOverdue"_s);
    m_projects->setObjectName(u"statProjects"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(m_open);
    layout->addWidget(m_overdue);
    layout->addWidget(m_projects);
    layout->addStretch(1);
    connect(&context.model, &AppModel::cardsChanged, this, &StatsRow::refresh);
    connect(&context.model, &AppModel::projectsChanged, this, &StatsRow::refresh);
    retranslate();
}

void StatsRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void StatsRow::retranslate()
{
    m_overdue->setLabel(L(u"po termínu"_s));
    refresh();
}

void StatsRow::refresh()
{
    const AppModel &model = m_context.model;
    const QList<TaskCard> cards = model.cards();
    const int open = CardCounts::open(cards);
    m_open->setValue(open);
    m_open->setLabel(Presentation::openTasksWord(open));
    const int overdue = CardCounts::overdue(cards, model.now());
    m_overdue->setValue(overdue);
    m_overdue->setVisible(overdue >= 1);
    const int projects = int(model.projects().size());
    m_projects->setValue(projects);
    m_projects->setLabel(Presentation::projectsWord(projects));
}
