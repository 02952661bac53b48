// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "services/preferences.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const TaskCard &cardWithTitle(const AppModel &model, const QString &title)
{
    for (const TaskCard &card : model.cards()) {
        if (card.title == title)
            return card;
    }
    qFatal("no card titled %s", qPrintable(title));
}

} // namespace

class KanbanTest final : public QObject {
    Q_OBJECT

    ModelFixture *f = nullptr;
    QUuid projectID;

    AppModel &model() { return *f->model; }

    // Sets a card's fields directly, as the card sheet would.
    void edit(const QString &title, const std::function<void(TaskCard &)> &change)
    {
        TaskCard card = cardWithTitle(model(), title);
        change(card);
        model().updateCard(card);
    }

private Q_SLOTS:
    void init()
    {
        f = new ModelFixture;
        f->open();
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = QStringLiteral("Board");
        project.localPath = QStringLiteral("/nowhere");
        model().addProject(project);
        projectID = project.id;
    }

    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void newCardsGoOnTopArchivedOnesIncluded()
    {
        model().addCard(projectID, QStringLiteral("a"), {}, KanbanColumn::Idea);
        QCOMPARE(cardWithTitle(model(), QStringLiteral("a")).sortIndex, -1.0);
        model().addCard(projectID, QStringLiteral("b"), QStringLiteral("note"), KanbanColumn::Idea);
        QCOMPARE(cardWithTitle(model(), QStringLiteral("b")).sortIndex, -2.0);
        QCOMPARE(model().cards(projectID, KanbanColumn::Idea).first().title, QStringLiteral("b"));

        edit(QStringLiteral("a"), [](TaskCard &c) {
            c.sortIndex = -5;
            c.archived = true;
        });
        edit(QStringLiteral("b"), [](TaskCard &c) { c.sortIndex = 0; });
        model().addCard(projectID, QStringLiteral("c"), {}, KanbanColumn::Idea);
        QCOMPARE(cardWithTitle(model(), QStringLiteral("c")).sortIndex, -6.0);

        model().addCard(projectID, QStringLiteral("d"), {}, KanbanColumn::Done);
        const TaskCard &done = cardWithTitle(model(), QStringLiteral("d"));
        QVERIFY(!done.completedAt);
        QCOMPARE(done.createdAt, f->clock);
    }

    void movingPlacesAndStampsCompletion()
    {
        for (const char *title : {"A", "B"})
            model().addCard(projectID, QLatin1String(title), {}, KanbanColumn::Doing);
        model().addCard(projectID, QStringLiteral("C"), {}, KanbanColumn::Idea);
        edit(QStringLiteral("A"), [](TaskCard &c) { c.sortIndex = 1; });
        edit(QStringLiteral("B"), [](TaskCard &c) { c.sortIndex = 2; });
        const QUuid a = cardWithTitle(model(), QStringLiteral("A")).id;
        const QUuid b = cardWithTitle(model(), QStringLiteral("B")).id;
        const QUuid c = cardWithTitle(model(), QStringLiteral("C")).id;

        const struct {
            std::optional<QUuid> before;
            double start;
            double expected;
        } cases[] = {// C's own stale index takes part: before A lands between it and A.
                     {a, 0.2, 0.6},
                     {b, 0.2, 1.5},
                     {std::nullopt, 0.2, 3.0},
                     {std::nullopt, 7.0, 8.0}};
        for (const auto &row : cases) {
            edit(QStringLiteral("C"), [&](TaskCard &card) {
                card.column = KanbanColumn::Idea;
                card.sortIndex = row.start;
            });
            model().moveCard(c, KanbanColumn::Doing, row.before);
            QCOMPARE(cardWithTitle(model(), QStringLiteral("C")).sortIndex, row.expected);
        }

        // Into an empty done column: own index + 1, completion stamped, suggestion raised.
        edit(QStringLiteral("C"), [](TaskCard &card) { card.sortIndex = 4; });
        QSignalSpy suggestion(&model(), &AppModel::commitSuggestionCardChanged);
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt);
        const TaskCard finished = cardWithTitle(model(), QStringLiteral("C"));
        QCOMPARE(finished.sortIndex, 5.0);
        QCOMPARE(finished.completedAt, f->clock);
        QCOMPARE(model().commitSuggestionCard(), finished);
        QCOMPARE(suggestion.count(), 1);

        // Reordering within done keeps the stamp and raises nothing.
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt);
        QCOMPARE(cardWithTitle(model(), QStringLiteral("C")).completedAt, finished.completedAt);
        QCOMPARE(suggestion.count(), 1);

        // Leaving done clears the stamp; the suggestion stays until the view clears it.
        model().moveCard(c, KanbanColumn::Doing, std::nullopt);
        QVERIFY(!cardWithTitle(model(), QStringLiteral("C")).completedAt);
        QCOMPARE(model().commitSuggestionCard(), finished);
        model().clearCommitSuggestion();
        QVERIFY(!model().commitSuggestionCard());
    }

    void archiveAndRestore()
    {
        model().addCard(projectID, QStringLiteral("only"), {}, KanbanColumn::Doing);
        const QUuid id = model().cards().first().id;
        edit(QStringLiteral("only"), [](TaskCard &c) { c.sortIndex = 4; });
        model().archiveCard(id);
        QVERIFY(model().cards(projectID, KanbanColumn::Doing).isEmpty());
        QCOMPARE(model().archivedCards(projectID).size(), 1);
        model().unarchiveCard(id);
        QCOMPARE(cardWithTitle(model(), QStringLiteral("only")).sortIndex, 5.0);

        // Newest first by completion, else creation.
        model().addCard(projectID, QStringLiteral("older"), {}, KanbanColumn::Idea);
        f->clock = f->clock.addDays(1);
        model().addCard(projectID, QStringLiteral("newer"), {}, KanbanColumn::Idea);
        for (const TaskCard &card : model().cards())
            model().archiveCard(card.id);
        const QList<TaskCard> archived = model().archivedCards(projectID);
        QCOMPARE(archived.first().title, QStringLiteral("newer"));

        model().deleteCard(id);
        QCOMPARE(model().cards().size(), 2);
    }

    void labelsAndChecklists()
    {
        model().addCard(projectID, QStringLiteral("card"), {}, KanbanColumn::Idea);
        const QUuid card = model().cards().first().id;
        const QUuid bug = model().labels().first().id;
        model().toggleLabel(bug, card);
        model().toggleLabel(model().labels()[1].id, card);
        QCOMPARE(model().cards().first().labelIDs.last(), model().labels()[1].id);
        model().toggleLabel(bug, card);
        QCOMPARE(model().cards().first().labelIDs.size(), 1);

        edit(QStringLiteral("card"), [&](TaskCard &c) { c.labelIDs = {bug, bug}; });
        model().toggleLabel(bug, card);
        QCOMPARE(model().cards().first().labelIDs, QList<QUuid>{bug});
        edit(QStringLiteral("card"), [&](TaskCard &c) { c.labelIDs = {bug, bug}; });
        model().deleteLabel(bug);
        QVERIFY(model().cards().first().labelIDs.isEmpty());
        QCOMPARE(model().labels().size(), 5);
        model().renameLabel(model().labels().first().id, QStringLiteral("Polish"),
                            QStringLiteral("teal"));
        QCOMPARE(model().labels().first().colorName, QStringLiteral("teal"));

        QSignalSpy cards(&model(), &AppModel::cardsChanged);
        model().addChecklistItem(QStringLiteral(" \n "), card);
        QCOMPARE(cards.count(), 0);
        model().addChecklistItem(QStringLiteral("  write tests "), card);
        model().addChecklistItem(QStringLiteral("ship"), card);
        const ChecklistItem first = model().cards().first().checklist.first();
        QCOMPARE(first.text, QStringLiteral("write tests"));
        model().toggleChecklistItem(first.id, card);
        QCOMPARE(model().cards().first().checklistProgress(), std::make_pair(1, 2));
        model().toggleChecklistItem(QUuid::createUuid(), card);
        model().removeChecklistItem(first.id, card);
        QCOMPARE(model().cards().first().checklist.size(), 1);

        model().setPriority(CardPriority::High, card);
        model().setCoverColor(QStringLiteral("blue"), card);
        QCOMPARE(model().cards().first().priority, CardPriority::High);
        model().setPriority(std::nullopt, card);
        QVERIFY(!model().cards().first().priority);
    }

    void timersAndOverdueCounts()
    {
        model().addCard(projectID, QStringLiteral("timed"), {}, KanbanColumn::Doing);
        const QUuid card = model().cards().first().id;
        const QDateTime started = f->clock;
        model().startTimer(card);
        f->clock = f->clock.addMSecs(10'000);
        model().startTimer(card);
        QCOMPARE(model().cards().first().timerStartedAt, started);
        f->clock = started.addMSecs(90'700);
        model().stopTimer(card);
        QCOMPARE(model().cards().first().timeSpentSeconds, 90);
        QVERIFY(!model().cards().first().isTimerRunning());
        model().stopTimer(card);
        QCOMPARE(model().cards().first().timeSpentSeconds, 90);

        model().setDueDate(f->clock.addSecs(-1), card);
        model().addCard(projectID, QStringLiteral("later"), {}, KanbanColumn::Idea);
        model().setDueDate(f->clock.addSecs(1), cardWithTitle(model(), QStringLiteral("later")).id);
        model().addCard(projectID, QStringLiteral("done"), {}, KanbanColumn::Done);
        model().setDueDate(f->clock.addDays(-3), cardWithTitle(model(), QStringLiteral("done")).id);
        QCOMPARE(model().overdueCardsCount(), 1);
        QCOMPARE(model().overdueCardsCount(projectID), 1);
        QCOMPARE(model().openCardsCount(), 2);
        model().archiveCard(card);
        QCOMPARE(model().overdueCardsCount(), 0);
        QCOMPARE(model().openCardsCount(projectID), 1);
    }

    void autoArchiveUsesTheConfiguredAge()
    {
        for (const char *title : {"15 days", "13 days", "no stamp"})
            model().addCard(projectID, QLatin1String(title), {}, KanbanColumn::Done);
        edit(QStringLiteral("15 days"),
             [&](TaskCard &c) { c.completedAt = f->clock.addDays(-15); });
        edit(QStringLiteral("13 days"),
             [&](TaskCard &c) { c.completedAt = f->clock.addDays(-13); });

        QCoro::waitFor(model().refreshAll());
        QVERIFY(model().archivedCards(projectID).isEmpty());

        Preferences::open().setValue(QLatin1String(Preferences::autoArchiveEnabledKey), true);
        Preferences::open().setValue(QLatin1String(Preferences::autoArchiveDaysKey), 0);
        QCoro::waitFor(model().refreshAll());
        const QList<TaskCard> archived = model().archivedCards(projectID);
        QCOMPARE(archived.size(), 1);
        QCOMPARE(archived.first().title, QStringLiteral("15 days"));
    }
};

QTEST_GUILESS_MAIN(KanbanTest)
#include "tst_kanban.moc"
