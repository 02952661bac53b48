// SPDX-License-Identifier: MIT
#include "ui/main/welcomeview.h"

#include "i18n/localization.h"
#include "ui/components/appbadge.h"
#include "ui/components/colors.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/typography.h"
#include "ui/main/welcomefeature.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int featuresWidth = 560;

QLabel *centredLabel(const QFont &font, const QColor &color)
{
    auto *label = new QLabel;
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    label->setMinimumWidth(1);
    if (color.isValid())
        Colors::setTextColor(*label, color);
    return label;
}

} // namespace

WelcomeView::WelcomeView(QWidget *parent)
    : QWidget(parent)
    , m_title(centredLabel(Typography::font(22, QFont::Bold), {}))
    , m_text(centredLabel(Typography::font(13), Colors::secondary(palette())))
    , m_git(new WelcomeFeature(u"arrow.triangle.branch"_s))
    , m_deploys(new WelcomeFeature(u"cloud"_s))
    , m_kanban(new WelcomeFeature(u"square.grid.2x2"_s))
    , m_add(new ProminentButton)
    , m_caption(centredLabel(Typography::font(11), Colors::secondary(palette())))
{
    setObjectName(u"welcomeView"_s);
    m_title->setObjectName(u"welcomeTitle"_s);
    m_add->setObjectName(u"welcomeAddProjectButton"_s);

    auto *features = new QWidget;
    features->setMaximumWidth(featuresWidth);
    features->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Centred, as wide as the room allows up to the maximum.
    auto *featureBand = new QHBoxLayout;
    featureBand->addStretch(1);
    featureBand->addWidget(features, 100);
    featureBand->addStretch(1);
    auto *featureRow = new QHBoxLayout(features);
    featureRow->setContentsMargins(0, 0, 0, 0);
    featureRow->setSpacing(12);
    for (WelcomeFeature *feature : {m_git, m_deploys, m_kanban})
        featureRow->addWidget(feature, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 32, 0, 32);
    layout->setSpacing(0);
    layout->addWidget(new AppBadge(56), 0, Qt::AlignHCenter);
    layout->addSpacing(18);
    layout->addWidget(m_title);
    layout->addSpacing(8);
    layout->addWidget(m_text);
    layout->addSpacing(26);
    layout->addLayout(featureBand);
    layout->addSpacing(26);
    layout->addWidget(m_add, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_caption);
    connect(m_add, &QPushButton::clicked, this, &WelcomeView::addProjectRequested);
    retranslate();
}

void WelcomeView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void WelcomeView::retranslate()
{
    m_title->setText(L(u"Vítej ve Quaylin"_s));
    m_text->setText(L(u"Git stav, nasazení a kanban všech tvých projektů na jednom místě."_s));
    m_git->setTexts(L(u"Živý git stav"_s),
                    L(u"Rozpracované změny a nepushnuté commity na první pohled"_s));
    m_deploys->setTexts(L(u"Stav nasazení"_s), L(u"Netlify i Vercel, bez otevírání prohlížeče"_s));
    m_kanban->setTexts(L(u"Kanban na projekt"_s), L(u"Nápady, rozdělaná práce, hotovo"_s));
    m_add->setText(L(u"Přidat první projekt"_s));
    m_add->updateGeometry();
    m_caption->setText(L(u"Stačí složka na disku — Netlify a GitHub jsou volitelné."_s));
}
