// SPDX-License-Identifier: MIT
// The real `quaylin` from exec to its main window mapped (an X server without a tray, so the
// window opens at start), and its resident memory once started, with a data file of 200
// projects in 10 folders and 2,000 cards. Run on an X server of its own:
//     xvfb-run -a build/bench/bench_start
#include "model/recordjson.h"
#include "support/benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <poll.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int runs = 10;
constexpr int settleMs = 2000;

StoreData makeDocument()
{
    StoreData data = StoreData::defaultDocument();
    data.didSeed = true;
    for (int i = 0; i < 10; ++i)
        data.folders.append({QUuid::createUuid(), u"Složka %1"_s.arg(i), double(i), true});
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 200; ++i) {
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = u"Projekt %1"_s.arg(i);
        project.localPath = u"/nonexistent/projekt-%1"_s.arg(i);
        project.netlifySiteID = u"site-%1"_s.arg(i);
        project.folderID = data.folders[i % 10].id;
        project.sortIndex = i;
        data.projects.append(project);
        for (int c = 0; c < 10; ++c) {
            TaskCard card;
            card.id = QUuid::createUuid();
            card.projectID = project.id;
            card.title = u"Úkol %1 projektu %2"_s.arg(c).arg(i);
            card.note = u"Poznámka k úkolu, jak ji lidé píšou: pár vět o tom, co udělat."_s;
            card.column = KanbanColumn(c % 3);
            card.createdAt = now.addDays(-c);
            card.labelIDs = {data.labels[c % data.labels.size()].id};
            card.sortIndex = c;
            data.cards.append(card);
        }
    }
    return data;
}

// Waits for a top-level window at least `minWidth` wide to be mapped; false after `timeoutMs`.
bool waitForMappedWindow(xcb_connection_t *x, int minWidth, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (waited.elapsed() < timeoutMs) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            bool found = false;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                auto *geometry =
                    xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr);
                found = geometry && geometry->width >= minWidth;
                std::free(geometry);
            }
            std::free(event);
            if (found)
                return true;
        }
        ::poll(&fd, 1, 5);
    }
    return false;
}

double residentMB(qint64 pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        QTextStream(stderr) << "bench_start: needs an X server: xvfb-run -a " << argv[0] << '\n';
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    for (const char *sub : {"home", "data", "config", "cache", "runtime"})
        QDir(dir.path()).mkpath(QLatin1String(sub));
    QFile::setPermissions(dir.path() + u"/runtime"_s,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(u"HOME"_s, dir.path() + u"/home"_s);
    environment.insert(u"XDG_DATA_HOME"_s, dir.path() + u"/data"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.path() + u"/config"_s);
    environment.insert(u"XDG_CACHE_HOME"_s, dir.path() + u"/cache"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, dir.path() + u"/runtime"_s);
    for (const char *name :
         {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API", "QUAYLIN_UPDATE_URL"})
        environment.insert(QLatin1String(name), u"http://127.0.0.1:9"_s);
    const QString dataDir = dir.path() + u"/data/Quaylin"_s;
    QDir().mkpath(dataDir);
    QFile data(dataDir + u"/store.json"_s);
    if (!data.open(QIODevice::WriteOnly) ||
        data.write(RecordJson::encodeDocument(makeDocument())) <= 0)
        return 1;
    data.close();

    QList<double> startMs;
    QList<double> residentMb;
    for (int run = 0; run < runs; ++run) {
        QProcess quaylin;
        quaylin.setProcessEnvironment(environment);
        quaylin.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        quaylin.start(QStringLiteral(QUAYLIN_BINARY), {});
        if (!waitForMappedWindow(x, 900, 20'000)) {
            QTextStream(stderr) << "bench_start: the main window did not appear\n";
            return 1;
        }
        startMs.append(clock.nsecsElapsed() / 1e6);
        QThread::msleep(settleMs);
        residentMb.append(residentMB(quaylin.processId()));
        quaylin.terminate();
        quaylin.waitForFinished(20'000);
        out << "run " << run + 1 << ": start_to_window " << startMs.last() << " ms, idle rss "
            << residentMb.last() << " MB" << Qt::endl;
    }
    const double start = BenchSupport::median(startMs);
    const double rss = BenchSupport::median(residentMb);
    out << "start_to_window_ms (median of " << runs << "): " << start << " (target <= 400)\n";
    out << "idle_rss_mb (median of " << runs << "): " << rss << " (target <= 80)\n";
    out << "{\"start_to_window_ms\": " << start << ", \"idle_rss_mb\": " << rss << "}\n";
    xcb_disconnect(x);
    return 0;
}
