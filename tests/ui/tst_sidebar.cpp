// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "app/livegit.h"
#include "app/presentation.h"
#include "model/recordjson.h"
#include "sources/pathwatcher.h"
#include "ui/components/iconbutton.h"
#include "ui/main/sidebar.h"
#include "ui/main/sidebarmodel.h"
#include "ui/main/sidebarview.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoroTask>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

using Kind = SidebarModel::Kind;

namespace {

QList<Kind> topKinds(const SidebarModel &model)
{
    QList<Kind> kinds;
    for (int row = 0; row < model.rowCount(); ++row)
        kinds.append(SidebarModel::kind(model.index(row, 0)));
    return kinds;
}

std::unique_ptr<QMimeData> payload(const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

QAction *action(QMenu *menu, const QString &name)
{
    return menu ? menu->findChild<QAction *>(name) : nullptr;
}

} // namespace

class SidebarTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void treeFollowsTheModelByRows()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A"_s, 1), b = makeProject(u"B"_s, 2),
                            c = makeProject(u"C"_s, 3);
        AppModel &model = f.open({a, b, c});
        SidebarModel sidebar(model);
        QAbstractItemModelTester tester(&sidebar,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(topKinds(sidebar), QList<Kind>({Kind::Overview, Kind::NoFolder}));
        QCOMPARE(rowIds(sidebar, SidebarModel::ProjectIdRole, sidebar.noFolderIndex()),
                 QList<QUuid>({a.id, b.id, c.id}));

        // A new folder goes first; a project moved into it keeps its persistent index.
        QSignalSpy resets(&sidebar, &QAbstractItemModel::modelReset);
        model.addFolder(u"Klienti"_s);
        const QUuid folder = model.folders().first().id;
        QCOMPARE(topKinds(sidebar), QList<Kind>({Kind::Overview, Kind::Folder, Kind::NoFolder}));
        QPersistentModelIndex bRow = sidebar.projectIndex(b.id);
        model.moveProject(b.id, folder);
        QVERIFY(bRow.isValid());
        QCOMPARE(bRow.parent(), sidebar.folderIndex(folder));
        QCOMPARE(sidebar.folderIndex(folder).data(SidebarModel::CountRole).toInt(), 1);

        // Counts follow the status filter; the folder stays with nothing in it.
        ProjectConfig parked = *model.project(c.id);
        parked.status = ProjectStatus::Parked;
        model.updateProject(parked);
        sidebar.setStatusFilter(ProjectStatus::Parked);
        QCOMPARE(sidebar.folderIndex(folder).data(SidebarModel::CountRole).toInt(), 0);
        QCOMPARE(rowIds(sidebar, SidebarModel::ProjectIdRole, sidebar.noFolderIndex()),
                 QList<QUuid>({c.id}));
        sidebar.setStatusFilter(std::nullopt);
        bRow = sidebar.projectIndex(b.id);

        // Deleting the folder moves its project to the top level without losing the row.
        model.deleteFolder(folder);
        QVERIFY(bRow.isValid());
        QCOMPARE(bRow.parent(), sidebar.noFolderIndex());
        QCOMPARE(topKinds(sidebar), QList<Kind>({Kind::Overview, Kind::NoFolder}));
        QCOMPARE(resets.count(), 0);

        // One project's live status repaints its row alone.
        QSignalSpy changed(&sidebar, &QAbstractItemModel::dataChanged);
        Q_EMIT model.runtimeChanged(a.id);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toModelIndex(), sidebar.projectIndex(a.id));

        // A project whose folder is gone is listed with the top-level ones, never hidden.
        ProjectConfig orphan = *model.project(c.id);
        orphan.folderID = QUuid::createUuid();
        model.updateProject(orphan);
        QVERIFY(
            rowIds(sidebar, SidebarModel::ProjectIdRole, sidebar.noFolderIndex()).contains(c.id));
        // Folders are listed by their sort index: a new one goes first.
        model.addFolder(u"Second"_s);
        model.addFolder(u"First"_s);
        QCOMPARE(sidebar.index(1, 0).data().toString(), u"First"_s);
        QCOMPARE(sidebar.index(2, 0).data().toString(), u"Second"_s);

        // Names with line breaks, right-to-left text and emoji are shown as given.
        ProjectConfig odd = *model.project(a.id);
        odd.name = u"שלום\nwelt 🚀"_s + QString(500, u'x');
        model.updateProject(odd);
        QCOMPARE(sidebar.projectIndex(a.id).data().toString(), odd.name);
    }

    void dropsMoveOrReorderKnownProjectsOnly()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A"_s, 1), b = makeProject(u"B"_s, 2),
                            c = makeProject(u"C"_s, 3);
        AppModel &model = f.open({a, b, c});
        model.addFolder(u"F"_s);
        const QUuid folder = model.folders().first().id;
        SidebarModel sidebar(model);
        const auto drop = [&](const QString &text, const QModelIndex &target, int row = -1) {
            const auto data = payload(text);
            return sidebar.dropMimeData(data.get(), Qt::MoveAction, row, -1, target);
        };

        std::unique_ptr<QMimeData> dragged(sidebar.mimeData({sidebar.projectIndex(a.id)}));
        QCOMPARE(dragged->text(), RecordJson::uuidText(a.id));
        QVERIFY(drop(dragged->text(), sidebar.folderIndex(folder)));
        QCOMPARE(model.project(a.id)->folderID, folder);
        // Onto a row of another folder: it joins that folder, before that row.
        QVERIFY(drop(RecordJson::uuidText(c.id), sidebar.projectIndex(a.id)));
        QCOMPARE(model.project(c.id)->folderID, folder);
        QCOMPARE(rowIds(sidebar, SidebarModel::ProjectIdRole, sidebar.folderIndex(folder)),
                 QList<QUuid>({c.id, a.id}));
        QVERIFY(drop(RecordJson::uuidText(a.id).toLower(), sidebar.noFolderIndex()));
        QCOMPARE(model.project(a.id)->folderID, std::nullopt);

        // Refused, and nothing changes: unknown or malformed ids, a row onto itself, places
        // that take no drops, and drops between rows.
        const QList<ProjectConfig> before = model.projects();
        QVERIFY(!drop(RecordJson::uuidText(QUuid::createUuid()), sidebar.folderIndex(folder)));
        QVERIFY(!drop(u"not an id"_s, sidebar.noFolderIndex()));
        QVERIFY(!drop(QString(), sidebar.noFolderIndex()));
        QVERIFY(!drop(RecordJson::uuidText(b.id), sidebar.projectIndex(b.id)));
        QVERIFY(!drop(RecordJson::uuidText(b.id), sidebar.overviewIndex()));
        QVERIFY(!drop(RecordJson::uuidText(b.id), QModelIndex()));
        QVERIFY(!drop(RecordJson::uuidText(b.id), sidebar.noFolderIndex(), 0));
        // What Qt asks of the source after a move drop: the row is not removed again.
        QVERIFY(!sidebar.removeRows(0, 1, sidebar.noFolderIndex()));
        QCOMPARE(model.projects(), before);
    }

    void contextMenusActAtOnceOrAskTheMainView()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A & B"_s, 1);
        AppModel &model = f.open({a});
        Sidebar sidebar(f.context());
        SidebarModel &rows = *sidebar.model();

        // Without folders there is nowhere to move to.
        std::unique_ptr<QMenu> menu(sidebar.contextMenu(rows.projectIndex(a.id)));
        QVERIFY(!menu->findChild<QMenu *>(u"projectMoveMenu"_s));
        action(menu.get(), u"projectStatusAction_done"_s)->trigger();
        QCOMPARE(model.project(a.id)->status, ProjectStatus::Done);
        QSignalSpy edit(&sidebar, &Sidebar::editRequested);
        QSignalSpy remove(&sidebar, &Sidebar::removeRequested);
        action(menu.get(), u"projectEditAction"_s)->trigger();
        action(menu.get(), u"projectRemoveAction"_s)->trigger();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(remove.first().first().toUuid(), a.id);
        QCOMPARE(model.projects().size(), 1); // removal waits for the confirmation

        model.addFolder(u"Z"_s);
        model.addFolder(u"A"_s);
        menu.reset(sidebar.contextMenu(rows.projectIndex(a.id)));
        QList<QAction *> targets;
        for (QAction *each : menu->findChildren<QAction *>(u"projectMoveToFolderAction"_s))
            targets.append(each);
        QCOMPARE(targets.size(), 2);
        QCOMPARE(targets.first()->text(), u"A"_s); // sorted as the sidebar shows them
        targets.first()->trigger();
        QCOMPARE(model.project(a.id)->folderID, targets.first()->data().toUuid());
        action(menu.get(), u"projectMoveToNoFolderAction"_s)->trigger();
        QCOMPARE(model.project(a.id)->folderID, std::nullopt);

        const QUuid folder = model.folders().first().id;
        QSignalSpy rename(&sidebar, &Sidebar::renameFolderRequested);
        menu.reset(sidebar.contextMenu(rows.folderIndex(folder)));
        action(menu.get(), u"folderRenameAction"_s)->trigger();
        QCOMPARE(rename.first().first().toUuid(), folder);
        action(menu.get(), u"folderDeleteAction"_s)->trigger(); // no question asked
        QVERIFY(!model.folder(folder));
        QVERIFY(!sidebar.contextMenu(rows.overviewIndex()));
    }

    void newFolderFieldDisclosureAndSelection()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A"_s, 1);
        AppModel &model = f.open({a});
        Sidebar sidebar(f.context());
        sidebar.resize(240, 500);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        const auto field = [&] {
            return sidebar.findChild<QLineEdit *>(u"sidebarNewFolderField"_s);
        };

        // The controls sit outside the tree: a view's own widgets are not on the
        // accessibility bus. A screen reader picks a filter by selecting in the closed list.
        auto *button = sidebar.findChild<IconButton *>(u"sidebarNewFolderButton"_s);
        auto *filter = sidebar.findChild<QComboBox *>(u"sidebarStatusFilter"_s);
        QVERIFY(!sidebar.view()->isAncestorOf(button) && !sidebar.view()->isAncestorOf(filter));
        QSignalSpy chosen(&sidebar, &Sidebar::statusFilterChosen);
        filter->view()->selectionModel()->select(filter->model()->index(3, 0),
                                                 QItemSelectionModel::ClearAndSelect);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.last().first().value<std::optional<ProjectStatus>>(),
                 std::optional(ProjectStatus::Parked));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(field());
        QTRY_VERIFY(field()->hasFocus());
        QTest::keyClicks(field(), u"  Klienti  "_s);
        QTest::keyClick(field(), Qt::Key_Return);
        QTRY_VERIFY(!field());
        QCOMPARE(model.folders().size(), 1);
        QCOMPARE(model.folders().first().name, u"Klienti"_s);
        button->click();
        QTest::keyClicks(field(), u"x"_s);
        QTest::keyClick(field(), Qt::Key_Escape);
        QTRY_VERIFY(!field());
        button->click();
        QTest::keyClicks(field(), u"   "_s);
        QTest::keyClick(field(), Qt::Key_Return);
        QTRY_VERIFY(!field());
        QCOMPARE(model.folders().size(), 1);

        // A click on a folder header closes it, and the state is stored.
        SidebarView *view = sidebar.view();
        const QUuid folder = model.folders().first().id;
        model.moveProject(a.id, folder);
        const QModelIndex header = sidebar.model()->folderIndex(folder);
        QVERIFY(view->isExpanded(header));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(header).center());
        QVERIFY(!model.folder(folder)->isExpanded);
        QVERIFY(!view->isExpanded(header));

        // Clicking a row asks for its project; the overview row for none.
        QSignalSpy selected(&sidebar, &Sidebar::selectionRequested);
        model.setFolderExpanded(folder, true);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(sidebar.model()->projectIndex(a.id)).center());
        QCOMPARE(selected.last().first().value<std::optional<QUuid>>(), std::optional(a.id));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(sidebar.model()->overviewIndex()).center());
        QCOMPARE(selected.last().first().value<std::optional<QUuid>>(), std::nullopt);
        // So does a screen reader's toggle on a row inside a folder, and that row alone.
        toggleAccessibleRow(*view, sidebar.model()->projectIndex(a.id));
        QCOMPARE(selected.last().first().value<std::optional<QUuid>>(), std::optional(a.id));
        QCOMPARE(view->selectionModel()->selectedIndexes(),
                 QModelIndexList{sidebar.model()->projectIndex(a.id)});
    }

    // Changes in a tracked repository show by themselves, within a second; a clone into a
    // missing folder is picked up; no git process runs while nothing changes.
    void gitChangesShowWithoutARefresh()
    {
        UiFixture f;
        const QString repo = existingFolder(f, u"live"_s);
        const QString later = f.data.environmentDir.root() + u"/projects/later/clone"_s;
        QVERIFY(makeRepository(repo));
        const ProjectConfig tracked = makeProject(u"Live"_s, 1, {}, repo);
        const ProjectConfig missing = makeProject(u"Later"_s, 2, {}, later);
        AppModel &model = f.open({tracked, missing});
        QCoro::waitFor(model.refreshes().refreshGit());
        LiveGit live(model, std::make_unique<FileSystemPathWatcher>());
        QVERIFY(live.isLive(tracked.id));
        SidebarModel sidebar(model);
        const auto shows = [&](const QUuid &id, const GitStatus &git) {
            return sidebar.projectIndex(id)
                .data(Qt::ToolTipRole)
                .toString()
                .endsWith(u'\n' + Presentation::gitLabel(git));
        };
        QVERIFY(shows(tracked.id, GitStatus::clean(u"main"_s, 0, 0)));
        QSignalSpy runs(&f.data.runner, &ProcessRunner::slotReleased);
        QTest::qWait(300);
        QCOMPARE(runs.count(), 0);

        QVERIFY(writeFile(repo + u"/new"_s, "x"));
        QTRY_VERIFY_WITH_TIMEOUT(shows(tracked.id, GitStatus::dirty(u"main"_s, 1, 0, 0)), 1000);
        // A commit on a branch whose ref lives in a subfolder of refs/heads.
        QVERIFY(runGit(repo, {u"checkout"_s, u"-qb"_s, u"feature/x"_s}) &&
                runGit(repo, {u"add"_s, u"new"_s}) &&
                runGit(repo, {u"commit"_s, u"-qm"_s, u"second"_s}));
        QTRY_VERIFY_WITH_TIMEOUT(shows(tracked.id, GitStatus::clean(u"feature/x"_s, 0, 0)), 1000);
        QVERIFY(runGit(repo, {u"commit"_s, u"-q"_s, u"--allow-empty"_s, u"-m"_s, u"third"_s}));
        QTRY_COMPARE_WITH_TIMEOUT(model.runtime().value(tracked.id).commits.size(), 3, 1000);

        QVERIFY(runGit(repo, {u"clone"_s, u"-q"_s, repo, later}));
        QTRY_VERIFY_WITH_TIMEOUT(shows(missing.id, GitStatus::clean(u"feature/x"_s, 0, 0)), 2000);
        QTRY_VERIFY(live.isLive(missing.id));

        QTest::qWait(2 * int(LiveGit::longest.count()));
        runs.clear();
        QTest::qWait(500);
        QCOMPARE(runs.count(), 0);
    }

    // Where the system cannot tell of changes, the periodic refresh covers the project.
    void unwatchableFoldersAreLeftToThePeriodicRefresh()
    {
        struct Watcher final : PathWatcher {
            bool full = false, network = false;
            QStringList watched;
            QStringList watch(const QStringList &paths) override
            {
                if (full)
                    return paths;
                watched.append(paths);
                return {};
            }
            void unwatch(const QStringList &paths) override
            {
                for (const QString &path : paths)
                    watched.removeOne(path);
            }
            bool notifies(const QString &) const override { return !network; }
        };
        UiFixture f;
        const QString repo = existingFolder(f, u"repo"_s);
        QVERIFY(makeRepository(repo));
        AppModel &model = f.open();
        for (const auto &[full, network] : {std::pair(true, false), std::pair(false, true)}) {
            auto *watcher = new Watcher;
            watcher->full = full;
            watcher->network = network;
            LiveGit live(model, std::unique_ptr<PathWatcher>(watcher));
            model.addProject(makeProject(u"R"_s, 1, {}, repo));
            QVERIFY(!live.isLive(model.projects().constLast().id));
            QCOMPARE(watcher->watched, QStringList());
            model.removeProject(model.projects().constLast());
        }
    }
};

QTEST_MAIN(SidebarTest)
#include "tst_sidebar.moc"
