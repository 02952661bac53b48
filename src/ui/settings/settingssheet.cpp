// SPDX-License-Identifier: MIT
#include "ui/settings/settingssheet.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/sheet.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"
#include "ui/settings/autoarchivegroup.h"
#include "ui/settings/autostartgroup.h"
#include "ui/settings/backupgroup.h"
#include "ui/settings/languagegroup.h"
#include "ui/settings/shortcutgroup.h"
#include "ui/settings/tokengroup.h"
#include "ui/settings/updatesgroup.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The folder the way people write it: the home folder as "~".
QString shownFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absolutePath());
    const QString home = QDir::cleanPath(QDir::homePath());
    if (folder == home)
        return u"~"_s;
    if (folder.startsWith(home + u'/'))
        return u"~"_s + folder.mid(home.size());
    return folder;
}

} // namespace

SettingsSheet::SettingsSheet(UiContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_title(new QLabel)
    , m_dataFolder(new QLabel)
    , m_done(new ProminentButton)
{
    Sheet::setUp(*this, u"settingsSheet"_s);
    resize(460, 600);
    setMinimumSize(420, 420);

    Sheet::makeTitle(*m_title, 17);
    m_dataFolder->setObjectName(u"settingsDataFolder"_s);
    m_dataFolder->setFont(Typography::font(11));
    m_dataFolder->setWordWrap(true);
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Colors::setTextColor(*m_dataFolder, Colors::secondary(palette()));
    m_done->setObjectName(u"settingsDoneButton"_s);
    m_done->setDefault(true);

    auto *groups = new QWidget;
    auto *column = new QVBoxLayout(groups);
    column->setContentsMargins(20, 4, 20, 12);
    column->setSpacing(12);
    column->addWidget(new LanguageGroup(context));
    column->addWidget(new UpdatesGroup(context));
    for (const TokenService &service : context.model.tokens().services())
        column->addWidget(new TokenGroup(context, service));
    column->addWidget(new ShortcutGroup(context));
    column->addWidget(new AutostartGroup(context));
    column->addWidget(new AutoArchiveGroup(context));
    column->addWidget(new BackupGroup(context));
    column->addWidget(m_dataFolder);
    column->addStretch(1);
    QScrollArea *scroll = Sheet::scrollList(groups);
    scroll->setObjectName(u"settingsScroll"_s);

    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(20, 8, 20, 16);
    footer->addStretch(1);
    footer->addWidget(m_done);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 18, 0, 0);
    layout->setSpacing(10);
    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(20, 0, 20, 0);
    titleRow->addWidget(m_title);
    layout->addLayout(titleRow);
    layout->addWidget(scroll, 1);
    layout->addLayout(footer);

    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void SettingsSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SettingsSheet::retranslate()
{
    setWindowTitle(L(u"Nastavení"_s));
    m_title->setText(L(u"Nastavení"_s));
    m_dataFolder->setText(L(u"Data v"_s) + u' ' + shownFolder(m_context.model.dataFile().path()));
    m_done->setText(L(u"Hotovo"_s));
    m_done->updateGeometry();
}
