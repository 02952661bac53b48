// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "app/cardqueries.h"
#include "app/presentation.h"
#include "i18n/localization.h"
#include "model/colornames.h"
#include "ui/board/archivelist.h"
#include "ui/board/archivesheet.h"
#include "ui/board/cardlistmodel.h"
#include "ui/board/cardlistview.h"
#include "ui/board/cardorder.h"
#include "ui/board/cardtile.h"
#include "ui/board/duedatetone.h"
#include "ui/board/kanbancolumnview.h"
#include "ui/board/kanbanview.h"
#include "ui/board/labelmanagersheet.h"
#include "ui/board/quickaddfield.h"
#include "ui/board/searchfield.h"
#include "ui/card/carddetailsheet.h"
#include "ui/components/capsule.h"
#include "ui/components/colorswatch.h"
#include "ui/components/iconbutton.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <time.h>

namespace {

QStringList titles(const CardListModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result.append(model->cardAt(row).title);
    return result;
}

// Clicks the named button of the delete confirmation that `window` shows now.
void answerDeletion(QWidget *window, const char *button)
{
    const auto shown = [window]() -> QMessageBox * {
        for (QMessageBox *box : window->findChildren<QMessageBox *>(u"deleteCardConfirmation"_s)) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    };
    QTRY_VERIFY(shown());
    shown()->findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

class TestBoard final : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> f;
    std::unique_ptr<KanbanView> board;
    ProjectConfig project;

    CardListModel *cards(KanbanColumn column) { return board->column(column)->cardModel(); }
    QUuid idOf(const QString &title)
    {
        const QList<TaskCard> all = f->model().cards();
        for (const TaskCard &card : all) {
            if (card.title == title)
                return card.id;
        }
        return {};
    }
    TaskCard card(const QString &title) { return *f->model().card(idOf(title)); }

private Q_SLOTS:
    void init();
    void cleanup();
    void visibleCards_data();
    void visibleCards();
    void labelChipsListLabelsInUse();
    void tilesKeepTheirLines_data();
    void tilesKeepTheirLines();
    void dueDateTone_data();
    void dueDateTone();
    void oneChangedCardChangesOneRow();
    void rowsFollowAnySequenceOfChanges();
    void drops_data();
    void drops();
    void dropsOnAColumnLandWhereTheyPoint();
    void quickAdd();
    void contextMenuMovesArchivesAndDeletes();
    void keyboardOpensAndDeletes();
    void keyboardMovesLandWhereDropsDo_data();
    void keyboardMovesLandWhereDropsDo();
    void headerStoresSortModeAndCompactFlag();
    void searchFieldFocusesAndClears();
    void archiveSheetRestoresAndDeletes();
    void labelManagerEditsLabels();
};

void TestBoard::init()
{
    f = std::make_unique<UiFixture>();
    project = f->addProject();
    board = std::make_unique<KanbanView>(f->context());
    board->setProject(project.id);
    board->resize(900, 700);
}

void TestBoard::cleanup()
{
    board.reset();
    f.reset();
}

// The idea column of one board: a, B, c (newest first: c, B, a) with notes, priorities, due
// dates and labels; then the search, label filter and sort mode of each row.
void TestBoard::visibleCards_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("sortMode");
    QTest::addColumn<QStringList>("expected");

    const QString none;
    QTest::newRow("manual order") << none << none << u"manual"_s
                                  << QStringList{u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s};
    QTest::newRow("unknown sort mode is manual")
        << none << none << u"byColour"_s << QStringList{u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s};
    QTest::newRow("spaces filter nothing")
        << u"   "_s << none << u"manual"_s << QStringList{u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s};
    QTest::newRow("title or note, any case")
        << u"LOGIN"_s << none << u"manual"_s << QStringList{u"d"_s, u"a"_s};
    QTest::newRow("leading space kept")
        << u" login"_s << none << u"manual"_s << QStringList{u"a"_s};
    QTest::newRow("pattern characters are literal")
        << u".*[("_s << none << u"manual"_s << QStringList{u"c"_s};
    QTest::newRow("label filter") << none << u"Bug"_s << u"manual"_s << QStringList{u"e"_s, u"b"_s};
    QTest::newRow("label and search") << u"e"_s << u"Bug"_s << u"manual"_s << QStringList{u"e"_s};
    QTest::newRow("by priority: high first, equal ranks by manual order")
        << none << none << u"priority"_s << QStringList{u"d"_s, u"b"_s, u"e"_s, u"c"_s, u"a"_s};
    QTest::newRow("by due date: dated first, same moment by manual order")
        << none << none << u"dueDate"_s << QStringList{u"c"_s, u"e"_s, u"a"_s, u"d"_s, u"b"_s};
}

void TestBoard::visibleCards()
{
    QFETCH(QString, search);
    QFETCH(QString, label);
    QFETCH(QString, sortMode);
    QFETCH(QStringList, expected);

    const QList<CardLabel> labels = f->model().labels();
    const QUuid bug = labels[0].id;
    const QDateTime soon = f->data.clock.addDays(2);
    f->addCard(project.id, u"a"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.note = u"fix the login page"_s;
        c.dueDate = soon;
    });
    f->addCard(project.id, u"b"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.priority = CardPriority::High;
        c.labelIDs = {bug};
    });
    f->addCard(project.id, u"c"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.note = u"regex .*[( stays text"_s;
        c.priority = CardPriority::Low;
        c.dueDate = soon.addDays(-1);
    });
    f->addCard(project.id, u"d"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.note = u"Relogin flow"_s;
        c.priority = CardPriority::High;
    });
    f->addCard(project.id, u"e"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.priority = CardPriority::Medium;
        c.labelIDs = {bug};
        c.dueDate = soon;
    });
    f->addCard(project.id, u"archived with a label"_s, KanbanColumn::Idea, [&](TaskCard &c) {
        c.archived = true;
        c.labelIDs = {labels[1].id};
    });

    f->data.preferences.setKanbanSortMode(sortMode);
    board->searchField()->lineEdit()->setText(search);
    if (!label.isEmpty()) {
        const auto chips = board->findChildren<Capsule *>(u"labelFilterChip"_s);
        const auto chip = std::ranges::find(chips, label, &Capsule::text);
        QVERIFY(chip != chips.end());
        (*chip)->click();
    }
    QCOMPARE(titles(cards(KanbanColumn::Idea)), expected);
    QCOMPARE(board->findChild<Capsule *>(u"ideaCount"_s)->text(), QString::number(expected.size()));
    if (sortMode == u"byColour") {
        auto *sort = board->findChild<QToolButton *>(u"sortMenuButton"_s);
        QCOMPARE(sort->text(), u"Ručně"_s);
        QVERIFY(sort->menu()->findChild<QAction *>(u"sortMode_manual"_s)->isChecked());
    }
}

void TestBoard::labelChipsListLabelsInUse()
{
    // Without chips the search field still starts where the columns start.
    board->show();
    QApplication::processEvents();
    QCOMPARE(board->searchField()->x(), board->column(KanbanColumn::Idea)->x());

    const QList<CardLabel> labels = f->model().labels();
    f->addCard(project.id, u"x"_s, KanbanColumn::Doing, [&](TaskCard &c) {
        c.labelIDs = {labels[3].id, QUuid::createUuid(), labels[1].id};
    });
    f->addCard(project.id, u"old"_s, KanbanColumn::Done, [&](TaskCard &c) {
        c.labelIDs = {labels[2].id};
        c.archived = true;
    });
    const auto chipTexts = [&] {
        QStringList texts;
        for (Capsule *chip : board->findChildren<Capsule *>(u"labelFilterChip"_s))
            texts.append(chip->text());
        return texts;
    };
    // Model order, archived cards included, unknown ids skipped.
    QCOMPARE(chipTexts(), (QStringList{labels[1].name, labels[2].name, labels[3].name}));

    // Filtering by a label only archived cards carry leaves every column empty.
    for (Capsule *chip : board->findChildren<Capsule *>(u"labelFilterChip"_s)) {
        if (chip->text() == labels[2].name)
            chip->click();
    }
    QCOMPARE(board->filter().labelID, std::optional(labels[2].id));
    for (KanbanColumn column : KanbanColumns::all())
        QCOMPARE(cards(column)->rowCount(), 0);
    QVERIFY(board->findChild<QWidget *>(u"doingPlaceholder"_s)->isVisibleTo(board.get()));

    // Its chip gone, the filter clears itself.
    f->model().deleteCard(idOf(u"old"_s));
    QVERIFY(!board->filter().labelID);
    QCOMPARE(cards(KanbanColumn::Doing)->rowCount(), 1);
}

void TestBoard::tilesKeepTheirLines_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("note");
    const QString rtl = u"שלום עולם, זו כותרת ארוכה מאוד שצריכה לגלוש לשורה נוספת בכרטיס"_s;
    QTest::newRow("10,000 characters") << QString(10000, u'W') << QString(10000, u'x');
    QTest::newRow("long words") << QString(300, u'a').repeated(30) << u"b "_s.repeated(5000);
    QTest::newRow("only emoji") << u"🎉"_s.repeated(400) << u"🚀"_s.repeated(400);
    QTest::newRow("right to left") << rtl.repeated(20) << rtl.repeated(20);
    QTest::newRow("line breaks") << u"a\n"_s.repeated(500) << u"\n\r\n\u2028"_s.repeated(500);
    QTest::newRow("half a surrogate pair") << QString(599, u'a') + u"🎉"_s << QString();
}

void TestBoard::tilesKeepTheirLines()
{
    QFETCH(QString, title);
    QFETCH(QString, note);
    const CardTile::Fonts fonts;
    const QList<CardLabel> labels = f->model().labels();
    TaskCard card;
    card.id = QUuid::createUuid();
    card.createdAt = f->data.clock;
    card.labelIDs = {QUuid::createUuid(), labels[1].id}; // an unknown id is skipped
    card.coverColorName = u"magenta"_s;                  // drawn gray
    TaskCard two = card;
    two.title = u"Two lines: a title long enough to wrap in a narrow column for sure"_s;
    two.note = two.title;
    const int width = 200;
    const int twoLines = CardTile(two, labels, false, width, fonts).height();

    card.title = title;
    card.note = note;
    const CardTile full(card, labels, false, width, fonts);
    QVERIFY(full.height() <= twoLines); // a blank note takes no line at all
    const CardTile compact(card, labels, true, width, fonts);
    QCOMPARE(compact.height(), CardTile(two, labels, true, width, fonts).height());

    // Nothing is drawn beyond the tile and its shadow.
    for (const CardTile *tile : {&full, &compact}) {
        QImage image(width + 40, tile->height() + 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        tile->paint(painter, QPointF(20, 20), board->palette(), {true, false, false},
                    f->data.clock);
        painter.end();
        const QRect allowed(16, 16, width + 8, tile->height() + 9);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!allowed.contains(x, y) && qAlpha(image.pixel(x, y)) != 0)
                    QFAIL(qPrintable(u"drawn at %1,%2"_s.arg(x).arg(y)));
            }
        }
    }
}

void TestBoard::dueDateTone_data()
{
    QTest::addColumn<QByteArray>("zone"); // the user's time zone
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("due");
    QTest::addColumn<KanbanColumn>("column");
    QTest::addColumn<DueDateTone>("tone");

    const auto utc = [](int day, int hour, int minute) {
        return QDateTime(QDate(2026, 12, day), QTime(hour, minute), Qt::UTC);
    };
    const QDateTime now = utc(6, 15, 0);
    QTest::newRow("earlier today")
        << "UTC"_ba << now << now.addSecs(-3600) << KanbanColumn::Doing << DueDateTone::Today;
    QTest::newRow("later today") << "UTC"_ba << now << now.addSecs(3600) << KanbanColumn::Idea
                                 << DueDateTone::Today;
    QTest::newRow("yesterday") << "UTC"_ba << now << now.addDays(-1) << KanbanColumn::Doing
                               << DueDateTone::Overdue;
    QTest::newRow("tomorrow") << "UTC"_ba << now << now.addDays(1) << KanbanColumn::Doing
                              << DueDateTone::Plain;
    QTest::newRow("done, today") << "UTC"_ba << now << now << KanbanColumn::Done
                                 << DueDateTone::Plain;
    QTest::newRow("done, overdue")
        << "UTC"_ba << now << now.addDays(-5) << KanbanColumn::Done << DueDateTone::Plain;
    // Near local midnight the user's day and the UTC day differ; the user's counts. UTC+14:
    // half past midnight on the 6th is still the 5th in UTC.
    const QByteArray east = "Pacific/Kiritimati";
    QTest::newRow("east, late tonight")
        << east << utc(5, 10, 30) << utc(6, 9, 30) << KanbanColumn::Doing << DueDateTone::Today;
    QTest::newRow("east, late last night")
        << east << utc(5, 10, 30) << utc(5, 9, 30) << KanbanColumn::Doing << DueDateTone::Overdue;
    // UTC-9: half past eleven at night on the 6th is already the 7th in UTC.
    const QByteArray west = "America/Anchorage";
    QTest::newRow("west, early this morning")
        << west << utc(7, 8, 30) << utc(6, 9, 30) << KanbanColumn::Doing << DueDateTone::Today;
    QTest::newRow("west, just after midnight")
        << west << utc(7, 8, 30) << utc(7, 9, 30) << KanbanColumn::Doing << DueDateTone::Plain;
}

void TestBoard::dueDateTone()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, due);
    QFETCH(KanbanColumn, column);
    QFETCH(DueDateTone, tone);
    const std::optional<QByteArray> before =
        qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
    qputenv("TZ", zone);
    tzset();
    const DueDateTone result = ::dueDateTone(due, column, now);
    if (before)
        qputenv("TZ", *before);
    else
        qunsetenv("TZ");
    tzset();
    QCOMPARE(result, tone);
}

void TestBoard::oneChangedCardChangesOneRow()
{
    for (const QString &title : {u"a"_s, u"b"_s, u"c"_s})
        f->addCard(project.id, title, KanbanColumn::Doing);
    CardListModel *doing = cards(KanbanColumn::Doing);
    QAbstractItemModelTester tester(doing, QAbstractItemModelTester::FailureReportingMode::QtTest);
    CardListView *list = board->column(KanbanColumn::Doing)->listView();
    list->setCurrentIndex(doing->index(1));

    QSignalSpy changed(doing, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(doing, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(doing, &QAbstractItemModel::modelReset);
    TaskCard edited = card(u"b"_s);
    edited.note = u"more"_s;
    f->model().updateCard(edited);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
    QCOMPARE(removed.size(), 0);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(list->currentCard(), std::optional(edited.id));

    // Moves, new cards elsewhere, filters and sort modes all go by rows; the selection stays.
    f->model().moveCard(idOf(u"a"_s), KanbanColumn::Doing, idOf(u"c"_s));
    f->model().addCard(project.id, u"new"_s, {}, KanbanColumn::Doing);
    f->data.preferences.setKanbanSortMode(u"priority"_s);
    board->searchField()->lineEdit()->setText(u"B"_s);
    board->searchField()->lineEdit()->clear();
    f->model().archiveCard(idOf(u"c"_s));
    f->model().renameLabel(f->model().labels()[0].id, u"Chyba"_s, u"red"_s);
    QCOMPARE(titles(doing), (QStringList{u"new"_s, u"a"_s, u"b"_s}));
    QCOMPARE(reset.size(), 0);
    QCOMPARE(list->currentCard(), std::optional(edited.id));
}

void TestBoard::rowsFollowAnySequenceOfChanges()
{
    // Random edits, moves, filters and sort modes; after each one the rows are exactly what the
    // rule says, reached by rows (the tester checks every signal).
    QRandomGenerator random(8);
    QList<QAbstractItemModelTester *> testers;
    for (KanbanColumn column : KanbanColumns::all())
        testers.append(new QAbstractItemModelTester(
            cards(column), QAbstractItemModelTester::FailureReportingMode::QtTest, this));
    const QStringList modes{u"manual"_s, u"priority"_s, u"dueDate"_s};
    for (int step = 0; step < 300; ++step) {
        const QList<TaskCard> all = f->model().cards();
        const auto any = [&] { return all[random.bounded(int(all.size()))].id; };
        const auto column = [&] { return KanbanColumn(random.bounded(3)); };
        switch (all.size() < 4 ? 0 : random.bounded(7)) {
        case 0:
            f->model().addCard(project.id, u"c%1 %2"_s.arg(step).arg(random.bounded(3)), {},
                               column());
            break;
        case 1:
            f->model().moveCard(any(), column(),
                                random.bounded(2) ? std::optional(any()) : std::nullopt);
            break;
        case 2: {
            TaskCard card = *f->model().card(any());
            card.priority =
                random.bounded(2) ? std::optional(CardPriority(random.bounded(3))) : std::nullopt;
            card.dueDate = f->data.clock.addDays(random.bounded(3));
            card.title += u"x"_s;
            f->model().updateCard(card);
            break;
        }
        case 3:
            random.bounded(2) ? f->model().archiveCard(any()) : f->model().unarchiveCard(any());
            break;
        case 4:
            f->model().deleteCard(any());
            break;
        case 5:
            board->searchField()->lineEdit()->setText(
                QStringList{QString(), u" 1"_s, u"X"_s, u"c1"_s}[random.bounded(4)]);
            break;
        case 6:
            f->data.preferences.setKanbanSortMode(modes[random.bounded(3)]);
            break;
        }
        const KanbanSortMode mode =
            KanbanSortModes::fromRawValue(f->data.preferences.kanbanSortMode());
        for (KanbanColumn kind : KanbanColumns::all()) {
            QStringList expected;
            for (const TaskCard &card :
                 CardOrder::visible(CardQueries::column(f->model().cards(), project.id, kind),
                                    board->filter(), mode))
                expected.append(card.title);
            QCOMPARE(titles(cards(kind)), expected);
        }
    }
    qDeleteAll(testers);
}

void TestBoard::drops_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<KanbanColumn>("target");
    QTest::addColumn<QString>("onto"); // a card title, or empty for the column's empty area
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("doing");
    QTest::addColumn<QStringList>("done");

    const QStringList doing{u"a"_s, u"b"_s, u"c"_s};
    const QStringList done{u"x"_s};
    QTest::newRow("within a column, onto a card") << u"c"_s << KanbanColumn::Doing << u"a"_s << true
                                                  << QStringList{u"c"_s, u"a"_s, u"b"_s} << done;
    QTest::newRow("within a column, empty area")
        << u"a"_s << KanbanColumn::Doing << QString() << true << QStringList{u"b"_s, u"c"_s, u"a"_s}
        << done;
    QTest::newRow("onto itself") << u"b"_s << KanbanColumn::Doing << u"b"_s << false << doing
                                 << done;
    QTest::newRow("across, onto a card")
        << u"b"_s << KanbanColumn::Done << u"x"_s << true << QStringList{u"a"_s, u"c"_s}
        << QStringList{u"b"_s, u"x"_s};
    QTest::newRow("across, empty area")
        << u"b"_s << KanbanColumn::Done << QString() << true << QStringList{u"a"_s, u"c"_s}
        << QStringList{u"x"_s, u"b"_s};
}

void TestBoard::drops()
{
    QFETCH(QString, dragged);
    QFETCH(KanbanColumn, target);
    QFETCH(QString, onto);
    QFETCH(bool, accepted);
    QFETCH(QStringList, doing);
    QFETCH(QStringList, done);

    for (const QString &title : {u"c"_s, u"b"_s, u"a"_s})
        f->addCard(project.id, title, KanbanColumn::Doing);
    f->addCard(project.id, u"x"_s, KanbanColumn::Done);
    CardListModel *source = cards(card(dragged).column);
    CardListModel *destination = cards(target);
    QAbstractItemModelTester tester(destination,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);

    const int row = source->rowOf(idOf(dragged));
    std::unique_ptr<QMimeData> data(source->mimeData({source->index(row)}));
    QCOMPARE(data->text(), idOf(dragged).toString(QUuid::WithoutBraces).toUpper());
    const QModelIndex on =
        onto.isEmpty() ? QModelIndex() : destination->index(destination->rowOf(idOf(onto)));
    QCOMPARE(destination->dropMimeData(data.get(), Qt::MoveAction, -1, -1, on), accepted);
    // What a view does after a move drop must not take the card away again.
    QVERIFY(!source->removeRows(0, 1));
    QCOMPARE(titles(cards(KanbanColumn::Doing)), doing);
    QCOMPARE(titles(cards(KanbanColumn::Done)), done);

    // Text from elsewhere, and a card deleted while it was dragged, change nothing.
    auto foreign = std::make_unique<QMimeData>();
    foreign->setText(u"hello {not a card}"_s);
    QVERIFY(!destination->dropMimeData(foreign.get(), Qt::MoveAction, -1, -1, {}));
    f->model().deleteCard(idOf(dragged));
    destination->dropMimeData(data.get(), Qt::MoveAction, -1, -1, {});
    QCOMPARE(f->model().cards().size(), 3);
}

void TestBoard::dropsOnAColumnLandWhereTheyPoint()
{
    for (const QString &title : {u"c"_s, u"b"_s, u"a"_s})
        f->addCard(project.id, title, KanbanColumn::Doing);
    for (int i = 0; i < 30; ++i)
        f->addCard(project.id, u"x%1"_s.arg(i), KanbanColumn::Done);
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    KanbanColumnView *doing = board->column(KanbanColumn::Doing);
    CardListView *list = doing->listView();
    // Drags `title` over the doing column to `point` and drops it there.
    const auto drop = [&](const QString &title, const QPoint &point) {
        QMimeData data;
        data.setText(idOf(title).toString());
        QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(doing, &enter);
        QDragMoveEvent move(point, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(doing, &move);
        const bool offered = move.isAccepted();
        QDropEvent dropped(point, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(doing, &dropped);
        return offered && dropped.isAccepted();
    };
    const auto tile = [&](int row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        return QRect(list->viewport()->mapTo(doing, rect.topLeft()), rect.size());
    };
    QVERIFY(drop(u"c"_s, tile(0).center()));
    QCOMPARE(titles(cards(KanbanColumn::Doing)), (QStringList{u"c"_s, u"a"_s, u"b"_s}));
    QVERIFY(drop(u"b"_s, QPoint(tile(0).center().x(), tile(0).bottom() - 2))); // the gap below
    QCOMPARE(titles(cards(KanbanColumn::Doing)), (QStringList{u"c"_s, u"b"_s, u"a"_s}));
    QVERIFY(!drop(u"b"_s, tile(1).center())); // onto itself
    QVERIFY(drop(u"c"_s, QPoint(20, 12)));    // the header: the end
    QCOMPARE(titles(cards(KanbanColumn::Doing)), (QStringList{u"b"_s, u"a"_s, u"c"_s}));
    QVERIFY(drop(u"x3"_s, QPoint(tile(2).center().x(), doing->height() - 4)));
    QCOMPARE(titles(cards(KanbanColumn::Doing)).constLast(), u"x3"_s);

    QMimeData foreign;
    foreign.setText(u"not a card"_s);
    QDragEnterEvent enter(tile(0).center(), Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(doing, &enter);
    QVERIFY(!enter.isAccepted());

    // The lists never scroll themselves: the page does.
    CardListView *done = board->column(KanbanColumn::Done)->listView();
    QCOMPARE(done->verticalScrollBar()->maximum(), 0);
    QVERIFY(done->height() >= done->heightForWidth(done->width()));
}

void TestBoard::quickAdd()
{
    board->show();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    KanbanColumnView *ideas = board->column(KanbanColumn::Idea);
    QWidget *placeholder = board->findChild<QWidget *>(u"ideaPlaceholder"_s);
    QVERIFY(placeholder->isVisible());
    QVERIFY(!board->column(KanbanColumn::Doing)->findChild<IconButton *>(u"addCardButton"_s));

    QTest::mouseClick(ideas->findChild<IconButton *>(u"addCardButton"_s), Qt::LeftButton);
    QLineEdit *field = ideas->quickAddField()->lineEdit();
    QTRY_VERIFY(field->hasFocus());
    QVERIFY(!placeholder->isVisible());
    QTest::keyClicks(field, u"  first  "_s);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, u"second"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(titles(ideas->cardModel()), (QStringList{u"second"_s, u"first"_s}));
    QVERIFY(field->isVisible() && field->text().isEmpty() && field->hasFocus());

    QTest::keyClicks(field, u"   "_s);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!ideas->isAdding() && !field->isVisible());
    QCOMPARE(f->model().cards().size(), 2);

    ideas->startAdding();
    QTest::keyClicks(field, u"cancelled"_s);
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!ideas->isAdding());
    ideas->startAdding();
    QVERIFY(field->text().isEmpty());
    QCOMPARE(f->model().cards().size(), 2);
}

void TestBoard::contextMenuMovesArchivesAndDeletes()
{
    board->show();
    const QUuid id = f->addCard(project.id, u"úkol"_s, KanbanColumn::Doing).id;
    // Opens the card's menu, returns its item texts and triggers the named one.
    const auto choose = [&](const QUuid &cardID, const QString &action) {
        board->showCardMenu(cardID, QPoint(10, 10));
        QMenu *menu = nullptr;
        for (QMenu *candidate : board->findChildren<QMenu *>(u"cardMenu"_s)) {
            if (candidate->isVisible())
                menu = candidate;
        }
        QStringList texts;
        if (!menu)
            return texts;
        for (QAction *item : menu->actions())
            texts.append(item->isSeparator() ? u"—"_s : item->text());
        QAction *chosen = menu->findChild<QAction *>(action);
        menu->close();
        chosen->trigger();
        return texts;
    };
    QCOMPARE(choose(id, u"moveCardTo_done"_s),
             (QStringList{u"Přesunout: Nápady"_s, u"Přesunout: Hotovo"_s, u"—"_s, u"Archivovat"_s,
                          u"Smazat natrvalo"_s}));
    QCOMPARE(card(u"úkol"_s).column, KanbanColumn::Done);
    QVERIFY(f->model().commitSuggestionCard());

    choose(id, u"deleteCardAction"_s);
    answerDeletion(board.get(), "cancelDeleteButton");
    QVERIFY(f->model().card(id));
    choose(id, u"deleteCardAction"_s);
    answerDeletion(board.get(), "confirmDeleteButton");
    QVERIFY(!f->model().card(id));
    QVERIFY(choose(id, u"archiveCardAction"_s).isEmpty()); // no menu for a deleted card

    const QUuid other = f->addCard(project.id, u"jiný"_s, KanbanColumn::Idea).id;
    choose(other, u"archiveCardAction"_s);
    QVERIFY(f->model().card(other)->archived);
}

void TestBoard::keyboardOpensAndDeletes()
{
    board->show();
    f->addCard(project.id, u"první"_s, KanbanColumn::Idea);
    f->addCard(project.id, u"druhý"_s, KanbanColumn::Idea);
    CardListView *list = board->column(KanbanColumn::Idea)->listView();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    QCOMPARE(list->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), u"první"_s);

    QTest::keyClick(list, Qt::Key_Return);
    CardDetailSheet *sheet = nullptr;
    QTRY_VERIFY((sheet = board->window()->findChild<CardDetailSheet *>()));
    QCOMPARE(sheet->cardID(), idOf(u"první"_s));
    QPointer<CardDetailSheet> closed = sheet;
    sheet->close();
    QTRY_VERIFY(!closed);

    // A change to the card refreshes its row but keeps it selected; Space opens it too.
    TaskCard renamed = card(u"první"_s);
    renamed.title = u"první!"_s;
    f->model().updateCard(renamed);
    QCOMPARE(list->currentIndex().data(Qt::AccessibleTextRole).toString(), u"první!"_s);
    QTest::keyClick(list, Qt::Key_Space);
    QTRY_VERIFY((sheet = board->window()->findChild<CardDetailSheet *>()));
    QCOMPARE(sheet->cardID(), idOf(u"první!"_s));
    sheet->close();
    QTRY_VERIFY(!board->window()->findChild<CardDetailSheet *>());

    // A screen reader's toggle on a tile opens its card, as a click does.
    const QModelIndex other = list->model()->index(list->currentIndex().row() == 0 ? 1 : 0, 0);
    toggleAccessibleRow(*list, other);
    QTRY_VERIFY((sheet = board->window()->findChild<CardDetailSheet *>()));
    QCOMPARE(sheet->cardID(), idOf(u"druhý"_s));
    sheet->close();
    QTRY_VERIFY(!board->window()->findChild<CardDetailSheet *>());
    list->setCurrentIndex(list->model()->index(other.row() == 0 ? 1 : 0, 0));

    QTest::keyClick(list, Qt::Key_Delete);
    answerDeletion(board.get(), "confirmDeleteButton");
    QCOMPARE(titles(cards(KanbanColumn::Idea)), QStringList{u"druhý"_s});
}

// Doing holds a, b, c and done x; ideas are empty. Each move matches a drop onto a card (or
// onto a column's empty area), and both leave the card with the same column and index.
void TestBoard::keyboardMovesLandWhereDropsDo_data()
{
    QTest::addColumn<QString>("moved");
    QTest::addColumn<int>("key");
    QTest::addColumn<KanbanColumn>("target");
    QTest::addColumn<QString>("onto"); // empty: the column's empty area
    QTest::addColumn<QStringList>("order");

    QTest::newRow("right, to the top") << u"b"_s << int(Qt::Key_Right) << KanbanColumn::Done
                                       << u"x"_s << QStringList{u"b"_s, u"x"_s};
    QTest::newRow("left, into an empty column")
        << u"b"_s << int(Qt::Key_Left) << KanbanColumn::Idea << QString() << QStringList{u"b"_s};
    QTest::newRow("up") << u"b"_s << int(Qt::Key_Up) << KanbanColumn::Doing << u"a"_s
                        << QStringList{u"b"_s, u"a"_s, u"c"_s};
    QTest::newRow("down") << u"a"_s << int(Qt::Key_Down) << KanbanColumn::Doing << u"c"_s
                          << QStringList{u"b"_s, u"a"_s, u"c"_s};
    QTest::newRow("down, to the end") << u"b"_s << int(Qt::Key_Down) << KanbanColumn::Doing
                                      << QString() << QStringList{u"a"_s, u"c"_s, u"b"_s};
    QTest::newRow("up from the top (stays)") << u"a"_s << int(Qt::Key_Up) << KanbanColumn::Doing
                                             << QString() << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("right from the last column (stays)")
        << u"x"_s << int(Qt::Key_Right) << KanbanColumn::Done << QString() << QStringList{u"x"_s};
}

void TestBoard::keyboardMovesLandWhereDropsDo()
{
    QFETCH(QString, moved);
    QFETCH(int, key);
    QFETCH(KanbanColumn, target);
    QFETCH(QString, onto);
    QFETCH(QStringList, order);

    for (const QString &title : {u"c"_s, u"b"_s, u"a"_s})
        f->addCard(project.id, title, KanbanColumn::Doing);
    f->addCard(project.id, u"x"_s, KanbanColumn::Done);
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    const TaskCard before = card(moved);
    CardListView *list = board->column(before.column)->listView();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(cards(before.column)->rowOf(before.id), 0));
    QTest::keyClick(list, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(titles(cards(target)), order);
    const TaskCard byKey = card(moved);
    if (QByteArray(QTest::currentDataTag()).endsWith("(stays)")) {
        QCOMPARE(byKey, before);
        return;
    }
    // The keyboard is on the card where it went, and the screen reader heard where that is.
    CardListView *now = board->column(target)->listView();
    QVERIFY(now->hasFocus());
    QCOMPARE(now->currentCard(), before.id);
    QAccessibleInterface *item =
        QAccessible::queryAccessibleInterface(now)->child(cards(target)->rowOf(before.id));
    QCOMPARE(item->text(QAccessible::Description),
             u"Přesunuto do sloupce %1, na místo %2 z %3"_s.arg(Presentation::title(target))
                 .arg(order.indexOf(moved) + 1)
                 .arg(order.size()));

    f->model().history().undo();
    QCOMPARE(card(moved), before);
    CardListModel *destination = cards(target);
    auto data = std::make_unique<QMimeData>();
    data->setText(before.id.toString());
    const QModelIndex on =
        onto.isEmpty() ? QModelIndex() : destination->index(destination->rowOf(idOf(onto)));
    QVERIFY(destination->dropMimeData(data.get(), Qt::MoveAction, -1, -1, on));
    QCOMPARE(card(moved), byKey);
}

void TestBoard::headerStoresSortModeAndCompactFlag()
{
    board->show();
    auto *sort = board->findChild<QToolButton *>(u"sortMenuButton"_s);
    QCOMPARE(sort->text(), u"Ručně"_s);
    sort->menu()->findChild<QAction *>(u"sortMode_dueDate"_s)->trigger();
    QCOMPARE(f->data.preferences.kanbanSortMode(), u"dueDate"_s);
    QCOMPARE(sort->text(), u"Podle termínu"_s);
    for (QAction *action : sort->menu()->actions())
        QCOMPARE(action->isChecked(), action->objectName() == u"sortMode_dueDate");

    // A second board follows the same preferences.
    KanbanView other(f->context());
    auto *compact = board->findChild<IconButton *>(u"compactToggle"_s);
    QCOMPARE(compact->help(), u"Kompaktní zobrazení"_s);
    QTest::mouseClick(compact, Qt::LeftButton);
    QVERIFY(f->data.preferences.kanbanCompact());
    QCOMPARE(compact->symbol(), u"rectangle.expand.vertical"_s);
    QCOMPARE(other.findChild<IconButton *>(u"compactToggle"_s)->help(), u"Zobrazit celé karty"_s);
    QCOMPARE(other.findChild<QToolButton *>(u"sortMenuButton"_s)->text(), u"Podle termínu"_s);
}

void TestBoard::searchFieldFocusesAndClears()
{
    board->show();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    QLineEdit *search = board->searchField()->lineEdit();
    auto *clear = board->findChild<IconButton *>(u"boardSearchClearButton"_s);
    f->desktop.commands.requestFocusSearch();
    QTRY_VERIFY(search->hasFocus());
    QVERIFY(!clear->isVisible());
    QTest::keyClicks(search, u"x"_s);
    QVERIFY(clear->isVisible());
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(search->text().isEmpty() && !clear->isVisible());
}

void TestBoard::archiveSheetRestoresAndDeletes()
{
    using Button = ArchiveDelegate::Button;
    board->show();
    board->findChild<QToolButton *>(u"archiveButton"_s)->click();
    ArchiveSheet *sheet = nullptr;
    QTRY_VERIFY((sheet = board->window()->findChild<ArchiveSheet *>()));
    ArchiveList *list = sheet->list();
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(sheet->findChild<QWidget *>(u"archiveEmptyText"_s)->isVisible());
    QVERIFY(!list->isVisible());

    for (const QString &title : {u"a"_s, u"b"_s, u"c"_s, u"d"_s}) {
        f->addCard(project.id, title, KanbanColumn::Doing);
        f->data.clock = f->data.clock.addSecs(60); // finished one after another
        f->model().archiveCard(idOf(title));
    }
    QVERIFY(!sheet->findChild<QWidget *>(u"archiveEmptyText"_s)->isVisible());
    QVERIFY(list->isVisible());
    const auto rows = [list] {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shown.append(list->model()->index(row, 0).data(Qt::AccessibleTextRole).toString());
        return shown;
    };
    QCOMPARE(rows(), QStringList({u"d"_s, u"c"_s, u"b"_s, u"a"_s})); // last archived first
    QCOMPARE(list->model()->index(0, 0).data(Qt::AccessibleDescriptionRole), u"Dělám"_s);
    QCOMPARE(unnamedControls(sheet), QStringList());

    // A click on a row's painted button; a press that slides off the button does nothing.
    const auto button = [list](int row, Button which) {
        return list->buttonRect(list->model()->index(row, 0), which).center();
    };
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, button(0, Button::Restore));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, button(1, Button::Restore));
    QCOMPARE(rows().size(), 4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, button(0, Button::Restore));
    QCOMPARE(rows(), QStringList({u"c"_s, u"b"_s, u"a"_s}));
    QVERIFY(titles(cards(KanbanColumn::Doing)).contains(u"d"_s));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, button(1, Button::Delete));
    answerDeletion(sheet, "cancelDeleteButton");
    QCOMPARE(rows().size(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, button(1, Button::Delete));
    answerDeletion(sheet, "confirmDeleteButton");
    QCOMPARE(rows(), QStringList({u"c"_s, u"a"_s}));
    QVERIFY(!f->model().card(idOf(u"b"_s)));

    // From the keyboard: Return restores the current card, Delete asks first, and the
    // context menu names both.
    list->setFocus(Qt::TabFocusReason);
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(rows(), QStringList({u"c"_s}));
    f->model().archiveCard(idOf(u"a"_s));
    QCOMPARE(rows(), QStringList({u"c"_s, u"a"_s}));
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Delete);
    answerDeletion(sheet, "confirmDeleteButton");
    QCOMPARE(rows(), QStringList({u"c"_s}));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(list, &menuKey);
    auto *menu = list->findChild<QMenu *>(u"archiveRowMenu"_s);
    QVERIFY(menu);
    QCOMPARE(menu->findChild<QAction *>(u"archiveDeleteAction"_s)->text(), u"Smazat natrvalo"_s);
    menu->findChild<QAction *>(u"archiveRestoreAction"_s)->trigger();
    menu->close();
    QVERIFY(sheet->findChild<QWidget *>(u"archiveEmptyText"_s)->isVisible());
    QCOMPARE(CardQueries::archived(f->model().cards(), project.id).size(), 0);
    QStringList doing = titles(cards(KanbanColumn::Doing));
    doing.sort();
    QCOMPARE(doing, QStringList({u"c"_s, u"d"_s}));
}

void TestBoard::labelManagerEditsLabels()
{
    board->show();
    board->findChild<QToolButton *>(u"labelsButton"_s)->click();
    LabelManagerSheet *sheet = nullptr;
    QTRY_VERIFY((sheet = board->window()->findChild<LabelManagerSheet *>()));
    const int before = int(f->model().labels().size());
    QCOMPARE(unnamedControls(sheet), QStringList());
    QStringList order;
    for (QWidget *widget : tabChain(sheet))
        order.append(widget->objectName());
    QCOMPARE(order.indexOf(u"labelNameField"_s), 1); // the rows come after Done
    QCOMPARE(order.constLast(), u"newLabelField"_s); // "Přidat" waits for a name

    auto *name = sheet->findChild<QLineEdit *>(u"newLabelField"_s);
    auto *add = sheet->findChild<QPushButton *>(u"addLabelButton"_s);
    QVERIFY(!add->isEnabled());
    QTest::keyClicks(name, u"  Backend "_s);
    QVERIFY(add->isEnabled());
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(sheet->isVisible()); // Return added, it did not close the sheet
    QCOMPARE(f->model().labels().size(), before + 1);
    const CardLabel added = f->model().labels().constLast();
    QCOMPARE(added.name, u"Backend"_s);
    QVERIFY(ColorNames::all().contains(added.colorName));
    QVERIFY(name->text().isEmpty());

    // Renamed with every keystroke, as typed; recoloured; deleted at once.
    QLineEdit *field = sheet->findChildren<QLineEdit *>(u"labelNameField"_s).constLast();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, u"API "_s);
    QCOMPARE(f->model().labels().constLast().name, u"API "_s);
    QCOMPARE(field->text(), u"API "_s);
    sheet->findChildren<ColorSwatch *>(u"labelColor_purple"_s).constLast()->click();
    QCOMPARE(f->model().labels().constLast().colorName, u"purple"_s);
    QCOMPARE(f->model().labels().constLast().name, u"API "_s);
    sheet->findChildren<IconButton *>(u"deleteLabelButton"_s).constLast()->click();
    QCOMPARE(f->model().labels().size(), before);
    QTRY_COMPARE(sheet->findChildren<QLineEdit *>(u"labelNameField"_s).size(), before);
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
