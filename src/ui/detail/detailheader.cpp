// SPDX-License-Identifier: MIT
#include "ui/detail/detailheader.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/iconbutton.h"
#include "ui/components/projectlinks.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/editorlauncher.h"
#include "ui/desktop/terminallauncher.h"
#include "ui/desktop/uicontext.h"
#include "ui/desktop/urlopener.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

DetailHeader::DetailHeader(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_emoji(new ElidedLabel({}, this))
    , m_name(new ElidedLabel({}, this))
    , m_path(new ElidedLabel({}, this))
    , m_edit(new IconButton(u"pencil"_s, {}, this))
    , m_actions(new QHBoxLayout)
{
    m_emoji->setObjectName(u"projectEmoji"_s);
    m_emoji->setFont(Typography::emoji(34));
    // An emoji is one or two glyphs; anything longer someone typed is cut, not laid out.
    m_emoji->setMaximumWidth(QFontMetrics(m_emoji->font()).height() * 2);
    m_name->setObjectName(u"projectName"_s);
    m_name->setFont(Typography::font(22, QFont::Bold));
    m_path->setObjectName(u"projectPath"_s);
    m_path->setFont(Typography::font(11));
    m_edit->setObjectName(u"editProjectButton"_s);

    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(m_name);
    names->addWidget(m_path);

    m_actions->setSpacing(6);
    m_web = addButton(u"openWebButton"_s, u"globe"_s);
    m_github = addButton(u"openGitHubButton"_s, u"chevron.left.forwardslash.chevron.right"_s);
    m_files = addButton(u"openFolderButton"_s, u"folder"_s);
    m_terminal = addButton(u"openTerminalButton"_s, u"terminal"_s);
    m_editor = addButton(u"openEditorButton"_s, u"curlybraces"_s);
    m_actions->addWidget(m_edit);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(m_emoji);
    layout->addLayout(names, 1);
    layout->addLayout(m_actions);

    connect(m_web, &QPushButton::clicked, this, [this] {
        if (const auto url = ProjectLinks::website(m_project))
            m_context.desktop.urls->openUrl(*url);
    });
    connect(m_github, &QPushButton::clicked, this, [this] {
        if (const auto url = ProjectLinks::gitHub(m_project))
            m_context.desktop.urls->openUrl(*url);
    });
    connect(m_files, &QPushButton::clicked, this,
            [this] { m_context.desktop.urls->openFolder(m_project.localPath); });
    connect(m_terminal, &QPushButton::clicked, this,
            [this] { m_context.desktop.terminal->open(m_project.localPath); });
    connect(m_editor, &QPushButton::clicked, this,
            [this] { m_context.desktop.editor->open(m_project.localPath); });
    connect(m_edit, &IconButton::clicked, this, &DetailHeader::editRequested);
    updateIcons();
    retranslate();
}

QPushButton *DetailHeader::addButton(const QString &objectName, const QString &symbol)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setFont(Typography::font(11.5));
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(Qt::PointingHandCursor);
    m_actions->addWidget(button);
    m_buttons.append({button, symbol});
    return button;
}

void DetailHeader::setProject(const ProjectConfig &project)
{
    m_project = project;
    m_emoji->setText(project.emoji);
    m_name->setText(project.name);
    m_path->setText(project.localPath);
    m_path->setToolTip(project.localPath);
    m_web->setVisible(ProjectLinks::website(project).has_value());
    m_github->setVisible(ProjectLinks::gitHub(project).has_value());
    m_terminal->setVisible(m_context.desktop.terminal->isAvailable());
    const std::optional<InstalledEditor> editor = m_context.desktop.editor->installedEditor();
    m_editor->setVisible(editor.has_value());
    if (editor)
        m_editor->setText(editor->name);
}

void DetailHeader::retranslate()
{
    m_web->setText(L(u"Web"_s));
    m_github->setText(u"GitHub"_s);
    m_files->setText(L(u"Soubory"_s));
    m_terminal->setText(L(u"Terminál"_s));
    m_edit->setHelp(L(u"Upravit projekt"_s));
}

void DetailHeader::updateIcons()
{
    m_path->setTextColor(Colors::tertiary(palette()));
    const QColor color = Colors::primary(palette());
    for (const auto &[button, symbol] : std::as_const(m_buttons))
        button->setIcon(Symbols::icon(symbol, color));
}

void DetailHeader::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateIcons();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
