// SPDX-License-Identifier: MIT
#include "ui/main/tokenbanner.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TokenBanner::TokenBanner(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_service(context.model.services().bannerService())
    , m_banner(new Banner(u"key.fill"_s, Colors::named(u"orange"_s, palette())))
    , m_field(new QLineEdit)
    , m_save(new QPushButton)
{
    setObjectName(u"tokenBanner"_s);
    m_field->setObjectName(u"tokenBannerField"_s);
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setFixedWidth(200);
    m_save->setObjectName(u"tokenBannerSaveButton"_s);
    m_save->setEnabled(false);
    m_banner->addTrailingWidget(m_field);
    m_banner->addTrailingWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);

    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_save->setEnabled(!text.isEmpty()); });
    connect(m_field, &QLineEdit::returnPressed, this, &TokenBanner::save);
    connect(m_save, &QPushButton::clicked, this, &TokenBanner::save);
    TokenRegistry &tokens = context.model.tokens();
    connect(&tokens, &TokenRegistry::tokenChanged, this, &TokenBanner::refresh);
    connect(&tokens, &TokenRegistry::tokenSaveFailed, this, [this](const TokenService &failed) {
        if (failed != m_service)
            return;
        m_saveFailed = true;
        retranslate();
    });
    retranslate();
}

void TokenBanner::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TokenBanner::retranslate()
{
    const QString title = m_service ? m_service->title : QString();
    m_banner->setTitle(m_service ? L(m_service->bannerTitle) : QString());
    m_banner->setText(m_saveFailed ? L(u"Token se nepodařilo uložit do klíčenky systému."_s)
                                   : L(u"Zadej Personal Access Token pro sledování deployů. Uloží "
                                       u"se do klíčenky."_s));
    m_field->setPlaceholderText(title + u" token"_s);
    m_field->setAccessibleName(title + u" token"_s);
    m_save->setText(L(u"Uložit"_s));
    refresh();
}

void TokenBanner::refresh()
{
    setVisible(m_service && !m_context.model.tokens().token(*m_service));
}

void TokenBanner::save()
{
    const QString token = m_field->text();
    if (token.isEmpty() || !m_service)
        return;
    m_saveFailed = false;
    m_context.model.tokens().saveToken(*m_service, token);
    m_field->clear();
    retranslate();
}
