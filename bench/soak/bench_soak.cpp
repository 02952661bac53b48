// SPDX-License-Identifier: MIT
// A long run of the desktop screens (offscreen) over the UI figures' data: 200 projects against
// Netlify, Vercel and GitHub faked on loopback (answering after 50 ms), a full refresh every
// 10 s, and a driver that keeps opening and closing the card sheet, the settings and the project
// editor, editing cards and showing the tray panel. Prints resident memory, the heap in use, the
// pixmap cache and the open file descriptors after the first minute and at the end (each between
// two refreshes), the save error if any, and one JSON line. Run by hand:
//   build/bench/soak/bench_soak [minutes, default 30]
#include "ui/uibench.h"

#include "ui/card/carddetailsheet.h"
#include "ui/editor/projecteditor.h"
#include "ui/main/mainview.h"
#include "ui/settings/settingssheet.h"
#include "ui/shell/menubarview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMap>
// Brings in QPixmapCache::totalUsed, which Qt exports for its own tests.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

double residentMB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? double(fields[1].toLongLong()) * 4096 / (1024 * 1024) : 0;
}

// What the open file descriptors point to, by number (the listing's own left out).
QMap<QString, QString> openDescriptors()
{
    QMap<QString, QString> targets;
    std::error_code error;
    const std::filesystem::path listed = std::filesystem::canonical("/proc/self/fd", error);
    for (const auto &fd : std::filesystem::directory_iterator(listed, error)) {
        const std::filesystem::path target = std::filesystem::read_symlink(fd.path(), error);
        if (target != listed)
            targets.insert(QString::fromStdString(fd.path().filename().string()),
                           QString::fromStdString(target.string()));
    }
    return targets;
}

// Whether a git process (a child holds a pidfd and its pipes) or a connection (a socket the
// process did not have at `start`, when only the fake services listened) is open.
bool inFlight(const QMap<QString, QString> &start)
{
    const QMap<QString, QString> now = openDescriptors();
    return std::ranges::any_of(now, [&](const QString &target) {
        return target == u"anon_inode:[pidfd]"_s ||
               (target.startsWith(u"socket:"_s) && !start.values().contains(target));
    });
}

struct Sample {
    double rssMB = 0;
    // Bytes the allocator hands out now: growth here is memory kept, growth of the resident
    // size alone is the allocator's free space (fragmentation).
    double heapMB = 0;
    // Whole megabytes, rounded up (Qt's count); bounded by QPixmapCache::cacheLimit().
    int pixmapCacheMB = 0;
    QMap<QString, QString> fds;
};

// Taken with the refresh timer stopped, once every pass has ended, every save is written and
// nothing is in flight (see inFlight), so that only what is kept counts.
Sample quietSample(AppModel &model, const QMap<QString, QString> &start)
{
    QApplication::processEvents(); // a pass already requested starts
    const auto quiet = [&] { return !model.refreshes().isRefreshing() && !inFlight(start); };
    if (!QTest::qWaitFor(quiet, 60'000))
        std::fprintf(stderr, "refreshes, git processes or connections still ran after 60 s\n");
    model.dataFile().waitForPendingSaves();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {residentMB(), double(mallinfo2().uordblks) / (1024 * 1024), QPixmapCache::totalUsed(),
            openDescriptors()};
}

// One step of the driver: a sheet opened, used a little and closed, a card edited, or the tray
// panel shown and hidden again.
void drive(UiBench &bench, MenuBarView &panel, int step)
{
    QWidget *window = bench.window().view().window();
    AppModel &model = bench.model();
    const QList<TaskCard> cards = model.cards();
    const TaskCard &card = cards[(step * 7) % cards.size()];
    QWidget *sheet = nullptr;
    switch (step % 5) {
    case 0: {
        auto *cardSheet = new CardDetailSheet(bench.context(), card.id, window);
        cardSheet->open();
        QApplication::processEvents();
        auto *title = cardSheet->findChild<QLineEdit *>(u"cardTitleField"_s);
        title->setFocus();
        title->end(false);
        // Every other visit takes the letter back, so the titles keep their length.
        QTest::keyClick(title, step / 5 % 2 == 0 ? Qt::Key_Backspace : Qt::Key_A);
        sheet = cardSheet;
        break;
    }
    case 1:
        sheet = new SettingsSheet(bench.context(), window);
        static_cast<QDialog *>(sheet)->open();
        break;
    case 2:
        sheet = new ProjectEditor(bench.context(), bench.projects()[step % 200], window);
        static_cast<QDialog *>(sheet)->open();
        break;
    case 3:
        panel.popUp({});
        QApplication::processEvents();
        panel.repaint();
        panel.hide();
        break;
    default: {
        TaskCard edited = card;
        edited.note = u"Poznámka %1"_s.arg(step);
        model.updateCard(edited);
        model.toggleChecklistItem(card.checklist.value(0).id, card.id);
        break;
    }
    }
    QApplication::processEvents();
    if (sheet) {
        sheet->repaint();
        sheet->close(); // deletes itself
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 30;
    if (minutes < 1.5) {
        std::fprintf(stderr, "usage: bench_soak [minutes, at least 1.5; default 30]\n");
        return 2;
    }
    UiBench bench;
    if (!bench.ok())
        return 1;
    AppModel &model = bench.model();
    bench.window().view().select(bench.boardProject());
    bench.window().settle();
    const QMap<QString, QString> start = openDescriptors();

    int refreshes = 0;
    QTimer refresh;
    refresh.setInterval(10'000);
    QObject::connect(&refresh, &QTimer::timeout, &app, [&] {
        if (!model.refreshes().isRefreshing()) {
            ++refreshes;
            model.refreshes().requestRefresh();
        }
    });
    refresh.start();
    model.refreshes().requestRefresh();

    int steps = 0;
    MenuBarView panel(bench.context(), MenuBarView::Presentation::Window);
    QTimer driver;
    driver.setInterval(250);
    QObject::connect(&driver, &QTimer::timeout, &app, [&] { drive(bench, panel, steps++); });
    driver.start();

    Sample firstMinute;
    QTimer::singleShot(60'000, &app, [&] {
        driver.stop();
        refresh.stop();
        firstMinute = quietSample(model, start);
        refresh.start();
        driver.start();
    });
    std::optional<QString> saveError;
    QObject::connect(&model.dataFile(), &DataFile::saveErrorChanged, &app, [&] {
        if (const std::optional<QString> error = model.dataFile().saveError())
            saveError = error;
    });
    QTimer::singleShot(int(minutes * 60'000), &app, [] { QApplication::quit(); });
    QApplication::exec();
    driver.stop();
    refresh.stop();
    const Sample end = quietSample(model, start);
    if (!saveError)
        saveError = model.dataFile().saveError();
    const double growth = end.rssMB - firstMinute.rssMB;
    std::printf("minutes: %.1f, driver steps: %d, refreshes: %d\n", minutes, steps, refreshes);
    std::printf("rss after the first minute: %.1f MB, at the end: %.1f MB, growth: %.1f MB "
                "(target <= 5)\n",
                firstMinute.rssMB, end.rssMB, growth);
    std::printf("heap in use after the first minute: %.1f MB, at the end: %.1f MB\n",
                firstMinute.heapMB, end.heapMB);
    std::printf("pixmap cache after the first minute: <= %d MB, at the end: <= %d MB (of %d MB)\n",
                firstMinute.pixmapCacheMB, end.pixmapCacheMB, QPixmapCache::cacheLimit() / 1024);
    std::printf("file descriptors after the first minute: %d, at the end: %d (target: equal)\n",
                int(firstMinute.fds.size()), int(end.fds.size()));
    const auto tellChanged = [](const Sample &from, const Sample &to, const char *change) {
        for (const auto &[fd, target] : to.fds.asKeyValueRange()) {
            if (from.fds.value(fd) != target)
                std::printf("  %s: %s -> %s\n", change, qPrintable(fd), qPrintable(target));
        }
    };
    tellChanged(firstMinute, end, "new at the end");
    tellChanged(end, firstMinute, "gone at the end");
    std::printf("save error: %s\n", saveError ? qPrintable(*saveError) : "none");
    const QJsonObject figures{
        {u"soak_minutes"_s, minutes},
        {u"soak_rss_first_minute_mb"_s, qRound(firstMinute.rssMB * 10) / 10.0},
        {u"soak_rss_end_mb"_s, qRound(end.rssMB * 10) / 10.0},
        {u"soak_rss_growth_mb"_s, qRound(growth * 10) / 10.0},
        {u"soak_heap_first_minute_mb"_s, qRound(firstMinute.heapMB * 10) / 10.0},
        {u"soak_heap_end_mb"_s, qRound(end.heapMB * 10) / 10.0},
        {u"soak_pixmap_cache_first_minute_mb"_s, firstMinute.pixmapCacheMB},
        {u"soak_pixmap_cache_end_mb"_s, end.pixmapCacheMB},
        {u"soak_fds_first_minute"_s, int(firstMinute.fds.size())},
        {u"soak_fds_end"_s, int(end.fds.size())},
        {u"soak_save_errors"_s, saveError ? 1 : 0},
    };
    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    const bool held = growth <= 5 && end.fds.size() == firstMinute.fds.size() && !saveError;
    return held ? 0 : 1;
}
