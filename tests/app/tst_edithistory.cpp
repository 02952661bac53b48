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
        const auto pick = [&](const auto &list) { return list[random.bounded(int(list.size()))]; };
        const QList<ProjectConfig> projects = model().projects();
        const QList<TaskCard> cards = model().cards();
        const QList<CardLabel> labels = model().labels();
        const QList<ProjectFolder> folders = model().folders();
        const QList<KanbanColumn> columns = KanbanColumns::all();
        const QString word = u"w"_s + QString::number(random.bounded(1000));
        f->clock = f->clock.addMSecs(random.bounded(3000)); // typing merges, or not
        const int kind = random.bounded(20);
        if (labels.isEmpty())
            return model().addLabel(word, u"red"_s);
        if (cards.isEmpty() || kind == 0)
            return model().addCard(pick(projects).id, word, {}, pick(columns));
        const TaskCard card = pick(cards);
        const std::optional<QUuid> other =
            random.bounded(3) ? std::optional(pick(cards).id) : std::nullopt;
        TaskCard edited = card;
        switch (kind) {
        case 1:
        case 2:
            return model().moveCard(card.id, pick(columns), other);
        case 3:
            return model().archiveCard(card.id);
        case 4:
            return model().unarchiveCard(card.id);
        case 5:
            return model().deleteCard(card.id);
        case 6:
            edited.title += QChar(u'a' + random.bounded(26));
            return model().updateCard(edited);
        case 7:
            edited.note = random.bounded(2) ? edited.note.chopped(qMin(1, edited.note.size()))
                                            : edited.note + word;
            return model().updateCard(edited);
        case 8:
            return model().toggleLabel(pick(labels).id, card.id);
        case 9:
            return model().setDueDate(random.bounded(2) ? std::optional(f->clock) : std::nullopt,
                                      card.id);
        case 10:
            return model().setCoverColor(random.bounded(2) ? std::optional(word) : std::nullopt,
                                         card.id);
        case 11:
            return model().setPriority(CardPriority(random.bounded(3)), card.id);
        case 12:
            return model().addChecklistItem(word, card.id);
        case 13:
        case 14:
            if (card.checklist.isEmpty())
                return model().addChecklistItem(u" "_s, card.id); // records nothing
            return kind == 13 ? model().toggleChecklistItem(pick(card.checklist).id, card.id)
                              : model().removeChecklistItem(pick(card.checklist).id, card.id);
        case 15:
            return random.bounded(2) ? model().addLabel(word, u"red"_s)
                                     : model().renameLabel(pick(labels).id, word, u"blue"_s);
        case 16:
            return model().deleteLabel(pick(labels).id);
        case 17: {
            const std::optional<QUuid> folder = folders.isEmpty() || random.bounded(3) == 0
                                                    ? std::nullopt
                                                    : std::optional(pick(folders).id);
            const QUuid project = pick(projects).id;
            return random.bounded(2) ? model().moveProject(project, folder)
                                     : model().reorderProject(project, pick(projects).id, folder);
        }
        case 18:
            return model().addFolder(word);
        default:
            if (folders.isEmpty())
                return model().addFolder(word);
            return random.bounded(2) ? model().renameFolder(pick(folders).id, word)
                                     : model().deleteFolder(pick(folders).id);
        }
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
    // passes them forwards again. Then
    // part of it is undone and the next round edits on from there.
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

    void typingUndoesAsOneStepUntilAPause()
    {
        model().addCard(model().projects()[0].id, u"T"_s, {}, KanbanColumn::Idea);
        TaskCard card = model().cards().last();
        for (const QString &title : {u"Ti"_s, u"Tit"_s, u"Titl"_s}) {
            f->clock = f->clock.addMSecs(900);
            card.title = title;
            model().updateCard(card);
        }
        f->clock = f->clock.addSecs(5);
        card.title = u"Title"_s;
        model().updateCard(card);
        card.note = u"n"_s; // another field: a step of its own
        model().updateCard(card);
        QCOMPARE(history().undoAction(), EditAction::EditNote);
        history().undo();
        history().undo();
        QCOMPARE(model().cards().last().title, u"Titl"_s);
        QCOMPARE(history().undoAction(), EditAction::EditTitle);
        history().undo();
        QCOMPARE(model().cards().last().title, u"T"_s);
        QCOMPARE(history().undoAction(), EditAction::AddCard);
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

        history().undo();
        QVERIFY(history().canUndo());
        model().restore(StoreData::defaultDocument());
        QVERIFY(!history().canUndo() && !history().canRedo());
    }
};

QTEST_GUILESS_MAIN(EditHistoryTest)
#include "tst_edithistory.moc"
