// SPDX-License-Identifier: MIT
#include "ui/main/attentionsection.h"

#include "i18n/localization.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/desktop/uicontext.h"
#include "ui/main/attentionlist.h"
#include "ui/main/attentionmodel.h"

#include <QEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AttentionSection::AttentionSection(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_model(new AttentionModel(context.model, this))
    , m_banner(new Banner(u"exclamationmark.circle.fill"_s, Colors::named(u"orange"_s, palette()),
                          0.07, 0.20))
    , m_list(new AttentionList(*m_model))
{
    setObjectName(u"attentionSection"_s);
    m_banner->bodyLayout()->addWidget(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    connect(m_list, &AttentionList::projectActivated, this, &AttentionSection::projectActivated);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &AttentionSection::updateVisibility);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &AttentionSection::updateVisibility);
    retranslate();
}

void AttentionSection::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AttentionSection::retranslate()
{
    m_banner->setTitle(L(u"Vyžaduje pozornost"_s));
    m_list->setAccessibleName(L(u"Vyžaduje pozornost"_s));
    m_model->refresh(); // the reasons are worded anew
    updateVisibility();
}

void AttentionSection::updateVisibility()
{
    setVisible(m_model->rowCount() > 0);
}
