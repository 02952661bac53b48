// SPDX-License-Identifier: MIT
#include "ui/settings/updatesgroup.h"

#include "i18n/localization.h"
#include "services/appversion.h"
#include "services/updatechecker.h"
#include "ui/components/colors.h"
#include "ui/components/sectionbox.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UpdatesGroup::UpdatesGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_version(new QLabel)
    , m_available(new QLabel)
    , m_check(new QPushButton)
{
    m_version->setObjectName(u"settingsVersion"_s);
    m_version->setFont(Typography::font(12.5, QFont::Medium));
    m_available->setObjectName(u"settingsAvailableVersion"_s);
    m_available->setFont(Typography::font(11));
    Colors::setTextColor(*m_available, Colors::secondary(palette()));
    m_check->setObjectName(u"settingsCheckUpdatesButton"_s);
    m_check->setAutoDefault(false);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_version);
    texts->addWidget(m_available);
    auto *row = new QHBoxLayout;
    row->addLayout(texts, 1);
    row->addWidget(m_check, 0, Qt::AlignVCenter);
    m_box->contentLayout()->addLayout(row);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_check, &QPushButton::clicked, this, &UpdatesGroup::check);
    connect(&context.updates, &UpdateChecker::changed, this, &UpdatesGroup::retranslate);
    retranslate();
}

void UpdatesGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void UpdatesGroup::retranslate()
{
    const UpdateChecker &updates = m_context.updates;
    m_box->setTitle(L(u"Aktualizace"_s));
    m_version->setText(L(u"Verze"_s) + u' ' + AppVersion::current());
    const std::optional<QString> latest = updates.latestVersion();
    if (latest && UpdateChecker::isNewer(*latest, AppVersion::current()))
        m_available->setText(L(u"Dostupná verze"_s) + u' ' + *latest);
    else
        m_available->setText(L(u"Máš nejnovější verzi"_s));
    m_check->setText(m_checking ? L(u"Kontroluji…"_s) : L(u"Zkontrolovat aktualizace"_s));
    m_check->setEnabled(!m_checking);
}

void UpdatesGroup::check()
{
    if (m_checking)
        return;
    m_checking = true;
    retranslate();
    m_context.updates.checkForUpdate().then([group = QPointer(this)] {
        if (!group)
            return;
        group->m_checking = false;
        group->retranslate();
    });
}
