// SPDX-License-Identifier: MIT
// The project page with a big board on the offscreen platform: 200 projects and 2,000 cards, one
// project holding 500 of them (three columns, labels, notes, checklists). Each figure is the
// main-thread time from the user's action until the window has painted the result; the last
// line is one JSON object with every figure.
#include "app/appmodel.h"
#include "locale/preferences.h"
#include "model/recordjson.h"
#include "services/updatechecker.h"
#include "sources/processrunner.h"
#include "support/benchsupport.h"
#include "support/fakedesktop.h"
#include "ui/board/cardlistmodel.h"
#include "ui/board/cardlistview.h"
#include "ui/board/kanbancolumnview.h"
#include "ui/board/kanbanview.h"
#include "ui/board/searchfield.h"
#include "ui/card/carddetailsheet.h"
#include "ui/detail/projectdetailview.h"
#include "ui/shell/globalhotkeymanager.h"
#include "ui/shell/hotkeybackend.h"
#include "ui/shell/uicontext.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <utility>

using namespace BenchSupport;
using namespace Qt::StringLiterals;

namespace {

constexpr int projectCount = 200;
constexpr int cardCount = 2000;
constexpr int boardCards = 500;

// The document: 200 projects in 10 folders; the first project holds 500 cards, the others
// share the remaining 1,500.
StoreData makeDocument(const QDateTime &now)
{
    StoreData document = StoreData::defaultDocument();
    document.didSeed = true;
    for (int i = 0; i < 10; ++i) {
        ProjectFolder folder;
        folder.id = QUuid::createUuid();
        folder.name = u"Folder %1"_s.arg(i);
        folder.sortIndex = i;
        document.folders.append(folder);
    }
    for (int i = 0; i < projectCount; ++i) {
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = u"Project %1"_s.arg(i);
        project.localPath = u"/nowhere/project-%1"_s.arg(i);
        project.folderID = document.folders[i % 10].id;
        project.sortIndex = i;
        document.projects.append(project);
    }
    const QList<KanbanColumn> columns = KanbanColumns::all();
    for (int i = 0; i < cardCount; ++i) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = document.projects[i < boardCards ? 0 : 1 + i % (projectCount - 1)].id;
        card.title = u"Task %1: tidy the landing page and its forms"_s.arg(i);
        card.note = i % 2 == 0 ? u"Check the contact form, the footer links and the images "
                                 u"on small screens before the release."_s
                               : QString();
        card.column = columns[i % 3];
        card.createdAt = now.addSecs(-3600 * (i % 200));
        card.sortIndex = i;
        if (i % 3 == 0)
            card.labelIDs = {document.labels[i % document.labels.size()].id};
        if (i % 4 == 0)
            card.checklist = {{QUuid::createUuid(), u"one"_s, true},
                              {QUuid::createUuid(), u"two"_s, false}};
        if (i % 5 == 0)
            card.priority = CardPriority::High;
        if (i % 7 == 0)
            card.dueDate = now.addDays(i % 11 - 5);
        if (i % 9 == 0)
            card.coverColorName = u"blue"_s;
        document.cards.append(card);
    }
    return document;
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The main-thread time of `action` until the thread is idle again: layouts done, the changed
// parts of the window painted, the save handed to its thread.
double idleAfter(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return elapsedMs(timer);
}

double medianOf(int runs, const std::function<double(int)> &run)
{
    QList<double> values;
    for (int i = 0; i < runs; ++i)
        values.append(run(i));
    return median(values);
}

struct Bench {
    AppModel &model;
    QMainWindow &window;
    ProjectDetailView &view;
    QUuid board;
    QUuid other;

    // The first time the big board is shown (a selection in the sidebar sets the project).
    double boardOpen()
    {
        view.setProject(other);
        QCoreApplication::processEvents();
        return idleAfter([&] { view.setProject(board); });
    }

    double cardChange()
    {
        const QList<TaskCard> shown = model.cards(board, KanbanColumn::Doing);
        return medianOf(50, [&](int i) {
            TaskCard card = *model.card(shown[i % 10].id);
            card.title = shown[i % 10].title + u" (%1)"_s.arg(i); // a real change every time
            return idleAfter([&] { model.updateCard(card); });
        });
    }

    double searchKeystroke()
    {
        QLineEdit *field = view.board()->searchField()->lineEdit();
        return medianOf(20, [&](int i) {
            return idleAfter(
                [&] { QTest::keyClick(field, i % 2 == 0 ? Qt::Key_1 : Qt::Key_Backspace); });
        });
    }

    // The drag has entered the other column already; the drop itself is measured.
    double drop()
    {
        return medianOf(20, [&](int i) {
            const KanbanColumn from = i % 2 == 0 ? KanbanColumn::Idea : KanbanColumn::Doing;
            KanbanColumnView *target =
                view.board()->column(i % 2 == 0 ? KanbanColumn::Doing : KanbanColumn::Idea);
            QMimeData data;
            data.setText(model.cards(board, from).constLast().id.toString());
            const QPoint point(target->width() / 2, 12);
            QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDragMoveEvent move(point, Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &move);
            QCoreApplication::processEvents();
            return idleAfter([&] {
                QDropEvent event(point, Qt::MoveAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(target, &event);
            });
        });
    }

    // A click on the first idea until its sheet is painted.
    double sheetOpen()
    {
        CardListView *list = view.board()->column(KanbanColumn::Idea)->listView();
        return medianOf(10, [&](int) {
            const QPoint tile = list->visualRect(list->model()->index(0, 0)).center();
            const double ms =
                idleAfter([&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tile); });
            if (auto *sheet = window.findChild<CardDetailSheet *>())
                sheet->close();
            QCoreApplication::processEvents();
            return ms;
        });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir root;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", (root.path() + u"/config"_s).toUtf8());
    qputenv("XDG_DATA_HOME", (root.path() + u"/data"_s).toUtf8());
    QApplication app(argc, argv);

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const StoreData document = makeDocument(now);
    const QString dataDir = root.path() + u"/store"_s;
    QDir().mkpath(dataDir);
    QFile file(dataDir + u"/store.json"_s);
    if (!file.open(QIODevice::WriteOnly) || file.write(RecordJson::encodeDocument(document)) < 0)
        return 1;
    file.close();

    ProcessRunner runner;
    QNetworkAccessManager network;
    Preferences preferences;
    AppEnvironment environment;
    environment.store = Store(dataDir);
    environment.processRunner = &runner;
    environment.network = &network;
    environment.preferences = &preferences;
    AppModel model(environment);
    UpdateChecker updates(network, QUrl(u"http://127.0.0.1:9/manifest.json"_s), u"0.1.0"_s,
                          preferences);
    GlobalHotKeyManager hotKey(makeSystemHotKeyBackend());
    FakeDesktop desktop;
    UiContext context{model, updates, preferences, desktop.desktop(), hotKey};

    QMainWindow window;
    auto *view = new ProjectDetailView(context);
    window.setCentralWidget(view);
    window.resize(1060 - 220, 700); // the detail area of a main window at its first size
    window.show();
    QCoreApplication::processEvents();

    Bench bench{model, window, *view, document.projects[0].id, document.projects[1].id};
    const QList<std::pair<const char *, double>> figures{
        {"board_open_ms", bench.boardOpen()},
        {"card_change_ms", bench.cardChange()},
        {"search_keystroke_ms", bench.searchKeystroke()},
        {"drop_ms", bench.drop()},
        {"sheet_open_ms", bench.sheetOpen()},
    };
    model.waitForPendingSaves();

    QString json;
    for (const auto &[key, ms] : figures) {
        std::printf("%-20s %7.2f ms\n", key, ms);
        json += u"%1\"%2\": %3"_s.arg(json.isEmpty() ? u"{"_s : u", "_s, QLatin1String(key))
                    .arg(ms, 0, 'f', 2);
    }
    std::printf("%s}\n", qPrintable(json));
    return 0;
}
