// SPDX-License-Identifier: MIT
// The project page's figures with the 500-card board: opening it, one card edited, one
// keystroke in the search field, one drop into another column and a card's sheet opened; and
// the archive sheet of a project with 10,000 archived cards opened. Each is the main-thread
// time from the action until the window has painted the result.
#include "uibench.h"

#include "app/cardqueries.h"
#include "support/benchsupport.h"
#include "ui/board/archivesheet.h"
#include "ui/board/cardlistview.h"
#include "ui/board/kanbancolumnview.h"
#include "ui/board/kanbanview.h"
#include "ui/board/searchfield.h"
#include "ui/card/carddetailsheet.h"
#include "ui/detail/projectdetailview.h"
#include "ui/main/mainview.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The time of `action` until the main thread is idle and the window painted.
double settledAfter(BenchWindow &window, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    window.settle();
    return millisecondsSince(timer);
}

double medianOf(int runs, const std::function<double(int)> &run)
{
    QList<double> values;
    for (int i = 0; i < runs; ++i)
        values.append(run(i));
    return BenchSupport::median(values);
}

// The window with the big board's page shown.
BenchWindow &boardShown(UiBench &bench)
{
    BenchWindow &window = bench.window();
    if (window.view().selection() != bench.boardProject()) {
        window.view().select(bench.boardProject());
        window.settle();
    }
    return window;
}

KanbanView &board(BenchWindow &window)
{
    return *window.view().detail()->board();
}

} // namespace

namespace BoardFigures {

QList<UiFigure> boardOpen(UiBench &bench)
{
    BenchWindow &window = bench.window();
    window.view().select(bench.otherProject());
    window.settle();
    const double ms = settledAfter(window, [&] { window.view().select(bench.boardProject()); });
    return {{u"board_open_ms"_s, ms, 60}};
}

QList<UiFigure> cardChange(UiBench &bench)
{
    BenchWindow &window = boardShown(bench);
    AppModel &model = bench.model();
    const QList<TaskCard> shown =
        CardQueries::column(model.cards(), bench.boardProject(), KanbanColumn::Doing);
    const double ms = medianOf(50, [&](int i) {
        TaskCard card = *model.card(shown[i % 10].id);
        card.title = shown[i % 10].title + u" (%1)"_s.arg(i); // a real change every time
        return settledAfter(window, [&] { model.updateCard(card); });
    });
    model.dataFile().waitForPendingSaves();
    return {{u"card_change_ms"_s, ms, 4}};
}

QList<UiFigure> searchKeystroke(UiBench &bench)
{
    BenchWindow &window = boardShown(bench);
    QLineEdit *field = board(window).searchField()->lineEdit();
    const double ms = medianOf(20, [&](int i) {
        return settledAfter(
            window, [&] { QTest::keyClick(field, i % 2 == 0 ? Qt::Key_1 : Qt::Key_Backspace); });
    });
    return {{u"search_keystroke_ms"_s, ms, 8}};
}

// The drag has entered the other column already; the drop itself is measured.
QList<UiFigure> drop(UiBench &bench)
{
    BenchWindow &window = boardShown(bench);
    AppModel &model = bench.model();
    const double ms = medianOf(20, [&](int i) {
        const KanbanColumn from = i % 2 == 0 ? KanbanColumn::Idea : KanbanColumn::Doing;
        KanbanColumnView *target =
            board(window).column(i % 2 == 0 ? KanbanColumn::Doing : KanbanColumn::Idea);
        QMimeData data;
        data.setText(CardQueries::column(model.cards(), bench.boardProject(), from)
                         .constLast()
                         .id.toString());
        const QPoint point(target->width() / 2, 12);
        QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(point, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        QApplication::processEvents();
        return settledAfter(window, [&] {
            QDropEvent event(point, Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &event);
        });
    });
    model.dataFile().waitForPendingSaves();
    return {{u"drop_ms"_s, ms, 8}};
}

// A click on the first idea until its sheet is painted.
QList<UiFigure> sheetOpen(UiBench &bench)
{
    BenchWindow &window = boardShown(bench);
    CardListView *list = board(window).column(KanbanColumn::Idea)->listView();
    const double ms = medianOf(10, [&](int) {
        const QPoint tile = list->visualRect(list->model()->index(0, 0)).center();
        const double opened = settledAfter(
            window, [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tile); });
        // The sheet is a window of its own over the main window.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *sheet = qobject_cast<CardDetailSheet *>(widget))
                sheet->close();
        }
        QApplication::processEvents();
        return opened;
    });
    return {{u"sheet_open_ms"_s, ms, 50}};
}

// From creating the sheet until it has painted, over a model of its own whose one project
// has archived a card every hour for over a year.
QList<UiFigure> archiveOpen(UiBench &bench)
{
    constexpr int archived = 10'000;
    StoreData document = StoreData::defaultDocument();
    document.didSeed = true;
    const ProjectConfig project = bench.projects().first();
    document.projects = {project};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QList<KanbanColumn> columns = KanbanColumns::all();
    for (int i = 0; i < archived; ++i) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = project.id;
        card.title = u"Hotový úkol %1: přepsat texty na stránce s cenami"_s.arg(i + 1);
        card.column = columns[i % columns.size()];
        card.createdAt = now.addSecs(-3600 * (i + 24));
        card.completedAt = now.addSecs(-3600 * i);
        card.sortIndex = i;
        card.archived = true;
        document.cards.append(card);
    }
    const std::unique_ptr<AppModel> model = bench.makeModel(document);
    if (!model)
        return {};
    UiContext &shared = bench.context();
    UiContext context{*model, shared.updates, shared.preferences, shared.desktop, shared.hotKey};
    QWidget *window = bench.window().view().window();
    const double ms = medianOf(5, [&](int) {
        QElapsedTimer timer;
        timer.start();
        auto *sheet = new ArchiveSheet(context, project.id, window);
        sheet->open();
        QApplication::processEvents();
        sheet->repaint();
        const double opened = millisecondsSince(timer);
        sheet->close(); // deletes itself
        QApplication::processEvents();
        return opened;
    });
    model->dataFile().waitForPendingSaves();
    return {{u"archive_open_ms"_s, ms, 100}};
}

} // namespace BoardFigures
