// SPDX-License-Identifier: MIT
#include "ui/main/sidebarmodel.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "app/sortindex.h"
#include "i18n/localization.h"
#include "model/jsonfields.h"
#include "model/recordjson.h"

#include <QMimeData>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// Keys of the sections that are not folders, and of the new-folder field among the rows; real
// ids are random, so these never meet one.
constexpr QUuid overviewKey(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
constexpr QUuid noFolderKey(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3);

const QString payloadType = u"text/plain"_s;

SidebarModel::Kind kindOfKey(const QUuid &key)
{
    if (key == overviewKey)
        return SidebarModel::Kind::Overview;
    if (key == noFolderKey)
        return SidebarModel::Kind::NoFolder;
    return SidebarModel::Kind::Folder;
}

} // namespace

SidebarModel::SidebarModel(AppModel &model, QObject *parent)
    : RowDiffModel(parent)
    , m_model(model)
{
    connect(&m_model, &AppModel::projectsChanged, this, &SidebarModel::sync);
    connect(&m_model, &AppModel::foldersChanged, this, &SidebarModel::sync);
    connect(&m_model, &AppModel::runtimeChanged, this, &SidebarModel::onRuntimeChanged);
    sync();
}

SidebarModel::~SidebarModel() = default;

void SidebarModel::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    if (m_filter == filter)
        return;
    m_filter = filter;
    sync();
}

void SidebarModel::sync()
{
    m_syncing = true;
    QList<QUuid> keys{overviewKey};
    QHash<QUuid, ProjectFolder> folders;
    for (const ProjectFolder &folder : SortIndex::stableSorted(m_model.folders())) {
        if (folders.contains(folder.id))
            continue;
        folders.insert(folder.id, folder);
        keys.append(folder.id);
    }
    keys.append(noFolderKey);

    QHash<QUuid, ProjectConfig> projects;
    QHash<QUuid, QList<QUuid>> rows;
    for (const ProjectConfig &project : SortIndex::stableSorted(m_model.projects())) {
        if (projects.contains(project.id) || (m_filter && project.status != *m_filter))
            continue;
        projects.insert(project.id, project);
        const bool inFolder = project.folderID && folders.contains(*project.folderID);
        rows[inFolder ? *project.folderID : noFolderKey].append(project.id);
    }

    QHash<QUuid, int> countsBefore;
    for (const Section &section : std::as_const(m_sections))
        countsBefore.insert(section.key, int(section.rows.size()));
    syncSections(keys);
    QList<QList<QUuid>> desired; // sections that are going get none
    for (const Section &section : std::as_const(m_sections))
        desired.append(rows.value(section.key));
    follow(desired);
    // Sections left over at the end are folders that are gone; their rows have moved away.
    if (m_sections.size() > keys.size()) {
        beginRemoveRows({}, int(keys.size()), int(m_sections.size() - 1));
        m_sections.resize(keys.size());
        endRemoveRows();
    }
    const QHash<QUuid, ProjectConfig> projectsBefore = std::exchange(m_projects, projects);
    const QHash<QUuid, ProjectFolder> foldersBefore = std::exchange(m_folders, folders);
    announceChanges(projectsBefore, foldersBefore, countsBefore);
    m_syncing = false;
    Q_EMIT synced();
}

void SidebarModel::syncSections(const QList<QUuid> &keys)
{
    QList<QUuid> current;
    for (const Section &section : std::as_const(m_sections))
        current.append(section.key);
    // Sections that are going stay at the end for now, so their rows can move out first.
    QList<QUuid> desired = keys;
    for (const QUuid &key : std::as_const(current)) {
        if (!keys.contains(key))
            desired.append(key);
    }
    for (const RowDiff::Step &step : RowDiff::steps({current}, {desired})) {
        if (step.kind == RowDiff::Step::Kind::Insert) {
            beginInsertRows({}, step.row, step.row + step.count - 1);
            for (int i = 0; i < step.count; ++i) {
                const QUuid &key = step.ids[i];
                m_sections.insert(step.row + i, Section{key, kindOfKey(key), m_nextTag++, {}});
            }
            endInsertRows();
        } else if (step.kind == RowDiff::Step::Kind::Move) {
            beginMoveRows({}, step.fromRow, step.fromRow, {}, step.row);
            m_sections.move(step.fromRow, step.row > step.fromRow ? step.row - 1 : step.row);
            endMoveRows();
        }
    }
}

QList<QList<QUuid>> SidebarModel::shownRows() const
{
    QList<QList<QUuid>> rows;
    rows.reserve(m_sections.size());
    for (const Section &section : m_sections)
        rows.append(section.rows);
    return rows;
}

QModelIndex SidebarModel::sectionIndex(int section) const
{
    return index(section, 0);
}

void SidebarModel::storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &step)
{
    m_sections[step.section].rows = rows[step.section];
    m_sections[step.fromSection].rows = rows[step.fromSection];
}

void SidebarModel::announceChanges(const QHash<QUuid, ProjectConfig> &projectsBefore,
                                   const QHash<QUuid, ProjectFolder> &foldersBefore,
                                   const QHash<QUuid, int> &countsBefore)
{
    for (int s = 0; s < m_sections.size(); ++s) {
        const Section &section = m_sections[s];
        if (section.kind == Kind::Folder &&
            (foldersBefore.value(section.key) != m_folders.value(section.key) ||
             countsBefore.value(section.key, -1) != section.rows.size())) {
            const QModelIndex header = index(s, 0);
            Q_EMIT dataChanged(header, header);
        }
        for (int r = 0; r < section.rows.size(); ++r) {
            const auto before = projectsBefore.constFind(section.rows[r]);
            if (before != projectsBefore.cend() && *before != m_projects.value(section.rows[r])) {
                const QModelIndex row = index(r, 0, index(s, 0));
                Q_EMIT dataChanged(row, row);
            }
        }
    }
}

void SidebarModel::onRuntimeChanged(const QUuid &projectID)
{
    const QModelIndex row = projectIndex(projectID);
    if (row.isValid())
        Q_EMIT dataChanged(row, row, {StatusColorRole, Qt::ToolTipRole});
}

int SidebarModel::sectionRow(quintptr tag) const
{
    for (int s = 0; s < m_sections.size(); ++s) {
        if (m_sections[s].tag == tag)
            return s;
    }
    return -1;
}

QModelIndex SidebarModel::overviewIndex() const
{
    return index(0, 0);
}

QModelIndex SidebarModel::noFolderIndex() const
{
    for (int s = 0; s < m_sections.size(); ++s) {
        if (m_sections[s].kind == Kind::NoFolder)
            return index(s, 0);
    }
    return {};
}

QModelIndex SidebarModel::folderIndex(const QUuid &folderID) const
{
    for (int s = 0; s < m_sections.size(); ++s) {
        if (m_sections[s].kind == Kind::Folder && m_sections[s].key == folderID)
            return index(s, 0);
    }
    return {};
}

QModelIndex SidebarModel::projectIndex(const QUuid &projectID) const
{
    for (int s = 0; s < m_sections.size(); ++s) {
        const qsizetype row = m_sections[s].rows.indexOf(projectID);
        if (row >= 0)
            return createIndex(int(row), 0, m_sections[s].tag);
    }
    return {};
}

SidebarModel::Kind SidebarModel::kind(const QModelIndex &index)
{
    return Kind(index.data(KindRole).toInt());
}

std::optional<QUuid> SidebarModel::droppedProject(const QMimeData *data) const
{
    if (!data || !data->hasText())
        return std::nullopt;
    const QString first = data->text().section(u'\n', 0, 0).trimmed();
    const std::optional<QUuid> id = parseUuidText(first);
    if (!id || !m_model.project(*id))
        return std::nullopt;
    return id;
}

QModelIndex SidebarModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column != 0)
        return {};
    if (!parent.isValid())
        return row < m_sections.size() ? createIndex(row, 0, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || parent.row() >= m_sections.size())
        return {};
    const Section &section = m_sections[parent.row()];
    return row < section.rows.size() ? createIndex(row, 0, section.tag) : QModelIndex();
}

QModelIndex SidebarModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    const int row = sectionRow(child.internalId());
    return row < 0 ? QModelIndex() : createIndex(row, 0, quintptr(0));
}

int SidebarModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_sections.size());
    if (parent.column() != 0 || parent.internalId() != 0 || parent.row() >= m_sections.size())
        return 0;
    return int(m_sections[parent.row()].rows.size());
}

int SidebarModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant SidebarModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.internalId() == 0)
        return sectionData(m_sections[index.row()], role);
    const int s = sectionRow(index.internalId());
    if (s < 0)
        return {};
    return projectData(m_sections[s].rows[index.row()], role);
}

QVariant SidebarModel::sectionData(const Section &section, int role) const
{
    if (role == KindRole)
        return int(section.kind);
    switch (section.kind) {
    case Kind::Overview:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return L(u"Přehled"_s);
        break;
    case Kind::NoFolder:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return L(u"Bez složky"_s);
        break;
    case Kind::Folder: {
        const ProjectFolder folder = m_folders.value(section.key);
        switch (role) {
        case Qt::DisplayRole:
            return folder.name;
        case Qt::AccessibleTextRole:
            return u"%1 (%2)"_s.arg(folder.name).arg(section.rows.size());
        case FolderIdRole:
            return folder.id;
        case CountRole:
            return int(section.rows.size());
        case ExpandedRole:
            return folder.isExpanded;
        default:
            break;
        }
        break;
    }
    case Kind::Project:
        break;
    }
    return {};
}

QVariant SidebarModel::projectData(const QUuid &id, int role) const
{
    const auto found = m_projects.constFind(id);
    if (found == m_projects.cend())
        return {};
    const ProjectConfig &project = *found;
    switch (role) {
    case KindRole:
        return int(Kind::Project);
    case Qt::DisplayRole:
        return project.name;
    case Qt::AccessibleTextRole:
        return u"%1 %2, %3"_s.arg(project.emoji, project.name, Presentation::title(project.status));
    case Qt::ToolTipRole:
        // The git state on hover, without opening the page.
        return QString(project.name % u'\n' %
                       Presentation::gitLabel(m_model.runtime().value(id).git));
    case ProjectIdRole:
        return project.id;
    case EmojiRole:
        return project.emoji;
    case ProjectStatusRole:
        return int(project.status);
    case StatusColorRole:
        return int(Presentation::combinedColor(m_model.runtime().value(id)));
    default:
        return {};
    }
}

Qt::ItemFlags SidebarModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    switch (kind(index)) {
    case Kind::Overview:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    case Kind::Folder:
    case Kind::NoFolder:
        return Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    case Kind::Project:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
               Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren;
    }
    return Qt::ItemIsEnabled;
}

QStringList SidebarModel::mimeTypes() const
{
    return {payloadType};
}

QMimeData *SidebarModel::mimeData(const QModelIndexList &indexes) const
{
    for (const QModelIndex &index : indexes) {
        if (kind(index) != Kind::Project)
            continue;
        auto *data = new QMimeData;
        data->setText(RecordJson::uuidText(index.data(ProjectIdRole).toUuid()));
        return data;
    }
    return nullptr;
}

bool SidebarModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                   const QModelIndex &parent) const
{
    // Only onto a row: a folder header, the no-folder header, or another project.
    if (row >= 0 || !parent.isValid())
        return false;
    const std::optional<QUuid> id = droppedProject(data);
    if (!id)
        return false;
    switch (kind(parent)) {
    case Kind::Folder:
    case Kind::NoFolder:
        return true;
    case Kind::Project:
        return parent.data(ProjectIdRole).toUuid() != *id;
    default:
        return false;
    }
}

bool SidebarModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const QUuid id = *droppedProject(data);
    switch (kind(parent)) {
    case Kind::Folder:
        m_model.moveProject(id, parent.data(FolderIdRole).toUuid());
        break;
    case Kind::NoFolder:
        m_model.moveProject(id, std::nullopt);
        break;
    case Kind::Project: {
        const QUuid target = parent.data(ProjectIdRole).toUuid();
        const std::optional<ProjectConfig> project = m_model.project(target);
        m_model.reorderProject(id, target, project ? project->folderID : std::nullopt);
        break;
    }
    default:
        return false;
    }
    return true;
}

Qt::DropActions SidebarModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions SidebarModel::supportedDragActions() const
{
    return Qt::MoveAction;
}
