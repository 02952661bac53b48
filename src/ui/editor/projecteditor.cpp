// SPDX-License-Identifier: MIT
#include "ui/editor/projecteditor.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/segmentedcontrol.h"
#include "ui/components/sheet.h"
#include "ui/components/symbollabel.h"
#include "ui/components/tintedbutton.h"
#include "ui/components/typography.h"
#include "ui/desktop/filechooser.h"
#include "ui/desktop/uicontext.h"
#include "ui/editor/removalconfirmation.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int sheetWidth = 480;
constexpr int emojiWidth = 44;

// The deploy services' id rows follow GitHub's, then comes the status.
enum Row { NameRow, FolderRow, WarningRow, SiteRow, GitHubRow, FirstDeployRow };

QLineEdit *field(const QString &objectName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setClearButtonEnabled(false);
    return edit;
}

} // namespace

ProjectEditor::ProjectEditor(UiContext &context, const std::optional<ProjectConfig> &existing,
                             QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_existing(existing)
    , m_title(new QLabel)
    , m_grid(new QGridLayout)
    , m_name(field(u"editorNameField"_s))
    , m_emoji(field(u"editorEmojiField"_s))
    , m_path(field(u"editorPathField"_s))
    , m_choose(new QPushButton)
    , m_pathWarning(new SymbolLabel(u"exclamationmark.triangle"_s))
    , m_site(field(u"editorSiteField"_s))
    , m_github(field(u"editorGitHubField"_s))
    , m_deployServices(context.model.services().deploys)
    , m_status(new SegmentedControl)
    , m_remove(new TintedButton(TintedButton::Tint::Red))
    , m_cancel(new QPushButton)
    , m_save(new ProminentButton)
{
    Sheet::setUp(*this, u"projectEditor"_s);
    setFixedWidth(sheetWidth);

    m_title->setObjectName(u"editorTitle"_s);
    Sheet::makeTitle(*m_title, 17);
    m_emoji->setFixedWidth(emojiWidth);
    m_emoji->setFont(Typography::emoji(14));
    m_emoji->setAlignment(Qt::AlignCenter);
    m_emoji->setPlaceholderText(u"📦"_s);
    m_choose->setObjectName(u"editorChooseFolderButton"_s);
    m_choose->setAutoDefault(false);
    const QColor orange = Colors::named(u"orange"_s, palette());
    m_pathWarning->setObjectName(u"editorPathWarning"_s);
    m_pathWarning->setSymbolColor(orange);
    m_pathWarning->setTextColor(orange);
    m_pathWarning->setFont(Typography::font(11.5));
    m_status->setObjectName(u"editorStatus"_s);
    for (ProjectStatus status : ProjectStatuses::all())
        m_status->addSegment(Presentation::title(status), ProjectStatuses::symbol(status));
    m_remove->setObjectName(u"editorRemoveButton"_s);
    m_remove->setAutoDefault(false);
    m_remove->setFlat(true);
    m_remove->setCursor(Qt::PointingHandCursor);
    m_remove->setVisible(existing.has_value());
    m_cancel->setObjectName(u"editorCancelButton"_s);
    m_cancel->setAutoDefault(false);
    m_save->setObjectName(u"editorSaveButton"_s);
    m_save->setDefault(true);

    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(10);
    m_grid->setColumnStretch(1, 1);
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(8);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_emoji);
    auto *folderRow = new QHBoxLayout;
    folderRow->setSpacing(8);
    folderRow->addWidget(m_path, 1);
    folderRow->addWidget(m_choose);
    m_grid->addLayout(nameRow, NameRow, 1);
    m_grid->addLayout(folderRow, FolderRow, 1);
    m_grid->addWidget(m_pathWarning, WarningRow, 1);
    m_grid->addWidget(m_site, SiteRow, 1);
    m_grid->addWidget(m_github, GitHubRow, 1);
    for (const DeployService &service : std::as_const(m_deployServices)) {
        const QString key = service.token.key;
        m_deployIDs.append(field(u"editor"_s + key.left(1).toUpper() + key.mid(1) + u"Field"_s));
        m_grid->addWidget(m_deployIDs.last(), FirstDeployRow + int(m_deployIDs.size()) - 1, 1);
    }
    m_grid->addWidget(m_status, statusRow(), 1);
    for (int row = NameRow; row <= statusRow(); ++row) {
        if (row == WarningRow)
            continue;
        auto *label = new QLabel;
        label->setObjectName(u"editorRowLabel"_s);
        m_grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    rowLabel(NameRow)->setBuddy(m_name);
    rowLabel(FolderRow)->setBuddy(m_path);
    rowLabel(SiteRow)->setBuddy(m_site);
    rowLabel(GitHubRow)->setBuddy(m_github);
    for (int i = 0; i < m_deployIDs.size(); ++i)
        rowLabel(FirstDeployRow + i)->setBuddy(m_deployIDs[i]);

    auto *footer = new QHBoxLayout;
    footer->setSpacing(8);
    footer->addWidget(m_remove);
    footer->addStretch(1);
    footer->addWidget(m_cancel);
    footer->addWidget(m_save);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addWidget(m_title);
    layout->addLayout(m_grid);
    layout->addLayout(footer);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const ProjectForm initial =
        existing ? ProjectForm::from(*existing, m_deployServices) : ProjectForm();
    m_name->setText(initial.name);
    m_emoji->setText(initial.emoji);
    m_path->setText(initial.localPath);
    m_site->setText(initial.siteURL);
    m_github->setText(initial.githubURL);
    for (int i = 0; i < m_deployIDs.size(); ++i)
        m_deployIDs[i]->setText(initial.deployIDs.value(m_deployServices[i].token.key));
    m_status->setCurrentIndex(int(ProjectStatuses::all().indexOf(initial.status)));
    QList<QWidget *> chain{m_name, m_emoji, m_path, m_choose, m_site, m_github};
    for (QLineEdit *id : std::as_const(m_deployIDs))
        chain.append(id);
    for (int i = 0; i < m_status->count(); ++i)
        chain.append(m_status->segment(i));
    chain += {m_remove, m_cancel, m_save};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    for (QLineEdit *edit : {m_name, m_path})
        connect(edit, &QLineEdit::textChanged, this, &ProjectEditor::validate);
    connect(m_choose, &QPushButton::clicked, this, &ProjectEditor::chooseFolder);
    connect(m_remove, &QPushButton::clicked, this, &ProjectEditor::askRemoval);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &QDialog::accept);
    // A project removed elsewhere meanwhile cannot be saved any more.
    connect(&context.model, &AppModel::projectsChanged, this, [this] {
        if (m_existing && !m_context.model.project(m_existing->id))
            reject();
    });
    retranslate();
    validate();
    m_name->setFocus(Qt::OtherFocusReason);
}

ProjectEditor::~ProjectEditor() = default;

int ProjectEditor::statusRow() const
{
    return FirstDeployRow + int(m_deployServices.size());
}

QLabel *ProjectEditor::rowLabel(int row)
{
    QLayoutItem *item = m_grid->itemAtPosition(row, 0);
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}

std::optional<QUuid> ProjectEditor::projectID() const
{
    return m_existing ? std::optional(m_existing->id) : std::nullopt;
}

ProjectForm ProjectEditor::form() const
{
    ProjectForm form;
    form.name = m_name->text();
    form.emoji = m_emoji->text();
    form.localPath = m_path->text();
    form.siteURL = m_site->text();
    form.githubURL = m_github->text();
    for (int i = 0; i < m_deployIDs.size(); ++i)
        form.deployIDs.insert(m_deployServices[i].token.key, m_deployIDs[i]->text());
    form.status =
        ProjectStatuses::all().value(m_status->currentIndex(), ProjectStatus::Development);
    return form;
}

void ProjectEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ProjectEditor::retranslate()
{
    const QString title = m_existing ? L(u"Upravit projekt"_s) : L(u"Nový projekt"_s);
    setWindowTitle(title);
    m_title->setText(title);
    rowLabel(NameRow)->setText(L(u"Název"_s));
    rowLabel(FolderRow)->setText(L(u"Složka"_s));
    rowLabel(SiteRow)->setText(L(u"Web"_s));
    rowLabel(GitHubRow)->setText(u"GitHub"_s);
    for (int i = 0; i < m_deployIDs.size(); ++i)
        rowLabel(FirstDeployRow + i)->setText(L(m_deployServices[i].editorLabel));
    rowLabel(statusRow())->setText(L(u"Stav"_s));
    m_name->setPlaceholderText(L(u"Můj projekt"_s));
    m_emoji->setToolTip(L(u"Emoji ikona projektu"_s));
    m_emoji->setAccessibleName(L(u"Emoji ikona projektu"_s));
    m_path->setPlaceholderText(L(u"/cesta/k/projektu"_s));
    m_choose->setText(L(u"Vybrat…"_s));
    m_pathWarning->setText(L(u"Složka neexistuje"_s));
    m_site->setPlaceholderText(L(u"https://… (volitelné)"_s));
    m_github->setPlaceholderText(u"https://github.com/…"_s + L(u" (volitelné)"_s));
    for (int i = 0; i < m_deployIDs.size(); ++i)
        m_deployIDs[i]->setPlaceholderText(L(m_deployServices[i].editorPlaceholder));
    const QList<ProjectStatus> statuses = ProjectStatuses::all();
    for (int i = 0; i < statuses.size(); ++i)
        m_status->setSegmentText(i, Presentation::title(statuses[i]));
    m_status->setAccessibleName(L(u"Stav"_s));
    m_remove->setText(L(u"Odstranit projekt"_s));
    m_cancel->setText(L(u"Zrušit"_s));
    m_save->setText(m_existing ? L(u"Uložit"_s) : L(u"Přidat"_s));
    m_save->updateGeometry();
    // Accessible names for the fields from their row labels.
    QList<std::pair<int, QWidget *>> named{
        {NameRow, m_name}, {FolderRow, m_path}, {SiteRow, m_site}, {GitHubRow, m_github}};
    for (int i = 0; i < m_deployIDs.size(); ++i)
        named.append({FirstDeployRow + i, m_deployIDs[i]});
    for (const auto &[row, widget] : std::as_const(named))
        widget->setAccessibleName(rowLabel(row)->text());
}

void ProjectEditor::validate()
{
    const ProjectForm current = form();
    m_pathWarning->setVisible(current.showsPathWarning());
    m_save->setEnabled(current.isValid());
}

void ProjectEditor::chooseFolder()
{
    const auto chosen = [editor = QPointer(this)](const QString &path) {
        if (!editor || path.isEmpty())
            return;
        editor->m_path->setText(path);
        if (editor->m_name->text().trimmed().isEmpty())
            editor->m_name->setText(QDir(QDir::cleanPath(path)).dirName());
    };
    m_context.desktop.files->chooseFolder(this, L(u"Vybrat složku"_s), chosen);
}

void ProjectEditor::askRemoval()
{
    if (!m_existing)
        return;
    RemovalConfirmation::ask(this, [editor = QPointer(this)] {
        if (!editor)
            return;
        const std::optional<ProjectConfig> project = editor->m_existing;
        editor->m_existing.reset(); // so the removal below does not read as "removed elsewhere"
        editor->m_context.model.removeProject(*project);
        editor->QDialog::accept();
    });
}

void ProjectEditor::accept()
{
    const ProjectForm current = form();
    if (!current.isValid())
        return;
    // The folder and position as the model has them now, should they have moved meanwhile.
    std::optional<ProjectConfig> base = m_existing;
    if (m_existing)
        base = m_context.model.project(m_existing->id).value_or(*m_existing);
    const ProjectConfig project = current.build(base, m_deployServices);
    if (m_existing)
        m_context.model.updateProject(project);
    else
        m_context.model.addProject(project);
    QDialog::accept();
}
