// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "model/recordjson.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

StoreData savedDocument(const QString &path)
{
    const auto decoded =
        RecordJson::decodeDocument(readFile(path), QDateTime::currentDateTimeUtc());
    return std::get<StoreData>(decoded);
}

ProjectConfig project(const QString &name, double sortIndex = 0,
                      std::optional<QUuid> folder = std::nullopt)
{
    ProjectConfig p;
    p.id = QUuid::createUuid();
    p.name = name;
    p.localPath = QStringLiteral("/nowhere/") + name;
    p.sortIndex = sortIndex;
    p.folderID = folder;
    return p;
}

StoreData documentWith(const QList<ProjectConfig> &projects, bool didSeed = true)
{
    StoreData document = StoreData::defaultDocument();
    document.projects = projects;
    document.didSeed = didSeed;
    return document;
}

double indexOf(const AppModel &model, const QUuid &id)
{
    for (const ProjectConfig &p : model.projects()) {
        if (p.id == id)
            return p.sortIndex;
    }
    return qQNaN();
}

} // namespace

class AppModelTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartSeedsOnceAndSaves()
    {
        ModelFixture f;
        AppModel &model = f.open();
        QVERIFY(model.projects().isEmpty());
        QCOMPARE(model.labels().size(), 6);
        const StoreData saved = savedDocument(f.dataFile());
        QVERIFY(saved.didSeed);
        QCOMPARE(saved.labels, model.labels());

        // The second start reads what the first wrote and neither seeds nor saves again.
        const QByteArray before = readFile(f.dataFile());
        f.model.reset();
        QFile::remove(f.dataFile());
        QVERIFY(writeFile(f.dataFile(), before));
        const QDateTime stamp = QFileInfo(f.dataFile()).lastModified();
        AppModel &again = f.open();
        QCOMPARE(again.labels(), saved.labels);
        QCOMPARE(QFileInfo(f.dataFile()).lastModified(), stamp);
    }

    void demoAccountSeedsExistingFoldersBesideKeptProjects()
    {
        ModelFixture f;
        const QString base =
            f.environmentDir.root() + QStringLiteral("/home/Documents/Quaylin-demo");
        QDir().mkpath(base + QStringLiteral("/blog"));
        QDir().mkpath(base + QStringLiteral("/landing"));
        const ProjectConfig kept = project(QStringLiteral("Kept"), 4);
        QVERIFY(writeFile(f.dataFile(), RecordJson::encodeDocument(documentWith({kept}, false))));

        AppEnvironment env = f.environment();
        env.loginName = QStringLiteral("quaylin-demo");
        AppModel model(env);
        QCOMPARE(model.projects().size(), 3);
        QCOMPARE(model.projects().first().id, kept.id);
        QCOMPARE(model.projects()[1].name, QStringLiteral("Blog"));
        QCOMPARE(model.projects()[2].localPath, base + QStringLiteral("/landing"));
        // The two seeds shared index 0 with nothing else, but 4, 0, 0 has duplicates.
        QCOMPARE(model.projects()[2].sortIndex, 2.0);
        QVERIFY(savedDocument(f.dataFile()).didSeed);
    }

    void unreadableFileIsSetAsideNotOverwritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not json") << QByteArray("{\"projects\": [");
        QTest::newRow("label without colour") << QByteArray(
            R"({"labels":[{"id":"6F1C6E36-4E47-4B0C-9D1B-0C2E8E0F4B11","name":"x"}]})");
        QTest::newRow("nul bytes") << QByteArray("{\"projects\":\0[]}", 16);
    }

    void unreadableFileIsSetAsideNotOverwritten()
    {
        QFETCH(QByteArray, bytes);
        ModelFixture f;
        QVERIFY(writeFile(f.dataFile(), bytes));
        AppModel &model = f.open();
        QVERIFY(model.projects().isEmpty());
        QVERIFY(!model.setAsidePath().isEmpty());
        QVERIFY(model.setAsidePath().contains(QStringLiteral("store.json.unreadable-")));
        QCOMPARE(readFile(model.setAsidePath()), bytes);
        QVERIFY(savedDocument(f.dataFile()).didSeed);
    }

    void duplicateProjectIndicesAreRepairedOnce()
    {
        ModelFixture f;
        const auto a = project(QStringLiteral("A"), 3), b = project(QStringLiteral("B"), 3),
                   c = project(QStringLiteral("C"), 7);
        QVERIFY(writeFile(f.dataFile(), RecordJson::encodeDocument(documentWith({a, b, c}))));
        AppModel &model = f.open();
        QCOMPARE(indexOf(model, a.id), 0.0);
        QCOMPARE(indexOf(model, b.id), 1.0);
        QCOMPARE(indexOf(model, c.id), 2.0);
        QCOMPARE(savedDocument(f.dataFile()).projects, model.projects());

        ModelFixture g;
        const QByteArray distinct = RecordJson::encodeDocument(
            documentWith({project(QStringLiteral("A"), 1), project(QStringLiteral("B"), 2),
                          project(QStringLiteral("C"), 7)}));
        QVERIFY(writeFile(g.dataFile(), distinct));
        g.open();
        QCOMPARE(readFile(g.dataFile()), distinct);
    }

    void projectIndicesFollowTheArithmetic()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addProject(project(QStringLiteral("First"), 42));
        QCOMPARE(model.projects().last().sortIndex, 1.0);

        model.addFolder(QStringLiteral(" \n "));
        QVERIFY(model.folders().isEmpty());
        model.addFolder(QStringLiteral("  Web  "));
        model.addFolder(QStringLiteral("Apps"));
        QCOMPARE(model.folders()[0].name, QStringLiteral("Web"));
        QCOMPARE(model.folders()[0].sortIndex, -1.0);
        QCOMPARE(model.folders()[1].sortIndex, -2.0);
        const QUuid folder = model.folders()[0].id;

        // A (1.0) and B (2.0) in the folder; C is dropped among them.
        auto a = project(QStringLiteral("A"), 1, folder),
             b = project(QStringLiteral("B"), 2, folder), c = project(QStringLiteral("C"), 0.2);
        for (const auto &p : {a, b, c})
            model.addProject(p);
        model.updateProject([&] {
            a.sortIndex = 1;
            return a;
        }());
        model.updateProject([&] {
            b.sortIndex = 2;
            return b;
        }());
        model.reorderProject(c.id, a.id, folder);
        QCOMPARE(indexOf(model, c.id), 0.5);
        model.reorderProject(c.id, b.id, folder);
        QCOMPARE(indexOf(model, c.id), 1.5);
        model.reorderProject(c.id, QUuid::createUuid(), folder);
        QCOMPARE(indexOf(model, c.id), 3.0);

        // Moving into a folder counts the project's own index: 9 → 10, but 0.5 → 3 here.
        model.updateProject([&] {
            c.folderID.reset();
            c.sortIndex = 9;
            return c;
        }());
        model.moveProject(c.id, folder);
        QCOMPARE(indexOf(model, c.id), 10.0);
        model.updateProject([&] {
            c.folderID.reset();
            c.sortIndex = 0.5;
            return c;
        }());
        model.moveProject(c.id, folder);
        QCOMPARE(indexOf(model, c.id), 3.0);

        // addProject goes after the largest index anywhere.
        model.addProject(project(QStringLiteral("D")));
        QCOMPARE(model.projects().last().sortIndex, 4.0);
        QCOMPARE(savedDocument(f.dataFile()).projects, model.projects());
    }

    void foldersRenameExpandAndDelete()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addFolder(QStringLiteral("Web"));
        const QUuid folder = model.folders().first().id;
        auto inside = project(QStringLiteral("Inside"), 5, folder);
        model.addProject(inside);
        model.renameFolder(folder, QStringLiteral("  Sites \n"));
        QCOMPARE(model.folders().first().name, QStringLiteral("Sites"));
        model.renameFolder(folder, QStringLiteral("   "));
        QCOMPARE(model.folders().first().name, QString());
        model.setFolderExpanded(folder, false);
        QVERIFY(!model.folders().first().isExpanded);

        const double index = model.projects().first().sortIndex;
        model.deleteFolder(folder);
        QVERIFY(model.folders().isEmpty());
        QCOMPARE(model.projects().size(), 1);
        QVERIFY(!model.projects().first().folderID);
        QCOMPARE(model.projects().first().sortIndex, index);
        QCOMPARE(savedDocument(f.dataFile()).folders.size(), 0);
    }

    void removingAProjectTakesItsCardsAndStatus()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addProject(project(QStringLiteral("Gone")));
        model.addProject(project(QStringLiteral("Stays")));
        const ProjectConfig gone = model.projects()[0];
        const QUuid stays = model.projects()[1].id;
        model.addCard(gone.id, QStringLiteral("one"), {}, KanbanColumn::Idea);
        model.addCard(gone.id, QStringLiteral("archived"), {}, KanbanColumn::Done);
        model.archiveCard(model.cards().last().id);
        model.addCard(stays, QStringLiteral("kept"), {}, KanbanColumn::Idea);
        QCoro::waitFor(model.refreshGit());
        QVERIFY(model.runtime().contains(gone.id));

        model.removeProject(gone);
        QCOMPARE(model.projects().size(), 1);
        QCOMPARE(model.cards().size(), 1);
        QCOMPARE(model.cards().first().title, QStringLiteral("kept"));
        QVERIFY(!model.runtime().contains(gone.id));
        QCOMPARE(savedDocument(f.dataFile()).cards.size(), 1);
    }

    void changeSignalsOnlyOnRealChange()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addProject(project(QStringLiteral("A")));
        QSignalSpy projects(&model, &AppModel::projectsChanged);
        QSignalSpy cards(&model, &AppModel::cardsChanged);

        model.updateProject(model.projects().first());
        QCOMPARE(projects.count(), 0);
        ProjectConfig changed = model.projects().first();
        changed.emoji = QStringLiteral("🚀");
        model.updateProject(changed);
        QCOMPARE(projects.count(), 1);
        model.moveProject(QUuid::createUuid(), std::nullopt);
        model.setFolderExpanded(QUuid::createUuid(), false);
        QCOMPARE(projects.count(), 1);
        QCOMPARE(cards.count(), 0);
    }

    void backupRoundTripAndRestoreFailures()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addFolder(QStringLiteral("Web"));
        model.addProject(project(QStringLiteral("A"), 0, model.folders().first().id));
        model.addCard(model.projects().first().id, QStringLiteral("card"), QStringLiteral("note"),
                      KanbanColumn::Doing);
        model.setDueDate(f.clock.addDays(2), model.cards().first().id);
        model.addLabel(QStringLiteral("Mine"), QStringLiteral("teal"));
        const QString backup = f.environmentDir.root() + QStringLiteral("/záloha s mezerou.json");
        QVERIFY(model.exportBackup(backup));
        QVERIFY(savedDocument(backup).didSeed);

        const auto projects = model.projects();
        const auto cards = model.cards();
        const auto labels = model.labels();
        const auto folders = model.folders();
        model.removeProject(projects.first());
        model.deleteFolder(folders.first().id);
        QVERIFY(model.importBackup(backup));
        QCOMPARE(model.projects(), projects);
        QCOMPARE(model.cards(), cards);
        QCOMPARE(model.labels(), labels);
        QCOMPARE(model.folders(), folders);

        // A file that is not JSON changes nothing, on disk or in memory.
        const QByteArray onDisk = readFile(f.dataFile());
        const QString junk = f.environmentDir.root() + QStringLiteral("/junk.json");
        QVERIFY(writeFile(junk, "not json"));
        QVERIFY(!model.importBackup(junk));
        QVERIFY(!model.importBackup(f.environmentDir.root() + QStringLiteral("/missing.json")));
        QCOMPARE(model.projects(), projects);
        QCOMPARE(readFile(f.dataFile()), onDisk);

        // An empty object restores to nothing but the default labels.
        QVERIFY(writeFile(junk, "{}"));
        QVERIFY(model.importBackup(junk));
        QVERIFY(model.projects().isEmpty() && model.cards().isEmpty() && model.folders().isEmpty());
        QCOMPARE(model.labels().size(), 6);
        QCOMPARE(savedDocument(f.dataFile()).labels, model.labels());

        QVERIFY(
            !model.exportBackup(f.environmentDir.root() + QStringLiteral("/no/such/dir/x.json")));
    }
};

QTEST_GUILESS_MAIN(AppModelTest)
#include "tst_appmodel.moc"
