// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "app/cardcounts.h"
#include "app/cardqueries.h"
#include "services/preferences.h"

#include <QtTest>

class KanbanTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<ModelFixture> f;
    QUuid projectID;

    AppModel &model() { return *f->model; }

    TaskCard card(const QString &title)
    {
        const QList<TaskCard> cards = model().cards();
        const auto found = std::ranges::find(cards, title, &TaskCard::title);
        return found == cards.end() ? TaskCard{} : *found;
    }

    // Changes a card as the card editor does, through updateCard.
    void edit(const QString &title, const std::function<void(TaskCard &)> &change)
    {
        TaskCard edited = card(title);
        change(edited);
        model().updateCard(edited);
    }

    QUuid add(const QString &title, KanbanColumn column, std::optional<double> sortIndex = {})
    {
        model().addCard(projectID, title, {}, column);
        if (sortIndex)
            edit(title, [&](TaskCard &c) { c.sortIndex = *sortIndex; });
        return card(title).id;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<ModelFixture>();
        f->open().addProject(makeProject(u"Board"_s));
        projectID = model().projects()[0].id;
    }

    void newCardsGoOnTopOfTheirColumn()
    {
        add(u"a"_s, KanbanColumn::Idea);
        add(u"b"_s, KanbanColumn::Idea);
        QCOMPARE(card(u"a"_s).sortIndex, -1.0);
        QCOMPARE(CardQueries::column(model().cards(), projectID, KanbanColumn::Idea)[0].title,
                 u"b"_s);
        edit(u"a"_s, [](TaskCard &c) { c.sortIndex = -5, c.archived = true; });
        add(u"c"_s, KanbanColumn::Idea);
        QCOMPARE(card(u"c"_s).sortIndex, -6.0);
        add(u"d"_s, KanbanColumn::Done);
        QVERIFY(!card(u"d"_s).completedAt);
        QCOMPARE(card(u"d"_s).createdAt, f->clock);
    }

    void archiveRestoreAndDelete()
    {
        const QUuid only = add(u"only"_s, KanbanColumn::Doing, 4.0);
        model().archiveCard(only);
        QVERIFY(CardQueries::column(model().cards(), projectID, KanbanColumn::Doing).isEmpty());
        model().unarchiveCard(only);
        QCOMPARE(card(u"only"_s).sortIndex, 5.0);
        f->clock = f->clock.addDays(1);
        add(u"newer"_s, KanbanColumn::Idea);
        for (const TaskCard &c : model().cards())
            model().archiveCard(c.id);
        QCOMPARE(CardQueries::archived(model().cards(), projectID)[0].title, u"newer"_s);
        model().deleteCard(only);
        QCOMPARE(model().cards().size(), 1);
    }

    void movingPlacesAndStampsCompletion()
    {
        const QUuid a = add(u"A"_s, KanbanColumn::Doing, 1.0);
        const QUuid b = add(u"B"_s, KanbanColumn::Doing, 2.0);
        const QUuid c = add(u"C"_s, KanbanColumn::Idea);
        // C's own stale index counts, as the card leaves first: before A is between 0.2 and A.
        const std::tuple<std::optional<QUuid>, double, double> cases[] = {
            {a, 0.2, 0.6}, {b, 0.2, 1.5}, {{}, 0.2, 3.0}, {{}, 7.0, 8.0}};
        for (const auto &[before, start, expected] : cases) {
            edit(u"C"_s, [&](TaskCard &c) { c.column = KanbanColumn::Idea, c.sortIndex = start; });
            model().moveCard(c, KanbanColumn::Doing, before);
            QCOMPARE(card(u"C"_s).sortIndex, expected);
        }

        QSignalSpy suggestion(&model(), &AppModel::commitSuggestionCardChanged);
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt); // an empty column: own index + 1
        const TaskCard finished = card(u"C"_s);
        QCOMPARE(finished.sortIndex, 9.0);
        QCOMPARE(finished.completedAt, f->clock);
        QCOMPARE(model().commitSuggestionCard(), finished);
        f->clock = f->clock.addSecs(60);
        model().moveCard(c, KanbanColumn::Done, std::nullopt); // reordering within done
        QCOMPARE(card(u"C"_s).completedAt, finished.completedAt);
        model().moveCard(c, KanbanColumn::Doing, std::nullopt);
        QVERIFY(!card(u"C"_s).completedAt);
        QCOMPARE(suggestion.count(), 1);
        QCOMPARE(model().commitSuggestionCard(), finished);
    }

    void labelsToggleAndLeaveWithTheirDeletion()
    {
        const QUuid id = add(u"card"_s, KanbanColumn::Idea);
        const QUuid bug = model().labels()[0].id;
        edit(u"card"_s, [&](TaskCard &c) { c.labelIDs = {bug, model().labels()[1].id, bug}; });
        model().toggleLabel(bug, id); // only the first occurrence goes
        QCOMPARE(card(u"card"_s).labelIDs, (QList<QUuid>{model().labels()[1].id, bug}));
        model().toggleLabel(model().labels()[2].id, id);
        QCOMPARE(card(u"card"_s).labelIDs.last(), model().labels()[2].id);
        model().deleteLabel(bug);
        QCOMPARE(card(u"card"_s).labelIDs.size(), 2);
        QCOMPARE(model().labels().size(), 5);
    }

    void checklistItemsAreTrimmedTickedAndRemoved()
    {
        const QUuid id = add(u"card"_s, KanbanColumn::Idea);
        QSignalSpy cards(&model(), &AppModel::cardsChanged);
        model().addChecklistItem(u" \n "_s, id);
        QCOMPARE(cards.count(), 0);
        model().addChecklistItem(u"  write tests "_s, id);
        model().addChecklistItem(u"ship"_s, id);
        const ChecklistItem first = card(u"card"_s).checklist[0];
        QCOMPARE(first.text, u"write tests"_s);
        model().toggleChecklistItem(first.id, id);
        QCOMPARE(card(u"card"_s).checklistProgress(), std::make_pair(1, 2));
        model().removeChecklistItem(first.id, id);
        QCOMPARE(card(u"card"_s).checklist.size(), 1);
    }

    void timersKeepTheFirstStartAndCountWholeSeconds()
    {
        const QUuid timed = add(u"timed"_s, KanbanColumn::Doing);
        model().startTimer(timed);
        f->clock = f->clock.addSecs(10);
        model().startTimer(timed); // keeps the first start
        f->clock = f->clock.addMSecs(80'700);
        model().stopTimer(timed);
        model().stopTimer(timed);
        QCOMPARE(card(u"timed"_s).timeSpentSeconds, 90);
    }

    void overdueCountsOpenCardsPastTheirDueInstant()
    {
        const QUuid timed = add(u"timed"_s, KanbanColumn::Doing);
        model().setDueDate(f->clock.addSecs(-1), timed);
        model().setDueDate(f->clock.addSecs(1), add(u"later"_s, KanbanColumn::Idea));
        model().setDueDate(f->clock.addDays(-3), add(u"done"_s, KanbanColumn::Done));
        QCOMPARE(CardCounts::overdue(model().cards(), f->clock), 1);
        QCOMPARE(CardCounts::open(model().cards(), projectID), 2);
        model().archiveCard(timed);
        QCOMPARE(CardCounts::overdue(model().cards(), f->clock), 0);
    }

    void autoArchiveUsesTheConfiguredAge()
    {
        for (const auto &[title, age] : {std::pair("15 days", -15), std::pair("13 days", -13)}) {
            add(QLatin1String(title), KanbanColumn::Done);
            edit(QLatin1String(title), [&](TaskCard &c) { c.completedAt = f->clock.addDays(age); });
        }
        add(u"no stamp"_s, KanbanColumn::Done);
        QCoro::waitFor(model().refreshes().refreshAll());
        QVERIFY(
            CardQueries::archived(model().cards(), projectID).isEmpty()); // switched off by default

        f->preferences.setAutoArchiveEnabled(true);
        f->preferences.setAutoArchiveDays(0);
        QCoro::waitFor(model().refreshes().refreshAll());
        const QList<TaskCard> archived = CardQueries::archived(model().cards(), projectID);
        QCOMPARE(archived.size(), 1);
        QCOMPARE(archived[0].title, u"15 days"_s);
    }
};

QTEST_GUILESS_MAIN(KanbanTest)
#include "tst_kanban.moc"
