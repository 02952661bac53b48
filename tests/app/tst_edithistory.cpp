// SPDX-License-Identifier: MIT
#include "modelfixture.h"

#include "app/edithistory.h"

#include <QRandomGenerator>
#include <QtTest>

// Undo and redo against copies of the document taken along the way.
class EditHistoryTest final : public QObject {
    Q_OBJECT

    struct Snapshot {
        StoreData document;
        std::optional<TaskCard> suggestion;
        friend bool operator==(const Snapshot &, const Snapshot &) = default;
    };

    std::unique_ptr<ModelFixture> f;

    AppModel &model() { return *f->model; }
    EditHistory &history() { return model().history(); }
    Snapshot snapshot()
    {
        return {{model().projects(), model().cards(), true, model().labels(), model().folders()},
                model().commitSuggestionCard()};
    }

    // One random user edit of any kind the history records.
    void randomEdit(QRandomGenerator &random)
    {
        const auto pick = [&](const auto &list) {
            return list[random.bounded(int(std::size(list)))];
        };
        const auto maybe = [&](const auto &value) {
            return random.bounded(3) ? std::optional(value) : std::nullopt;
        };
        const QList<TaskCard> cards = model().cards();
        const QList<CardLabel> labels = model().labels();
        const QList<ProjectFolder> folders = model().folders();
        const QString word = u"w"_s + QString::number(random.bounded(1000));
        const QUuid project = pick(model().projects()).id;
        const KanbanColumn column = pick(KanbanColumns::all());
        f->clock = f->clock.addMSecs(random.bounded(3000)); // typing merges, or not
        if (labels.isEmpty())
            return model().addLabel(word, u"red"_s);
        if (folders.isEmpty())
            return model().addFolder(word);
        if (cards.isEmpty())
            return model().addCard(project, word, {}, column);
        TaskCard card = pick(cards);
        const QUuid item = card.checklist.isEmpty() ? QUuid() : pick(card.checklist).id;
        const QUuid label = pick(labels).id;
        const QUuid folder = pick(folders).id;
        const std::function<void()> edits[] = {
            [&] { model().addCard(project, word, {}, column); },
            [&] { model().moveCard(card.id, column, maybe(pick(cards).id)); },
            [&] { model().archiveCard(card.id); },
            [&] { model().unarchiveCard(card.id); },
            [&] { model().deleteCard(card.id); },
            [&] { card.title += word.back(), model().updateCard(card); },
            [&] {
                card.note = maybe(QString(card.note + word)).value_or(u""_s),
                model().updateCard(card);
            },
            [&] { model().toggleLabel(label, card.id); },
            [&] { model().setDueDate(maybe(f->clock), card.id); },
            [&] { model().setCoverColor(maybe(word), card.id); },
            [&] { model().setPriority(maybe(CardPriority(random.bounded(3))), card.id); },
            [&] { model().addChecklistItem(word, card.id); },
            [&] { model().toggleChecklistItem(item, card.id); },
            [&] { model().removeChecklistItem(item, card.id); },
            [&] { model().addLabel(word, u"red"_s); },
            [&] { model().renameLabel(label, word, pick(labels).colorName); },
            [&] { model().deleteLabel(label); },
            [&] { model().moveProject(project, maybe(folder)); },
            [&] { model().reorderProject(project, pick(model().projects()).id, maybe(folder)); },
            [&] { model().addFolder(word); },
            [&] { model().renameFolder(folder, word); },
            [&] { model().deleteFolder(folder); },
        };
        pick(edits)();
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<ModelFixture>();
        f->open();
        for (const QString &name : {u"A"_s, u"B"_s, u"C"_s})
            model().addProject(makeProject(name));
        model().history().clear();
    }

    // Random edits of every kind. Undoing them all passes the documents in between in reverse
    // order down to the first one (or the oldest the history keeps), exactly; redoing them all
    // passes them forwards again. Then part is undone, and the next round edits on from there.
    void undoAndRedoRestoreEveryDocument()
    {
        const quint32 seed = qEnvironmentVariableIsSet("QUAYLIN_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("QUAYLIN_SEED"))
                                 : QRandomGenerator::global()->generate();
        qInfo("seed %u (set QUAYLIN_SEED to repeat)", seed);
        QRandomGenerator random(seed);
        QList<Snapshot> seen{snapshot()};
        bool trimmed = false; // the oldest steps were let go
        for (int round = 0; round < 4; ++round) {
            for (int i = 0; i < 80; ++i) {
                randomEdit(random);
                seen.append(snapshot());
            }
            QList<qsizetype> path{seen.size() - 1};
            while (history().canUndo()) {
                history().undo();
                path.append(seen.lastIndexOf(snapshot(), path.last() - 1));
                QVERIFY2(path.last() >= 0, "an undo left a document no edit had made");
            }
            // Back to the start, or as far as the history reaches.
            trimmed = trimmed || path.size() - 1 == EditHistory::depth;
            QVERIFY(trimmed || snapshot() == seen.first());
            for (qsizetype step = path.size() - 2; step >= 0; --step) {
                history().redo();
                QCOMPARE(snapshot(), seen[path[step]]);
            }
            QVERIFY(!history().canRedo());
            const qsizetype back = random.bounded(int(path.size()));
            for (qsizetype step = 1; step <= back; ++step)
                history().undo();
            seen.resize(path[back] + 1);
            QCOMPARE(snapshot(), seen.last());
        }
        const QList<TaskCard> cards = model().cards();
        QCOMPARE(f->open().cards(), cards); // and every step was saved
    }

    // Typing into one field is one step until a pause (the card sheet's test: per field).
    void typingUndoesAsOneStepUntilAPause()
    {
        model().addCard(model().projects()[0].id, u"T"_s, {}, KanbanColumn::Idea);
        TaskCard card = model().cards().last();
        for (const int pause : {900, 900, 900, 5000}) {
            f->clock = f->clock.addMSecs(pause);
            card.title += u'x';
            model().updateCard(card);
        }
        history().undo();
        QCOMPARE(model().cards().last().title, u"Txxx"_s);
        history().undo();
        QCOMPARE(model().cards().last().title, u"T"_s);
    }

    // Changes the history did not record (a timer, a refresh, a removed project) stay.
    void undoKeepsWhatOthersChangedMeanwhile()
    {
        const QUuid project = model().projects()[0].id;
        model().addCard(project, u"card"_s, {}, KanbanColumn::Doing);
        const QUuid id = model().cards().last().id;
        model().moveCard(id, KanbanColumn::Done, std::nullopt);
        const QDateTime completed = *model().card(id)->completedAt;
        QVERIFY(model().commitSuggestionCard());
        model().clearCommitSuggestion(); // the detail view showed it
        model().startTimer(id);
        history().undo();
        QCOMPARE(model().card(id)->column, KanbanColumn::Doing);
        QVERIFY(model().card(id)->isTimerRunning());
        f->clock = f->clock.addSecs(60);
        history().redo();
        QCOMPARE(model().card(id)->completedAt, completed); // as it was, not stamped anew
        QVERIFY(!model().commitSuggestionCard());           // not raised again

        model().deleteCard(id);
        model().removeProject(*model().project(project));
        history().undo();
        QVERIFY(!model().card(id)); // its project is gone
        QVERIFY(history().canUndo());
        model().restore(StoreData::defaultDocument());
        QVERIFY(!history().canUndo() && !history().canRedo());
    }
};

QTEST_GUILESS_MAIN(EditHistoryTest)
#include "tst_edithistory.moc"
