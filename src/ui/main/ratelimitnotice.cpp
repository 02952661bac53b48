// SPDX-License-Identifier: MIT
#include "ui/main/ratelimitnotice.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RateLimitNotice::RateLimitNotice(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_banner(
          new Banner(u"exclamationmark.triangle.fill"_s, Colors::named(u"orange"_s, palette())))
{
    setObjectName(u"rateLimitNotice"_s);
    m_banner->setObjectName(u"rateLimitBanner"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    connect(&context.model.refreshes(), &RefreshScheduler::gitHubLimitedUntilChanged, this,
            &RateLimitNotice::refresh);
    refresh();
}

void RateLimitNotice::changeEvent(QEvent *event)
{
    // The time's form follows the language too.
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QWidget::changeEvent(event);
}

void RateLimitNotice::refresh()
{
    const std::optional<QDateTime> until = m_context.model.refreshes().gitHubLimitedUntil();
    setVisible(until.has_value());
    const QString text = until ? Presentation::gitHubLimitText(*until) : QString();
    m_banner->setTitle(text);
    setAccessibleName(text);
}
