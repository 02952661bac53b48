// SPDX-License-Identifier: MIT
#include "ui/settings/languagegroup.h"

#include "i18n/localization.h"
#include "services/preferences.h"
#include "ui/components/sectionbox.h"
#include "ui/components/segmentedcontrol.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QList<AppLanguage> languages = AppLanguages::all();

} // namespace

LanguageGroup::LanguageGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_name(new SymbolLabel(u"globe"_s))
    , m_choice(new SegmentedControl)
{
    m_name->setFont(Typography::font(12.5));
    m_choice->setObjectName(u"settingsLanguage"_s);
    m_choice->setFixedWidth(100);
    // The segments read the same in every language.
    for (AppLanguage language : languages)
        m_choice->addSegment(AppLanguages::rawValue(language).toUpper());
    m_choice->segment(0)->setObjectName(u"settingsLanguageCs"_s);
    m_choice->segment(1)->setObjectName(u"settingsLanguageEn"_s);
    auto *row = new QHBoxLayout;
    row->addWidget(m_name, 1);
    row->addWidget(m_choice);
    m_box->contentLayout()->addLayout(row);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_choice, &SegmentedControl::currentIndexChanged, this, [this](int index) {
        m_context.preferences.setLanguage(languages.value(index, AppLanguage::Cs));
        // An unknown stored value that becomes "cs" changes no language, and so no texts.
        showChoice();
    });
    retranslate();
}

void LanguageGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void LanguageGroup::retranslate()
{
    m_box->setTitle(L(u"Jazyk"_s));
    m_choice->setAccessibleName(L(u"Jazyk"_s));
    showChoice();
}

void LanguageGroup::showChoice()
{
    const std::optional<AppLanguage> stored =
        AppLanguages::fromRawValue(m_context.preferences.languageRaw());
    m_name->setText(stored ? AppLanguages::displayName(*stored) : QString());
    m_choice->setCurrentIndex(stored ? int(languages.indexOf(*stored)) : -1);
}
