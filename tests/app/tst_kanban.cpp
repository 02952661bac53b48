// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "services/preferences.h"

#include <QSignalSpy>
#include <QtTest>

class KanbanTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<ModelFixture> f;
    QUuid projectID;

    AppModel &model() { return *f->model; }

    TaskCard card(const QString &title)
    {
        for (const TaskCard &c : model().cards()) {
            if (c.title == title)
                return c;
        }
        return {};
    }

    QUuid add(const QString &title, KanbanColumn column, std::optional<double> sortIndex = {})
    {
        model().addCard(projectID, title, {}, column);
        TaskCard added = model().cards().last();
        if (sortIndex) {
            added.sortIndex = *sortIndex;
            model().updateCard(added);
        }
        return added.id;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<ModelFixture>();
        f->open();
        const ProjectConfig project = makeProject(QStringLiteral("Board"));
        projectID = project.id;
        model().addProject(project);
    }

    void newCardsGoOnTopOfArchivedOnesToo()
    {
        add(QStringLiteral("a"), KanbanColumn::Idea);
        add(QStringLiteral("b"), KanbanColumn::Idea);
        QCOMPARE(card(QStringLiteral("a")).sortIndex, -1.0);
        QCOMPARE(model().cards(projectID, KanbanColumn::Idea)[0].title, QStringLiteral("b"));
        TaskCard a = card(QStringLiteral("a"));
        a.sortIndex = -5;
        a.archived = true;
        model().updateCard(a);
        add(QStringLiteral("c"), KanbanColumn::Idea);
        QCOMPARE(card(QStringLiteral("c")).sortIndex, -6.0);
        add(QStringLiteral("d"), KanbanColumn::Done);
        QVERIFY(!card(QStringLiteral("d")).completedAt);
        QCOMPARE(card(QStringLiteral("d")).createdAt, f->clock);
    }

    void movingPlacesAndStampsCompletion()
    {
        const QUuid a = add(QStringLiteral("A"), KanbanColumn::Doing, 1.0);
        const QUuid b = add(QStringLiteral("B"), KanbanColumn::Doing, 2.0);
        const QUuid c = add(QStringLiteral("C"), KanbanColumn::Idea);
        // C's own (stale) index takes part, as the card moves first: before A lands between
        // C's 0.2 and A.
        const struct {
            std::optional<QUuid> before;
            double start, expected;
        } cases[] = {{a, 0.2, 0.6}, {b, 0.2, 1.5}, {{}, 0.2, 3.0}, {{}, 7.0, 8.0}};
        for (const auto &row : cases) {
            TaskCard moved = card(QStringLiteral("C"));
            moved.column = KanbanColumn::Idea;
            moved.sortIndex = row.start;
            model().updateCard(moved);
            model().moveCard(c, KanbanColumn::Doing, row.before);
            QCOMPARE(card(QStringLiteral("C")).sortIndex, row.expected);
        }

        QSignalSpy suggestion(&model(), &AppModel::commitSuggestionCardChanged);
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt); // an empty column: own index + 1
        const TaskCard finished = card(QStringLiteral("C"));
        QCOMPARE(finished.sortIndex, 9.0);
        QCOMPARE(finished.completedAt, f->clock);
        QCOMPARE(model().commitSuggestionCard(), finished);
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt); // reordering within done
        QCOMPARE(card(QStringLiteral("C")).completedAt, finished.completedAt);
        model().moveCard(c, KanbanColumn::Doing, std::nullopt);
        QVERIFY(!card(QStringLiteral("C")).completedAt);
        QCOMPARE(suggestion.count(), 1);
        QCOMPARE(model().commitSuggestionCard(), finished);
    }

    void archiveRestoreAndDelete()
    {
        const QUuid only = add(QStringLiteral("only"), KanbanColumn::Doing, 4.0);
        model().archiveCard(only);
        QVERIFY(model().cards(projectID, KanbanColumn::Doing).isEmpty());
        model().unarchiveCard(only);
        QCOMPARE(card(QStringLiteral("only")).sortIndex, 5.0);

        f->clock = f->clock.addDays(1);
        add(QStringLiteral("newer"), KanbanColumn::Idea);
        for (const TaskCard &c : model().cards())
            model().archiveCard(c.id);
        QCOMPARE(model().archivedCards(projectID)[0].title, QStringLiteral("newer"));
        model().deleteCard(only);
        QCOMPARE(model().cards().size(), 1);
    }

    void labelsAndChecklists()
    {
        const QUuid id = add(QStringLiteral("card"), KanbanColumn::Idea);
        const QUuid bug = model().labels()[0].id;
        TaskCard twice = card(QStringLiteral("card"));
        twice.labelIDs = {bug, model().labels()[1].id, bug};
        model().updateCard(twice);
        model().toggleLabel(bug, id); // only the first occurrence goes
        QCOMPARE(card(QStringLiteral("card")).labelIDs,
                 (QList<QUuid>{model().labels()[1].id, bug}));
        model().toggleLabel(model().labels()[2].id, id);
        QCOMPARE(card(QStringLiteral("card")).labelIDs.last(), model().labels()[2].id);
        model().deleteLabel(bug);
        QCOMPARE(card(QStringLiteral("card")).labelIDs.size(), 2);
        QCOMPARE(model().labels().size(), 5);

        QSignalSpy cards(&model(), &AppModel::cardsChanged);
        model().addChecklistItem(QStringLiteral(" \n "), id);
        QCOMPARE(cards.count(), 0);
        model().addChecklistItem(QStringLiteral("  write tests "), id);
        model().addChecklistItem(QStringLiteral("ship"), id);
        const ChecklistItem first = card(QStringLiteral("card")).checklist[0];
        QCOMPARE(first.text, QStringLiteral("write tests"));
        model().toggleChecklistItem(first.id, id);
        QCOMPARE(card(QStringLiteral("card")).checklistProgress(), std::make_pair(1, 2));
        model().removeChecklistItem(first.id, id);
        QCOMPARE(card(QStringLiteral("card")).checklist.size(), 1);
    }

    void timersAndOverdueCounts()
    {
        const QUuid timed = add(QStringLiteral("timed"), KanbanColumn::Doing);
        const QDateTime started = f->clock;
        model().startTimer(timed);
        f->clock = started.addSecs(10);
        model().startTimer(timed); // keeps the first start
        f->clock = started.addMSecs(90'700);
        model().stopTimer(timed);
        model().stopTimer(timed);
        QCOMPARE(card(QStringLiteral("timed")).timeSpentSeconds, 90);

        model().setDueDate(f->clock.addSecs(-1), timed);
        model().setDueDate(f->clock.addSecs(1), add(QStringLiteral("later"), KanbanColumn::Idea));
        model().setDueDate(f->clock.addDays(-3), add(QStringLiteral("done"), KanbanColumn::Done));
        QCOMPARE(model().overdueCardsCount(), 1);
        QCOMPARE(model().openCardsCount(projectID), 2);
        model().archiveCard(timed);
        QCOMPARE(model().overdueCardsCount(), 0);
    }

    void autoArchiveUsesTheConfiguredAge()
    {
        for (const auto &[title, age] : {std::pair("15 days", -15), std::pair("13 days", -13)}) {
            add(QLatin1String(title), KanbanColumn::Done);
            TaskCard done = model().cards().last();
            done.completedAt = f->clock.addDays(age);
            model().updateCard(done);
        }
        add(QStringLiteral("no stamp"), KanbanColumn::Done);
        QCoro::waitFor(model().refreshAll());
        QVERIFY(model().archivedCards(projectID).isEmpty()); // switched off by default

        Preferences::open().setValue(QLatin1String(Preferences::autoArchiveEnabledKey), true);
        Preferences::open().setValue(QLatin1String(Preferences::autoArchiveDaysKey), 0);
        QCoro::waitFor(model().refreshAll());
        const QList<TaskCard> archived = model().archivedCards(projectID);
        QCOMPARE(archived.size(), 1);
        QCOMPARE(archived[0].title, QStringLiteral("15 days"));
    }
};

QTEST_GUILESS_MAIN(KanbanTest)
#include "tst_kanban.moc"
