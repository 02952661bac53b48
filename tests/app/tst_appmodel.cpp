// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "app/backupfiles.h"
#include <QtTest>

#include <sys/stat.h>

#include <cerrno>

namespace {

// The data file once the model's saves are done.
QByteArray bytesOnDisk(ModelFixture &f)
{
    f.model->dataFile().waitForPendingSaves();
    return readFile(f.dataFile());
}

StoreData saved(ModelFixture &f)
{
    return std::get<StoreData>(
        RecordJson::decodeDocument(bytesOnDisk(f), QDateTime::currentDateTimeUtc()));
}

double indexOf(const AppModel &model, const QUuid &id)
{
    const QList<ProjectConfig> projects = model.projects();
    const auto found = std::ranges::find(projects, id, &ProjectConfig::id);
    return found == projects.end() ? qQNaN() : found->sortIndex;
}

} // namespace

class AppModelTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartSeedsOnceAndSavesAtOnce()
    {
        ModelFixture f;
        QVERIFY(f.open().projects().isEmpty());
        const StoreData first = saved(f);
        QVERIFY(first.didSeed);
        QCOMPARE(first.labels.size(), 6);
        QCOMPARE(f.open().labels(), first.labels); // the second start reads, seeds nothing
    }

    void duplicateIndicesAreRenumberedAndDistinctOnesLeftUnsaved()
    {
        ModelFixture f;
        // 3, 3, 7 has duplicates and is renumbered in list order; 1, 2 is left alone.
        const auto a = makeProject(u"A"_s, 3), b = makeProject(u"B"_s, 3),
                   c = makeProject(u"C"_s, 7);
        writeDocument(f.dataFile(), {a, b, c});
        AppModel &model = f.open();
        QCOMPARE(QList<double>({indexOf(model, a.id), indexOf(model, b.id), indexOf(model, c.id)}),
                 QList<double>({0, 1, 2}));
        QCOMPARE(saved(f).projects, model.projects());
        // Nothing to repair, nothing saved: a save would drop the trailing space.
        const QByteArray distinct =
            writeDocument(f.dataFile(), {makeProject(u"A"_s, 1), makeProject(u"B"_s, 2)}) + ' ';
        QVERIFY(writeFile(f.dataFile(), distinct));
        f.open();
        QCOMPARE(bytesOnDisk(f), distinct);
    }

    void theDemoAccountSeedsBesideProjectsAlreadyThere()
    {
        ModelFixture f;
        const QString base = f.environmentDir.root() + u"/home/Documents/Quaylin-demo"_s;
        QDir().mkpath(base + u"/blog"_s);
        QDir().mkpath(base + u"/landing"_s);
        const ProjectConfig kept = makeProject(u"Kept"_s, 4);
        writeDocument(f.dataFile(), {kept}, false);
        AppEnvironment env = f.environment();
        env.loginName = u"quaylin-demo"_s;
        const AppModel demo(env);
        QCOMPARE(demo.projects().size(), 3);
        QCOMPARE(demo.projects()[0].id, kept.id);
        QCOMPARE(demo.projects()[1].name, u"Blog"_s);
        QCOMPARE(demo.projects()[2].localPath, base + u"/landing"_s);
        QCOMPARE(demo.projects()[2].sortIndex, 2.0); // the seeds' shared 0 was repaired
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
        QVERIFY(model.dataFile().setAsidePath().contains(u"store.json.unreadable-"_s));
        QCOMPARE(readFile(model.dataFile().setAsidePath()), bytes);
        QVERIFY(saved(f).didSeed);
    }

    void projectsAndFoldersFollowTheIndexArithmeticAndRemovalCleansUp()
    {
        ModelFixture f;
        AppModel &model = f.open();
        model.addFolder(u" \n "_s);
        QVERIFY(model.folders().isEmpty());
        model.addFolder(u"  Web  "_s);
        model.addFolder(u"Apps"_s);
        QCOMPARE(model.folders()[0].name, u"Web"_s);
        QCOMPARE(model.folders()[1].sortIndex, -2.0);
        const QUuid folder = model.folders()[0].id;

        auto a = makeProject(u"A"_s, 0, folder), b = makeProject(u"B"_s, 0, folder),
             c = makeProject(u"C"_s, 42);
        for (const auto &p : {a, b, c})
            model.addProject(p);
        QCOMPARE(indexOf(model, a.id), 1.0); // addProject overwrites: largest anywhere + 1
        QCOMPARE(indexOf(model, c.id), 3.0);
        b.sortIndex = 2;
        model.updateProject(b);
        model.reorderProject(c.id, a.id, folder);
        QCOMPARE(indexOf(model, c.id), 0.5);
        model.reorderProject(c.id, b.id, folder);
        QCOMPARE(indexOf(model, c.id), 1.5);
        model.reorderProject(c.id, QUuid::createUuid(), folder);
        QCOMPARE(indexOf(model, c.id), 3.0);
        // Moving counts the project's own index: 9 goes to 10, but 0.5 to 3 behind B.
        for (const auto &[from, to] : {std::pair(9.0, 10.0), std::pair(0.5, 3.0)}) {
            c.sortIndex = from; // c still has no folder here, as when it was added
            model.updateProject(c);
            model.moveProject(c.id, folder);
            QCOMPARE(indexOf(model, c.id), to);
        }

        model.renameFolder(folder, u"  Sites \n"_s);
        QCOMPARE(model.folders()[0].name, u"Sites"_s);
        model.setFolderExpanded(folder, false);
        QVERIFY(!model.folders()[0].isExpanded);
        model.deleteFolder(folder);
        QCOMPARE(model.folders().size(), 1);
        QCOMPARE(model.projects().size(), 3);
        QVERIFY(!model.projects()[0].folderID);
        QCOMPARE(indexOf(model, c.id), 3.0);

        // Removal takes the project's cards, archived ones too, and its status.
        const ProjectConfig gone = model.projects()[0];
        model.addCard(gone.id, u"archived"_s, {}, KanbanColumn::Done);
        model.archiveCard(model.cards()[0].id);
        model.addCard(model.projects()[1].id, u"kept"_s, {}, KanbanColumn::Idea);
        QCoro::waitFor(model.refreshes().refreshGit());
        QVERIFY(model.runtime().contains(gone.id));

        QSignalSpy projects(&model, &AppModel::projectsChanged);
        model.updateProject(model.projects()[1]);
        model.moveProject(QUuid::createUuid(), std::nullopt);
        QCOMPARE(projects.count(), 0);
        model.removeProject(gone);
        QCOMPARE(projects.count(), 1);
        QCOMPARE(model.cards().size(), 1);
        QVERIFY(!model.runtime().contains(gone.id));
        QCOMPARE(saved(f).cards, model.cards());
        QCOMPARE(saved(f).projects, model.projects());
    }

    void backupRoundTripsAndFailuresSayWhyAndChangeNothing()
    {
        ModelFixture f;
        AppModel &model = f.open();
        const auto state = [&] {
            return StoreData{model.projects(), model.cards(), true, model.labels(),
                             model.folders()};
        };
        model.addFolder(u"Web"_s);
        model.addProject(makeProject(u"A"_s, 0, model.folders()[0].id));
        model.addCard(model.projects()[0].id, u"card"_s, u"note"_s, KanbanColumn::Doing);
        model.setDueDate(f.clock.addDays(2), model.cards()[0].id);
        model.addLabel(u"Mine"_s, u"teal"_s);
        const QString root = f.environmentDir.root();
        const QString backup = root + u"/záloha 1.json"_s;
        QVERIFY(BackupFiles::exportBackup(model, backup).ok());

        // What is not a regular file is never replaced; every failure says why.
        const QString fifo = root + u"/fifo.json"_s;
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(BackupFiles::exportBackup(model, fifo).error, fifo + u" is not a regular file"_s);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        const QString noDir = root + u"/no/dir/x.json"_s;
        // The system's reason in the interface language, as Qt words it.
        QCOMPARE(BackupFiles::exportBackup(model, noDir).error,
                 u"cannot write %1: %2"_s.arg(noDir, qt_error_string(ENOENT)));

        const StoreData before = state();
        model.removeProject(model.projects()[0]);
        QVERIFY(BackupFiles::importBackup(model, backup).ok());
        QCOMPARE(state(), before);
        QCOMPARE(saved(f), before);

        const QByteArray onDisk = bytesOnDisk(f);
        const QString notJson = root + u"/other.json"_s, big = root + u"/big.json"_s;
        QVERIFY(writeFile(notJson, "not json"));
        QVERIFY(QFile(big).open(QIODevice::WriteOnly) && QFile::resize(big, 300 << 20)); // sparse
        const QList<std::pair<QString, QString>> failures{
            {notJson, u"JSON"_s},
            {root, root + u" is not a regular file"_s},
            {big, big + u" is too large"_s}};
        for (const auto &[path, reason] : failures) {
            const FileResult result = BackupFiles::importBackup(model, path);
            QVERIFY2(result.error && result.error->contains(reason), qPrintable(path));
            QCOMPARE(state(), before);
            QCOMPARE(bytesOnDisk(f), onDisk);
        }

        QVERIFY(writeFile(notJson, "{}"));
        QVERIFY(BackupFiles::importBackup(model, notJson).ok());
        QVERIFY(model.projects().isEmpty() && model.cards().isEmpty() && model.folders().isEmpty());
        QCOMPARE(model.labels().size(), 6);
        QCOMPARE(saved(f).labels, model.labels());
    }
};

QTEST_GUILESS_MAIN(AppModelTest)
#include "tst_appmodel.moc"
