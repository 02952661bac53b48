// SPDX-License-Identifier: MIT
#include "ui/shell/menuprojectrow.h"

#include "app/presentation.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/statusdot.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr qreal dotSize = 6;
constexpr qreal cornerRadius = 6;

} // namespace

MenuProjectRow::MenuProjectRow(QWidget *parent)
    : QWidget(parent)
    , m_emoji(new ElidedLabel)
    , m_name(new ElidedLabel)
    , m_git(new ElidedLabel)
    , m_gitDot(new StatusDot(StatusColor::Gray, dotSize))
    , m_deployDot(new StatusDot(StatusColor::Gray, dotSize))
{
    setObjectName(QStringLiteral("menuProjectRow"));
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_emoji->setObjectName(QStringLiteral("menuProjectEmoji"));
    m_emoji->setFont(Typography::font(15));
    m_emoji->setAlignment(Qt::AlignCenter);
    m_emoji->setFixedWidth(QFontMetrics(m_emoji->font()).height() + 4);
    m_name->setObjectName(QStringLiteral("menuProjectName"));
    m_name->setFont(Typography::font(13, QFont::Medium));
    m_git->setObjectName(QStringLiteral("menuProjectGit"));
    m_git->setFont(Typography::font(11));
    m_git->setTextColor(Colors::secondary(palette()));
    m_gitDot->setObjectName(QStringLiteral("menuProjectGitDot"));
    m_deployDot->setObjectName(QStringLiteral("menuProjectDeployDot"));

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(1);
    texts->addWidget(m_name);
    texts->addWidget(m_git);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 8, 4);
    row->setSpacing(8);
    row->addWidget(m_emoji);
    row->addLayout(texts, 1);
    row->addWidget(m_gitDot);
    row->addWidget(m_deployDot);
}

void MenuProjectRow::setProject(const ProjectConfig &project, const ProjectRuntime &runtime,
                                const DeployService *deploysTo)
{
    m_project = project;
    m_emoji->setText(project.emoji);
    m_name->setText(project.name);
    const QString git = Presentation::gitLabel(runtime.git);
    m_git->setText(git);
    m_gitDot->setStatus(Presentation::gitColor(runtime.git));
    m_deployDot->setStatus(Presentation::deployColor(runtime.deploy));
    m_deployDot->setVisible(deploysTo != nullptr);
    setAccessibleName(ElidedLabel::singleLine(project.name));
    setAccessibleDescription(git);
}

bool MenuProjectRow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        update();
        break;
    case QEvent::PaletteChange:
        m_git->setTextColor(Colors::secondary(palette()));
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void MenuProjectRow::paintEvent(QPaintEvent *)
{
    if (!underMouse())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::withAlpha(Colors::quaternaryFill(palette()),
                                       Colors::quaternaryFill(palette()).alphaF() * 0.5));
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}
