// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "model/recordjson.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

namespace {

StoreData saved(const QString &path)
{
    return std::get<StoreData>(
        RecordJson::decodeDocument(readFile(path), QDateTime::currentDateTimeUtc()));
}

ProjectConfig project(const QString &name, double sortIndex = 0,
                      std::optional<QUuid> folder = std::nullopt)
{
    return makeProject(name, QStringLiteral("/nowhere"), sortIndex, folder);
}

QByteArray documentWith(const QList<ProjectConfig> &projects, bool didSeed = true)
{
    StoreData document = StoreData::defaultDocument();
    document.projects = projects;
    document.didSeed = didSeed;
    return RecordJson::encodeDocument(document);
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
    void startSeedsOnceRepairsIndicesAndSavesOnlyWhenNeeded()
    {
        ModelFixture f;
        QVERIFY(f.open().projects().isEmpty());
        const StoreData first = saved(f.dataFile());
        QVERIFY(first.didSeed);
        QCOMPARE(first.labels.size(), 6);
        const QDateTime stamp = QFileInfo(f.dataFile()).lastModified();
        QCOMPARE(f.open().labels(), first.labels); // the second start reads, seeds nothing
        QCOMPARE(QFileInfo(f.dataFile()).lastModified(), stamp);

        // 3, 3, 7 has duplicates and is renumbered in list order; 1, 2, 7 is left alone.
        const auto a = project(QStringLiteral("A"), 3), b = project(QStringLiteral("B"), 3),
                   c = project(QStringLiteral("C"), 7);
        QVERIFY(writeFile(f.dataFile(), documentWith({a, b, c})));
        AppModel &model = f.open();
        QCOMPARE(QList<double>({indexOf(model, a.id), indexOf(model, b.id), indexOf(model, c.id)}),
                 QList<double>({0, 1, 2}));
        QCOMPARE(saved(f.dataFile()).projects, model.projects());
        const QByteArray distinct =
            documentWith({project(QStringLiteral("A"), 1), project(QStringLiteral("B"), 2)});
        QVERIFY(writeFile(f.dataFile(), distinct));
        f.open();
        QCOMPARE(readFile(f.dataFile()), distinct);
    }

    void demoAccountSeedsBesideProjectsAlreadyThere()
    {
        ModelFixture f;
        const QString base =
            f.environmentDir.root() + QStringLiteral("/home/Documents/Quaylin-demo");
        QDir().mkpath(base + QStringLiteral("/blog"));
        QDir().mkpath(base + QStringLiteral("/landing"));
        const ProjectConfig kept = project(QStringLiteral("Kept"), 4);
        QVERIFY(writeFile(f.dataFile(), documentWith({kept}, false)));
        AppEnvironment env = f.environment();
        env.loginName = QStringLiteral("quaylin-demo");
        AppModel model(env);
        QCOMPARE(model.projects().size(), 3);
        QCOMPARE(model.projects()[0].id, kept.id);
        QCOMPARE(model.projects()[1].name, QStringLiteral("Blog"));
        QCOMPARE(model.projects()[2].localPath, base + QStringLiteral("/landing"));
        QCOMPARE(model.projects()[2].sortIndex, 2.0); // the seeds' shared 0 was repaired
    }

    void unreadableFileIsSetAsideNotOverwritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not json") << QByteArray("{\"projects\": [");
        QTest::newRow("label without colour") << QByteArray(
            R"({"labels":[{"id":"6F1C6E36-4E47-4B0C-9D1B-0C2E8E0F4B11","name":"x"}]})");
        QTest::newRow("nul byte") << QByteArray("{\"projects\":\0[]}", 16);
    }

    void unreadableFileIsSetAsideNotOverwritten()
    {
        QFETCH(QByteArray, bytes);
        ModelFixture f;
        QVERIFY(writeFile(f.dataFile(), bytes));
        AppModel &model = f.open();
        QVERIFY(model.setAsidePath().contains(QStringLiteral("store.json.unreadable-")));
        QCOMPARE(readFile(model.setAsidePath()), bytes);
        QVERIFY(saved(f.dataFile()).didSeed);
    }

    void projectsAndFoldersFollowTheIndexArithmetic()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addFolder(QStringLiteral(" \n "));
        QVERIFY(model.folders().isEmpty());
        model.addFolder(QStringLiteral("  Web  "));
        model.addFolder(QStringLiteral("Apps"));
        QCOMPARE(model.folders()[0].name, QStringLiteral("Web"));
        QCOMPARE(model.folders()[1].sortIndex, -2.0);
        const QUuid folder = model.folders()[0].id;

        auto a = project(QStringLiteral("A"), 0, folder),
             b = project(QStringLiteral("B"), 0, folder), c = project(QStringLiteral("C"), 42);
        for (const auto &p : {a, b, c})
            model.addProject(p);
        QCOMPARE(indexOf(model, a.id), 1.0); // addProject overwrites: largest anywhere + 1
        QCOMPARE(indexOf(model, c.id), 3.0);
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
        // Moving counts the project's own index: 9 goes to 10, but 0.5 to 3 behind B.
        for (const auto &[from, to] : {std::pair(9.0, 10.0), std::pair(0.5, 3.0)}) {
            model.updateProject([&] {
                c.folderID.reset();
                c.sortIndex = from;
                return c;
            }());
            model.moveProject(c.id, folder);
            QCOMPARE(indexOf(model, c.id), to);
        }

        model.renameFolder(folder, QStringLiteral("  Sites \n"));
        QCOMPARE(model.folders()[0].name, QStringLiteral("Sites"));
        model.setFolderExpanded(folder, false);
        QVERIFY(!model.folders()[0].isExpanded);
        model.deleteFolder(folder);
        QCOMPARE(model.folders().size(), 1);
        QCOMPARE(model.projects().size(), 3);
        QVERIFY(!model.projects()[0].folderID);
        QCOMPARE(indexOf(model, c.id), 3.0);
        QCOMPARE(saved(f.dataFile()).projects, model.projects());
    }

    void removalTakesCardsAndStatusAndSignalsOnlyRealChanges()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addProject(project(QStringLiteral("Gone")));
        model.addProject(project(QStringLiteral("Stays")));
        const ProjectConfig gone = model.projects()[0];
        model.addCard(gone.id, QStringLiteral("archived"), {}, KanbanColumn::Done);
        model.archiveCard(model.cards()[0].id);
        model.addCard(model.projects()[1].id, QStringLiteral("kept"), {}, KanbanColumn::Idea);
        QCoro::waitFor(model.refreshGit());
        QVERIFY(model.runtime().contains(gone.id));

        QSignalSpy projects(&model, &AppModel::projectsChanged);
        model.updateProject(model.projects()[1]);
        model.moveProject(QUuid::createUuid(), std::nullopt);
        QCOMPARE(projects.count(), 0);
        model.removeProject(gone);
        QCOMPARE(projects.count(), 1);
        QCOMPARE(model.cards().size(), 1);
        QVERIFY(!model.runtime().contains(gone.id));
        QCOMPARE(saved(f.dataFile()).cards, model.cards());
    }

    void backupRoundTripsAndFailedRestoresChangeNothing()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addFolder(QStringLiteral("Web"));
        model.addProject(project(QStringLiteral("A"), 0, model.folders()[0].id));
        model.addCard(model.projects()[0].id, QStringLiteral("card"), QStringLiteral("note"),
                      KanbanColumn::Doing);
        model.setDueDate(f.clock.addDays(2), model.cards()[0].id);
        model.addLabel(QStringLiteral("Mine"), QStringLiteral("teal"));
        const QString backup = f.environmentDir.root() + QStringLiteral("/záloha 1.json");
        QVERIFY(model.exportBackup(backup));
        QVERIFY(!model.exportBackup(f.environmentDir.root() + QStringLiteral("/no/dir/x.json")));

        const StoreData before{model.projects(), model.cards(), true, model.labels(),
                               model.folders()};
        model.removeProject(model.projects()[0]);
        QVERIFY(model.importBackup(backup));
        QCOMPARE(
            (StoreData{model.projects(), model.cards(), true, model.labels(), model.folders()}),
            before);

        const QByteArray onDisk = readFile(f.dataFile());
        const QString other = f.environmentDir.root() + QStringLiteral("/other.json");
        QVERIFY(writeFile(other, "not json"));
        QVERIFY(!model.importBackup(other));
        QCOMPARE(readFile(f.dataFile()), onDisk);
        QCOMPARE(model.projects(), before.projects);

        QVERIFY(writeFile(other, "{}"));
        QVERIFY(model.importBackup(other));
        QVERIFY(model.projects().isEmpty() && model.cards().isEmpty() && model.folders().isEmpty());
        QCOMPARE(model.labels().size(), 6);
        QCOMPARE(saved(f.dataFile()).labels, model.labels());
    }
};

QTEST_GUILESS_MAIN(AppModelTest)
#include "tst_appmodel.moc"
