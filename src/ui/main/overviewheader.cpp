// SPDX-License-Identifier: MIT
#include "ui/main/overviewheader.h"

#include "app/appmodel.h"
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

OverviewHeader::OverviewHeader(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_title(new QLabel)
    , m_refreshed(new QLabel)
    , m_refresh(new QPushButton)
{
    m_title->setObjectName(u"overviewTitle"_s);
    m_title->setFont(Typography::font(24, QFont::Bold));
    m_refreshed->setObjectName(u"overviewRefreshed"_s);
    m_refreshed->setFont(Typography::font(11));
    Colors::setTextColor(*m_refreshed, Colors::secondary(palette()));
    m_refresh->setObjectName(u"overviewRefreshButton"_s);
    m_refresh->setIcon(Symbols::icon(u"arrow.clockwise"_s, Colors::primary(palette())));
    m_refresh->setCursor(Qt::PointingHandCursor);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(m_title);
    titles->addWidget(m_refreshed);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(titles, 1);
    layout->addWidget(m_refresh, 0, Qt::AlignTop);

    // Relative times move on by the minute; a few ticks a minute keep it honest.
    m_ticker.setInterval(20s);
    connect(&m_ticker, &QTimer::timeout, this, &OverviewHeader::updateRefreshed);
    connect(&context.model.refreshes(), &RefreshScheduler::lastRefreshChanged, this,
            &OverviewHeader::updateRefreshed);
    connect(m_refresh, &QPushButton::clicked, this,
            [this] { m_context.model.refreshes().requestRefresh(); });
    retranslate();
}

void OverviewHeader::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OverviewHeader::retranslate()
{
    m_title->setText(L(u"Přehled"_s));
    m_refresh->setText(L(u"Obnovit"_s, "refresh"));
    updateRefreshed();
}

void OverviewHeader::updateRefreshed()
{
    const std::optional<QDateTime> last = m_context.model.refreshes().lastRefresh();
    m_refreshed->setVisible(last.has_value());
    if (last)
        m_refreshed->setText(L(u"Aktualizováno"_s) + u' ' + Formatters::relative(*last));
}

void OverviewHeader::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateRefreshed();
    m_ticker.start();
}

void OverviewHeader::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_ticker.stop();
}
