// SPDX-License-Identifier: MIT
#include "ui/main/updatebanner.h"

#include "i18n/localization.h"
#include "services/updatechecker.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/components/prominentbutton.h"
#include "ui/desktop/uicontext.h"
#include "ui/desktop/urlopener.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UpdateBanner::UpdateBanner(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_banner(new Banner(u"arrow.down.circle.fill"_s, Colors::named(u"blue"_s, palette())))
    , m_skip(new QPushButton)
    , m_download(new ProminentButton)
{
    setObjectName(u"updateBanner"_s);
    m_skip->setObjectName(u"updateSkipButton"_s);
    m_skip->setFlat(true);
    m_skip->setCursor(Qt::PointingHandCursor);
    m_download->setObjectName(u"updateDownloadButton"_s);
    m_banner->addTrailingWidget(m_skip);
    m_banner->addTrailingWidget(m_download);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);

    UpdateChecker &updates = m_context.updates;
    connect(m_skip, &QPushButton::clicked, this,
            [&updates] { updates.setDismissedVersion(updates.latestVersion()); });
    connect(m_download, &QPushButton::clicked, this, [this, &updates] {
        if (const std::optional<QUrl> url = updates.downloadURL())
            m_context.desktop.urls->openUrl(*url);
    });
    connect(&updates, &UpdateChecker::changed, this, &UpdateBanner::refresh);
    retranslate();
}

void UpdateBanner::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void UpdateBanner::retranslate()
{
    m_skip->setText(L(u"Přeskočit"_s));
    m_download->setText(L(u"Stáhnout"_s));
    refresh();
}

void UpdateBanner::refresh()
{
    const UpdateChecker &updates = m_context.updates;
    setVisible(updates.isUpdateAvailable());
    m_banner->setTitle(L(u"Dostupná nová verze"_s) + u' ' +
                       updates.latestVersion().value_or(QString()));
    m_banner->setText(updates.bannerText());
    m_download->setVisible(updates.downloadURL().has_value());
}
